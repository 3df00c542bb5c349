#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

// The unzipped program folder under test: bin\Wakeguard.exe, init\, Daten\.
struct Tree {
    std::string root;  // ends with "\"
    std::string bin() const { return root + "bin\\"; }
    std::string init() const { return root + "init\\"; }
    std::string data() const { return root + "Daten\\"; }
    std::string settingsFile() const { return init() + "Wakeguard.ini"; }
};

bool writeFile(const std::string& path, const std::string& bytes);
// The file's bytes; empty when it cannot be read.
std::string fileText(const std::string& path);
// The names of the files in a folder.
std::vector<std::string> fileNames(const std::string& folder);
// Removes every file in a folder (not recursive).
void clearFolder(const std::string& folder);

// One run of Wakeguard.exe (or another program of bin\), started in bin\ as its working directory.
class Program {
public:
    explicit Program(const Tree& tree, std::string exe = "Wakeguard.exe", std::string arguments = "")
        : tree_(tree), exe_(std::move(exe)), arguments_(std::move(arguments)) {}
    ~Program();
    bool start();
    DWORD processId() const { return info_.dwProcessId; }
    HWND waitMainWindow(DWORD deadlineMs = 15000);
    // True when the process ended within the deadline; its exit code.
    bool waitExit(DWORD& exitCode, DWORD deadlineMs = 15000);
    void kill();

private:
    Tree tree_;
    std::string exe_;
    std::string arguments_;
    PROCESS_INFORMATION info_ = {};
};

} // namespace e2e
