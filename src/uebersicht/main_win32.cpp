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
#include "platform/foreign_text.h"
#include "win32/pc_time.h"
#include "platform/wide_text.h"

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
        const std::wstring shown = wg::wide(bytes);
        WriteConsoleW(out_, shown.data(), static_cast<DWORD>(shown.size()), &written, nullptr);
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

std::wstring fullPath(const std::wstring& path) {
    wchar_t buffer[MAX_PATH * 4];
    const DWORD n = GetFullPathNameW(path.c_str(), MAX_PATH * 4, buffer, nullptr);
    return n > 0 && n < MAX_PATH * 4 ? std::wstring(buffer, n) : path;
}

bool isDirectory(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// A dropped file may start the program anywhere. Arguments that name files
// or folders are made whole first, then the working directory becomes the
// exe's folder when "..\Daten" or "..\init" lie beside it (its "bin").
void anchorWorkingDirectory(std::vector<std::wstring>& args) {
    for (std::wstring& arg : args)
        if (GetFileAttributesW(arg.c_str()) != INVALID_FILE_ATTRIBUTES) arg = fullPath(arg);
    wchar_t exe[MAX_PATH * 4];
    const DWORD n = GetModuleFileNameW(nullptr, exe, MAX_PATH * 4);
    if (n == 0 || n >= MAX_PATH * 4) return;
    std::wstring folder(exe, n);
    folder.erase(folder.find_last_of(L'\\') + 1);
    if (isDirectory(folder + L"..\\Daten") || isDirectory(folder + L"..\\init")) SetCurrentDirectoryW(folder.c_str());
}

// The arguments as the program's texts; false, with a message, for one that
// names something code page 1252 cannot (a file is named from the working
// directory where that helps).
bool programArguments(const std::vector<std::wstring>& wideArgs, std::vector<std::string>& args,
                      wg::Console& console) {
    for (const std::wstring& wideArg : wideArgs) {
        std::string arg;
        if (!wg::programPath(wideArg, arg)) {
            console.line(wg::foreignArgumentText(arg));
            return false;
        }
        args.push_back(arg);
    }
    return true;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    std::vector<std::wstring> wideArgs(argv + 1, argv + argc);
    const bool explorer = startedFromExplorer();
    anchorWorkingDirectory(wideArgs);
    WindowsConsole console;
    std::vector<std::string> args;
    wg::OverviewResult result;
    if (programArguments(wideArgs, args, console))
        result = wg::runOverview(args, wg::localPcTime(), console, wg::systemClock());
    else
        result.exitCode = wg::kExitWrongArguments;
    if (explorer) {
        // Shell extensions may take part in opening a file; they want COM.
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
        for (const std::string& page : result.pagesWritten) {
            const std::wstring path = fullPath(wg::wide(page));
            const HINSTANCE opened = ShellExecuteW(nullptr, L"open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
            std::string shown;
            wg::narrow(path, shown);  // "?" for a folder name beyond code page 1252
            if (reinterpret_cast<INT_PTR>(opened) <= 32) console.line(wg::pageNotOpenedText(shown));
        }
        console.line("");
        console.line(wg::kPressAnyKeyText);
        _getch();
    }
    return result.exitCode;
}
