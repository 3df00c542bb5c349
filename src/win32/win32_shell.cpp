#include "win32/win32_shell.h"

#include <commdlg.h>

#include <vector>

#include "win32/box.h"
#include "win32/dialog_adapter.h"
#include "win32/pc_time.h"

namespace wg {

void Win32Shell::runCommand(int id) { SendMessageA(main_, WM_COMMAND, MAKEWPARAM(id, 0), 0); }

void Win32Shell::postCommand(int id) { PostMessageA(main_, WM_COMMAND, MAKEWPARAM(id, 0), 0); }

BoxAnswer Win32Shell::messageBox(const BoxRequest& request) {
    return showBox(request.ownedByMainWindow ? currentOwner(main_) : nullptr, request);
}

int Win32Shell::runDialog(DialogLogic& logic) { return runModalDialog(instance_, currentOwner(main_), logic); }

bool Win32Shell::chooseFile(int kind, const std::string& title, std::string& path,
                            std::string& fileTitle) {
    char filter[256] = {};
    int length = LoadStringA(instance_, static_cast<UINT>(kind), filter, sizeof filter - 1);
    if (length <= 0) return false;
    // The filter's last character separates its parts.
    const char separator = filter[length - 1];
    for (int i = 0; i < length; ++i)
        if (filter[i] == separator) filter[i] = '\0';
    char file[256] = {};
    char titleBuffer[256] = {};
    OPENFILENAMEA ofn = {};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = currentOwner(main_);
    ofn.hInstance = instance_;
    ofn.lpstrFilter = filter;
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = file;
    ofn.nMaxFile = sizeof file - 1;
    ofn.lpstrFileTitle = titleBuffer;
    ofn.nMaxFileTitle = sizeof titleBuffer - 1;
    ofn.lpstrInitialDir = "..\\daten\\";
    ofn.lpstrTitle = title.c_str();
    ofn.Flags = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST |
                OFN_FILEMUSTEXIST | OFN_LONGNAMES | OFN_EXPLORER;
    if (!GetOpenFileNameA(&ofn)) return false;
    path = file;
    fileTitle = titleBuffer;
    return true;
}

bool Win32Shell::startProcess(const std::string& commandLine) {
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, NORMAL_PRIORITY_CLASS,
                        nullptr, nullptr, &startup, &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

void Win32Shell::endProgram() { DestroyWindow(main_); }

PcTime Win32Shell::systemTime() { return systemPcTime(); }

PcTime Win32Shell::localTime() { return localPcTime(); }

} // namespace wg
