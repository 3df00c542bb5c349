#include "app/text_viewer.h"

namespace wg {

void viewEventFile(Shell& shell, const std::string& path) {
    const std::string commandLine = "notepad.exe " + path;
    BoxRequest box;
    box.icon = BoxIcon::Error;
    box.ownedByMainWindow = false;
    box.topmost = true;
    if (commandLine.find(".YRD") != std::string::npos || commandLine.find(".yrd") != std::string::npos) {
        if (shell.startProcess(commandLine)) return;
        box.caption = "Fehler";
        box.text = "Notepad.exe kann nicht geöffnet werden";
    } else {
        box.caption = "Warnung";
        box.text = "Keine Yacht-Regattadatendatei gewählt!";
    }
    shell.messageBox(box);
}

} // namespace wg
