#include "program.h"

#include <cstdio>

#include "ui.h"

namespace e2e {

bool writeFile(const std::string& path, const std::string& bytes) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    return std::fclose(f) == 0;
}

std::string fileText(const std::string& path) {
    std::string bytes;
    if (std::FILE* f = std::fopen(path.c_str(), "rb")) {
        char chunk[4096];
        for (std::size_t n; (n = std::fread(chunk, 1, sizeof chunk, f)) > 0;) bytes.append(chunk, n);
        std::fclose(f);
    }
    return bytes;
}

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
    std::string line(1, '"');
    line += tree_.bin() + exe_ + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    return CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, tree_.bin().c_str(), &startup,
                          &info_) != 0;
}

HWND Program::waitMainWindow(DWORD deadlineMs) {
    HWND found = nullptr;
    const bool shown = waitFor([&] {
        DWORD owner = 0;
        found = FindWindowA("HAUPTMENU_D", nullptr);
        if (found) GetWindowThreadProcessId(found, &owner);
        return owner == info_.dwProcessId;
    }, deadlineMs);
    return shown ? found : nullptr;
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
