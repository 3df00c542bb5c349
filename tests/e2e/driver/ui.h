#pragma once
#include <windows.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>

namespace e2e {

// How long the driver waits for any condition before calling it a failure.
inline constexpr DWORD kDefaultDeadlineMs = 15000;

// Polls `condition` until it holds or the deadline passes; never a fixed sleep.
bool waitFor(const std::function<bool()>& condition, DWORD deadlineMs = kDefaultDeadlineMs);

// A visible top-level window of the process with this class ("#32770": dialogs, boxes) and caption.
HWND findTopLevel(DWORD processId, const char* windowClass, const std::string& caption);
HWND waitTopLevel(DWORD processId, const char* windowClass, const std::string& caption,
                  DWORD deadlineMs = kDefaultDeadlineMs);
bool waitGone(HWND window, DWORD deadlineMs = kDefaultDeadlineMs);

// A window's text (WM_GETTEXT) as UTF-16 in code page 1252, "?" for other characters; empty if it does not answer.
std::string windowText(HWND window, DWORD boundMs = kDefaultDeadlineMs);
std::string itemText(HWND dialog, int id, DWORD boundMs = kDefaultDeadlineMs);
// All static texts of a message box, joined by "\n".
std::string boxText(HWND box);

// Types into a field as a user does; it takes the value when the focus moves on (a click does that).
void typeInto(HWND dialog, int id, const std::string& text);
// The same with any characters, also those code page 1252 has none for.
void typeInto(HWND dialog, int id, const std::wstring& text);
// Tab to the next control, posted: a refusal's message must not hold the driver.
void tabFrom(HWND dialog);
void clickItem(HWND dialog, int id);
// Clicks the button that closes the dialog; true once it is gone.
bool closeWith(HWND dialog, int button);
// Presses and releases the mouse on a button: input, as a user gives it.
void mouseClick(HWND dialog, int id);
void postCommand(HWND window, int id);
void closeBox(HWND window);
bool isChecked(HWND dialog, int id);

// The screen's DPI (the driver is DPI-aware: its pixels are the screen's).
int screenDpi();

// Saves the whole screen as a 24-bit BMP.
bool saveScreenshot(const std::string& path);
// The pixels of part of the screen, 24 bits each.
std::string screenPixels(const RECT& area);
// Where the main window draws its clock line on the screen; empty when another window covers it.
RECT visibleClockLine(HWND main);

// A thread that sends the window a message every 50 ms, as Windows does to find hung programs; the longest answer.
class AnswerWatch {
public:
    explicit AnswerWatch(HWND window);
    ~AnswerWatch();
    // Stops watching; the longest wait for an answer in milliseconds.
    DWORD longestMs();

private:
    HWND window_;
    HANDLE stop_;
    std::atomic<DWORD> longest_{0};
    std::thread thread_;
};

} // namespace e2e
