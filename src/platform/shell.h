#pragma once
#include <string>

#include "platform/dialog_logic.h"

namespace wg {

enum class BoxIcon { Error, Information, Warning };
enum class BoxButtons { Ok, YesNo };
enum class BoxAnswer { Ok, Yes, No };

struct BoxRequest {
    std::string caption;
    std::string text;
    BoxIcon icon = BoxIcon::Information;
    BoxButtons buttons = BoxButtons::Ok;
    bool ownedByMainWindow = true;
    bool topmost = false;
};

// The answer of the open-file dialog. A file whose name (or folder) holds a
// character the program's texts cannot carry is not handed over.
enum class FileChoice { Cancelled, Chosen, ForeignName };

// The calendar time the PC clock gives (UTC or local time).
struct PcTime {
    int year = 0, month = 0, dayOfWeek = 0, day = 0;
    int hour = 0, minute = 0, second = 0, millisecond = 0;
};

// The main window's services as dialogs and commands use them.
class Shell {
public:
    virtual ~Shell() = default;
    // Runs a command now, as a synchronous send to the main window would.
    virtual void runCommand(int id) = 0;
    // Runs a command once the current dialog has closed.
    virtual void postCommand(int id) = 0;
    virtual BoxAnswer messageBox(const BoxRequest& request) = 0;
    // Runs a modal dialog owned by the main window; returns its result.
    virtual int runDialog(DialogLogic& logic) = 0;
    // The platform's open-file dialog for data file kind 1, 2 or 3. Chosen,
    // with the file's path and title, when the user confirmed a file.
    virtual FileChoice chooseFile(int kind, const std::string& title, std::string& path,
                                  std::string& fileTitle) = 0;
    // Starts a process and returns at once; false when it cannot be started.
    virtual bool startProcess(const std::string& commandLine) = 0;
    // Destroys the main window, which writes the settings and ends the run.
    virtual void endProgram() = 0;
    virtual PcTime systemTime() = 0;
    virtual PcTime localTime() = 0;
};

} // namespace wg
