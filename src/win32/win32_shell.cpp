#include "win32/win32_shell.h"

#include <commdlg.h>

#include "win32/box.h"
#include "win32/dialog_adapter.h"
#include "win32/pc_time.h"
#include "platform/wide_text.h"

namespace wg {

void Win32Shell::runCommand(int id) { SendMessageW(main_, WM_COMMAND, MAKEWPARAM(id, 0), 0); }

void Win32Shell::postCommand(int id) { PostMessageW(main_, WM_COMMAND, MAKEWPARAM(id, 0), 0); }

BoxAnswer Win32Shell::messageBox(const BoxRequest& request) {
    return showBox(request.ownedByMainWindow ? currentOwner(main_) : nullptr, request);
}

int Win32Shell::runDialog(DialogLogic& logic) {
    return runModalDialog(instance_, currentOwner(main_), logic, *this);
}

FileChoice Win32Shell::chooseFile(int kind, const std::string& title, std::string& path,
                                  std::string& fileTitle) {
    wchar_t filter[256] = {};
    const int length = LoadStringW(instance_, static_cast<UINT>(kind), filter, 255);
    if (length <= 0) return FileChoice::Cancelled;
    // The filter's last character separates its parts.
    const wchar_t separator = filter[length - 1];
    for (int i = 0; i < length; ++i)
        if (filter[i] == separator) filter[i] = L'\0';
    wchar_t file[256] = {};
    const std::wstring caption = wide(title);
    OPENFILENAMEW ofn = {};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = currentOwner(main_);
    ofn.hInstance = instance_;
    ofn.lpstrFilter = filter;
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = file;
    ofn.nMaxFile = 255;
    ofn.lpstrInitialDir = L"..\\daten\\";
    ofn.lpstrTitle = caption.c_str();
    ofn.Flags = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST |
                OFN_FILEMUSTEXIST | OFN_LONGNAMES | OFN_EXPLORER;
    if (!GetOpenFileNameW(&ofn)) return FileChoice::Cancelled;
    // The file title is the part of the path after its folder.
    if (!programPath(file, path) || !narrow(file + ofn.nFileOffset, fileTitle)) return FileChoice::ForeignName;
    return FileChoice::Chosen;
}

bool Win32Shell::startProcess(const std::string& commandLine) {
    std::wstring line = wide(commandLine);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, NORMAL_PRIORITY_CLASS, nullptr, nullptr,
                        &startup, &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

void Win32Shell::endProgram() { DestroyWindow(main_); }

PcTime Win32Shell::systemTime() { return systemPcTime(); }

PcTime Win32Shell::localTime() { return localPcTime(); }

} // namespace wg
