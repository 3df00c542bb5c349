#include "program.h"

#include <cstdio>
#include <vector>

#include "ui.h"

namespace e2e {

bool writeFile(const std::string& path, const std::string& bytes) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    return std::fclose(f) == 0;
}

bool readFile(const std::string& path, std::string& bytes) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    bytes.clear();
    char chunk[4096];
    std::size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, f)) > 0) bytes.append(chunk, n);
    std::fclose(f);
    return true;
}

void removeFile(const std::string& path) { DeleteFileA(path.c_str()); }

void clearFolder(const std::string& folder) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) DeleteFileA((folder + found.cFileName).c_str());
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

Program::~Program() { kill(); }

bool Program::start() {
    std::string commandLine(1, '"');
    commandLine += tree_.bin();
    commandLine += exe_ + "\"";
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    return CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          tree_.bin().c_str(), &startup, &info_) != 0;
}

HWND Program::waitMainWindow(DWORD deadlineMs) {
    HWND found = nullptr;
    waitFor(
        [&] {
            found = nullptr;
            HWND candidate = FindWindowA("HAUPTMENU_D", nullptr);
            DWORD owner = 0;
            if (candidate) GetWindowThreadProcessId(candidate, &owner);
            if (owner == info_.dwProcessId) found = candidate;
            return found != nullptr;
        },
        deadlineMs);
    return found;
}

bool Program::waitExit(DWORD& exitCode, DWORD deadlineMs) {
    if (!info_.hProcess) return false;
    if (WaitForSingleObject(info_.hProcess, deadlineMs) != WAIT_OBJECT_0) return false;
    GetExitCodeProcess(info_.hProcess, &exitCode);
    return true;
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
