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

// The program measures in pixels of a display at 96 dpi, as the settings
// file stores the window size; at another DPI everything it places or draws
// itself grows or shrinks with it, as the dialogs do.
inline constexpr int kBaseDpi = 96;
int atDpi(int basePixels, int dpi);

// The size the main window is created with at `dpi`: the stored one, but never
// so small that the menu and the client area vanish (a window without client
// area gets no paint, so the login at the first paint would never come).
// The stored values themselves stay as they are.
WindowSize mainWindowSize(int storedWidth, int storedHeight, int dpi);

// Where the main window's text line is drawn at `dpi`, and the height of its
// characters (8 points) in pixels.
struct ClientTextLayout {
    int left;
    int top;
    int fontHeight;
};
ClientTextLayout clientTextLayout(int dpi);

// The box start-up shows for a settings read that did not succeed; none for 0.
std::optional<BoxRequest> settingsProblemBox(Status status);

// The box start-up shows when no file can be made in the data folder
// `dataDir` (a read-only stick, a protected program folder): every readout
// would be lost there. None when one can; the program starts either way.
std::optional<BoxRequest> dataFolderProblemBox(const std::string& dataDir);

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
