#pragma once
#include <optional>
#include <string>
#include <vector>

#include "files/status.h"
#include "platform/shell.h"

namespace wg {

inline constexpr const char* kMainWindowClass = "HAUPTMENU_D";
inline constexpr const char* kMenuName = "HAUPTMENU_D";
inline constexpr const char* kProgramName = " Wakeguard ERLG - das Regatta-Motorueberwachungsprogramm";
inline constexpr const char* kReleaseText = " - Release 1.0 - Vers.1.3";
inline constexpr int kClockTimerId = 1;
inline constexpr unsigned kClockTimerPeriodMs = 1000;

std::string mainWindowTitle();

struct WindowSize {
    int width;
    int height;
};

// The size the main window is created with: the stored one, but never so
// small that the menu and the client area vanish (a window without client
// area gets no paint, so the login at the first paint would never come).
// The stored values themselves stay as they are.
WindowSize mainWindowSize(int storedWidth, int storedHeight);

// The box start-up shows for a settings read that did not succeed; none for 0.
std::optional<BoxRequest> settingsProblemBox(Status status);

// What the command line asks of this run: the logger's port, and the box
// that explains an argument the program does not take (it then uses COM1).
struct StartOptions {
    std::string loggerPort;
    std::optional<BoxRequest> problem;
};
// `arguments` without the program's own name.
StartOptions startOptions(const std::vector<std::string>& arguments);

// The question asked before the program ends.
BoxRequest exitQuestion();

} // namespace wg
