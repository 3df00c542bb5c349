#include "program.h"

#include <vector>

#include "app/startup.h"
#include "platform/file_system.h"
#include "ui.h"
#include "platform/wide_text.h"

namespace e2e {

bool writeFile(const std::string& path, const std::string& bytes) { return wg::replaceFile(path, bytes).complete(1); }

std::string fileText(const std::string& path) {
    std::string bytes;
    wg::readWholeFile(path, bytes);
    return bytes;
}

std::vector<std::string> fileNames(const std::string& folder) {
    std::vector<wg::DirectoryEntry> entries;
    std::vector<std::string> names;
    wg::listDirectory(folder, entries);
    for (const wg::DirectoryEntry& e : entries)
        if (e.isFile) names.push_back(e.name);
    return names;
}

void clearFolder(const std::string& folder) {
    for (const std::string& name : fileNames(folder)) wg::removeFile(folder + name);
}

Program::~Program() { kill(); }

bool Program::start() {
    std::string quoted(1, '"');  // piece by piece: GCC 12 misjudges the string operator here
    quoted.append(tree_.bin()).append(exe_).append("\"");
    if (!arguments_.empty()) quoted.append(" ").append(arguments_);
    std::wstring line = wg::wide(quoted);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    return CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, wg::wide(tree_.bin()).c_str(),
                          &startup, &info_) != 0;
}

HWND Program::waitMainWindow(DWORD deadlineMs) {
    return waitTopLevel(info_.dwProcessId, "HAUPTMENU_D", wg::mainWindowTitle(), deadlineMs);
}

bool Program::waitExit(DWORD& exitCode, DWORD deadlineMs) {
    if (!info_.hProcess || WaitForSingleObject(info_.hProcess, deadlineMs) != WAIT_OBJECT_0) return false;
    return GetExitCodeProcess(info_.hProcess, &exitCode) != 0;
}

void Program::kill() {
    if (!info_.hProcess) return;
    if (WaitForSingleObject(info_.hProcess, 0) != WAIT_OBJECT_0) {
        TerminateProcess(info_.hProcess, 99);
        WaitForSingleObject(info_.hProcess, 5000);
    }
    CloseHandle(info_.hProcess);
    CloseHandle(info_.hThread);
    info_ = {};
}

} // namespace e2e
