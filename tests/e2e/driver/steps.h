#pragma once
#include <array>
#include <utility>
#include <vector>

#include "program.h"
#include "scenario.h"
#include "ui.h"

namespace e2e {

// Answers the login prompt (cancels it when `password` is empty) and closes the message; true if it is the one due.
bool dismissLogin(Context& ctx, Program& program, const std::string& password = "");
// Writes the settings (a shipped package keeps its own), starts and logs in; the main window, or nullptr.
HWND startLoggedIn(Context& ctx, Program& program, const std::string& settingsBytes,
                   const std::string& password);
// A dialog or message box of the program with this caption, once it shows.
HWND waitDialog(Program& program, const std::string& caption, DWORD deadlineMs = kDefaultDeadlineMs);
// Runs a menu command and waits for the dialog it opens.
HWND openDialog(Program& program, HWND main, int command, const std::string& caption);
// Ends the run through "Programm Beenden" and checks exit code 0.
void endProgram(Context& ctx, Program& program, HWND main);

std::string settingsFile(const std::string& width, const std::string& height, const std::string& password,
                         const std::string& zone);
// `times`: the start's minute, hour, day, month and year, then the end's.
std::string regattaFile(const std::array<int, 10>& times, const std::string& designation, int starters);
// A yacht file for the logger 100234.
std::string yachtFile(const std::string& name, const std::string& id, int mode, int seals);
// Sommer04.rsd: start 09:05 on 03.06.04, end 17:30 on 04.06.04.
extern const std::string kSommerFile;
// Sommer04-GER12.ysd: Blue Star, mode 3, 4 seals.
extern const std::string kYachtFile;

// Picks a file in the platform's open-file dialog by typing its name.
bool chooseInOpenDialog(Context& ctx, Program& program, const std::string& title, const std::string& name);
bool chooseInOpenDialog(Context& ctx, Program& program, const std::string& title, const std::wstring& name);
// Starts logged in ("geheim"), `regattaFile` loaded as Sommer04.rsd through the open-file dialog.
HWND startWithRegatta(Context& ctx, Program& program, const std::string& zone,
                      const std::string& regattaFile = kSommerFile);
// The text of the next message dialog (or message box), which is then closed.
std::string nextMessage(Context& ctx, Program& program, const std::string& shotName = "",
                        DWORD deadlineMs = 20000, const char* caption = "Information");

// The readout dialog's caption, and its status after a readout that ended well.
inline constexpr const char* kReadoutCaption = "ERLG Daten Auslesen und Auswerten";
inline constexpr const char* kReadoutDone = "Alle Daten ordnungsgemäß aus ERLG ausgelesen und gespeichert.";
// Whether a file of the program's is left half written in `folder`.
bool anyTemporaryFile(const std::string& folder);

// Fields typed in order as a user types them; each but the last is taken as the next one is typed.
using Typed = std::vector<std::pair<int, std::string>>;
void typeAll(HWND dialog, const Typed& fields);

} // namespace e2e
