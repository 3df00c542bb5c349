// Uebersicht.exe: the regatta overview as a Windows console program.
// Everything it decides lives in overview/; this hands over the arguments
// and the local time, puts the working directory where "..\Daten\" and
// "..\init\" mean the program's own folders, and, when Explorer started it
// (a double-click, or files dropped onto the exe), opens the pages and
// keeps its console open until a key is pressed.
#include <windows.h>
#include <conio.h>
#include <objbase.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "overview/overview_program.h"
#include "win32/pc_time.h"

namespace {

// Console lines as UTF-16, so the umlauts come out whatever the console's
// code page; redirected output gets the program's own bytes (code page 1252).
class WindowsConsole final : public wg::Console {
public:
    WindowsConsole() : out_(GetStdHandle(STD_OUTPUT_HANDLE)) {
        DWORD mode;
        console_ = GetConsoleMode(out_, &mode) != 0;
    }
    void line(const std::string& text) override {
        const std::string bytes = text + "\r\n";
        DWORD written;
        if (!console_) {
            WriteFile(out_, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
            return;
        }
        const int n = MultiByteToWideChar(1252, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
        std::wstring wide(n > 0 ? n : 0, L'\0');
        MultiByteToWideChar(1252, 0, bytes.data(), static_cast<int>(bytes.size()), wide.data(), n);
        WriteConsoleW(out_, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
    }

private:
    HANDLE out_;
    bool console_ = false;
};

// Explorer gives a console program a console of its own; one started from a
// command prompt shares the prompt's. Only a person at the console can press
// the key that closes it, so redirected input counts as no double-click.
bool startedFromExplorer() {
    DWORD processes[2];
    DWORD mode;
    return GetConsoleProcessList(processes, 2) == 1 && GetConsoleMode(GetStdHandle(STD_INPUT_HANDLE), &mode) != 0;
}

std::string fullPath(const std::string& path) {
    char buffer[MAX_PATH * 4];
    const DWORD n = GetFullPathNameA(path.c_str(), sizeof buffer, buffer, nullptr);
    return n > 0 && n < sizeof buffer ? std::string(buffer, n) : path;
}

bool isDirectory(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// A dropped file may start the program anywhere. Arguments that name files
// or folders are made whole first, then the working directory becomes the
// exe's folder when "..\Daten" or "..\init" lie beside it (its "bin").
void anchorWorkingDirectory(std::vector<std::string>& args) {
    for (std::string& arg : args)
        if (GetFileAttributesA(arg.c_str()) != INVALID_FILE_ATTRIBUTES) arg = fullPath(arg);
    char exe[MAX_PATH * 4];
    const DWORD n = GetModuleFileNameA(nullptr, exe, sizeof exe);
    if (n == 0 || n >= sizeof exe) return;
    std::string folder(exe, n);
    folder.erase(folder.find_last_of('\\') + 1);
    if (isDirectory(folder + "..\\Daten") || isDirectory(folder + "..\\init")) SetCurrentDirectoryA(folder.c_str());
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    const bool explorer = startedFromExplorer();
    anchorWorkingDirectory(args);
    WindowsConsole console;
    const wg::OverviewResult result = wg::runOverview(args, wg::localPcTime(), console, wg::systemClock());
    if (explorer) {
        // Shell extensions may take part in opening a file; they want COM.
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
        for (const std::string& page : result.pagesWritten) {
            const std::string path = fullPath(page);
            const HINSTANCE opened = ShellExecuteA(nullptr, "open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
            if (reinterpret_cast<INT_PTR>(opened) <= 32) console.line(wg::pageNotOpenedText(path));
        }
        console.line("");
        console.line(wg::kPressAnyKeyText);
        _getch();
    }
    return result.exitCode;
}
