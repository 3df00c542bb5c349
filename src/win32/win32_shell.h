#pragma once
#include <windows.h>

#include "platform/shell.h"

namespace wg {

// The shell services over the main window.
class Win32Shell final : public Shell {
public:
    void attach(HINSTANCE instance, HWND mainWindow) {
        instance_ = instance;
        main_ = mainWindow;
    }
    void runCommand(int id) override;
    void postCommand(int id) override;
    BoxAnswer messageBox(const BoxRequest& request) override;
    int runDialog(DialogLogic& logic) override;
    FileChoice chooseFile(int kind, const std::string& title, std::string& path,
                          std::string& fileTitle) override;
    bool startProcess(const std::string& commandLine) override;
    void endProgram() override;
    PcTime systemTime() override;
    PcTime localTime() override;

private:
    HINSTANCE instance_ = nullptr;
    HWND main_ = nullptr;
};

} // namespace wg
