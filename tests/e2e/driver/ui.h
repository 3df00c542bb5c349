#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace e2e {

// How long the driver waits for any condition before calling it a failure.
inline constexpr DWORD kDefaultDeadlineMs = 15000;

// Polls `condition` until it holds or the deadline passes; never a fixed sleep.
bool waitFor(const std::function<bool()>& condition, DWORD deadlineMs = kDefaultDeadlineMs);

// A visible top-level window of the program's process with this class and
// caption (class "#32770" for dialogs and message boxes).
HWND findTopLevel(DWORD processId, const char* windowClass, const std::string& caption);
HWND waitTopLevel(DWORD processId, const char* windowClass, const std::string& caption,
                  DWORD deadlineMs = kDefaultDeadlineMs);
bool waitGone(HWND window, DWORD deadlineMs = kDefaultDeadlineMs);

std::string windowText(HWND window);
std::string itemText(HWND dialog, int id);
// All static texts of a message box, joined by "\n".
std::string boxText(HWND box);

void setItemText(HWND dialog, int id, const std::string& text);
// Types into a field as a user does: focus it, set the text. The field takes
// its value when the focus moves on (a click does that first).
void typeInto(HWND dialog, int id, const std::string& text);
void clickItem(HWND dialog, int id);
void postCommand(HWND window, int id);
void closeBox(HWND window);
bool isChecked(HWND dialog, int id);
bool isEnabled(HWND dialog, int id);

// Saves the whole screen as a 24-bit BMP.
bool saveScreenshot(const std::string& path);

} // namespace e2e
