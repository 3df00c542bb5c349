#include "ui.h"

#include <windows.h>

#include "program.h"
#include "platform/wide_text.h"

namespace e2e {

bool waitFor(const std::function<bool()>& condition, DWORD deadlineMs) {
    for (const DWORD start = GetTickCount(); !condition();) {
        if (GetTickCount() - start > deadlineMs) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);  // yields to the program under test
    }
    return true;
}

HWND findTopLevel(DWORD processId, const char* windowClass, const std::string& caption) {
    const std::wstring wideClass = wg::wide(windowClass), wideCaption = wg::wide(caption);
    for (HWND window = nullptr; (window = FindWindowExW(nullptr, window, wideClass.c_str(), wideCaption.c_str()));) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == processId && IsWindowVisible(window)) return window;
    }
    return nullptr;
}

HWND waitTopLevel(DWORD processId, const char* windowClass, const std::string& caption, DWORD deadlineMs) {
    HWND found = nullptr;
    waitFor([&] { return (found = findTopLevel(processId, windowClass, caption)) != nullptr; }, deadlineMs);
    return found;
}

bool waitGone(HWND window, DWORD deadlineMs) {
    return waitFor([&] { return !IsWindow(window) || !IsWindowVisible(window); }, deadlineMs);
}

std::string windowText(HWND window, DWORD boundMs) {
    std::wstring wide(8192, L'\0');
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, wide.size(), reinterpret_cast<LPARAM>(wide.data()),
                             SMTO_NORMAL, boundMs, &length))
        length = 0;
    wide.resize(static_cast<std::size_t>(length));
    std::string text;
    wg::narrow(wide, text);
    return text;
}

std::string itemText(HWND dialog, int id, DWORD boundMs) { return windowText(GetDlgItem(dialog, id), boundMs); }

std::string boxText(HWND box) {
    std::string texts;
    for (HWND child = nullptr; (child = FindWindowExW(box, child, L"Static", nullptr));) {
        const std::string text = windowText(child);
        if (!text.empty()) texts += (texts.empty() ? "" : "\n") + text;
    }
    return texts;
}

void typeInto(HWND dialog, int id, const std::string& text) { typeInto(dialog, id, wg::wide(text)); }

void typeInto(HWND dialog, int id, const std::wstring& text) {
    HWND field = GetDlgItem(dialog, id);
    SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(field), TRUE);
    SendMessageW(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void tabFrom(HWND dialog) { PostMessageW(dialog, WM_NEXTDLGCTL, 0, FALSE); }

void clickItem(HWND dialog, int id) { PostMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

bool closeWith(HWND dialog, int button) {
    clickItem(dialog, button);
    return waitGone(dialog);
}

void mouseClick(HWND dialog, int id) {
    HWND button = GetDlgItem(dialog, id);
    PostMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    PostMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
}

void postCommand(HWND window, int id) { PostMessageW(window, WM_COMMAND, MAKEWPARAM(id, 0), 0); }

void closeBox(HWND window) { PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0); }

bool isChecked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

std::string screenPixels(const RECT& area) {
    const int width = area.right - area.left, height = area.bottom - area.top;
    if (width <= 0 || height <= 0) return "";
    HDC screen = GetDC(nullptr), memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    SelectObject(memory, old);
    BITMAPINFOHEADER info = {sizeof info, width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    std::string pixels(static_cast<std::size_t>((width * 3 + 3) / 4 * 4) * height, '\0');
    GetDIBits(memory, bitmap, 0, height, pixels.data(), reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixels;
}

int screenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi;
}

bool saveScreenshot(const std::string& path) {
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    const std::string pixels = screenPixels({0, 0, width, height});
    const BITMAPINFOHEADER info = {sizeof info, width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    const DWORD offset = sizeof(BITMAPFILEHEADER) + sizeof info;
    const BITMAPFILEHEADER file = {0x4D42, offset + static_cast<DWORD>(pixels.size()), 0, 0, offset};
    std::string bytes(reinterpret_cast<const char*>(&file), sizeof file);
    bytes.append(reinterpret_cast<const char*>(&info), sizeof info);
    return writeFile(path, bytes + pixels);
}

RECT visibleClockLine(HWND main) {
    // The line starts 12 pixels right of and 10 below the client corner; its seconds about 260 pixels on.
    POINT corner = {12, 10};
    ClientToScreen(main, &corner);
    const RECT line = {corner.x, corner.y, corner.x + 280, corner.y + 14};
    for (POINT at : {POINT{line.left, line.top}, POINT{line.right, line.bottom}})
        if (GetAncestor(WindowFromPoint(at), GA_ROOT) != main) return {};
    return line;
}

AnswerWatch::AnswerWatch(HWND window) : window_(window), stop_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {
    thread_ = std::thread([this] {
        LARGE_INTEGER frequency, before, after;
        QueryPerformanceFrequency(&frequency);
        do {
            QueryPerformanceCounter(&before);
            DWORD_PTR result = 0;
            SendMessageTimeoutA(window_, WM_NULL, 0, 0, SMTO_NORMAL, 30000, &result);
            QueryPerformanceCounter(&after);
            const DWORD ms = static_cast<DWORD>((after.QuadPart - before.QuadPart) * 1000 / frequency.QuadPart);
            if (ms > longest_) longest_ = ms;
        } while (WaitForSingleObject(stop_, 50) == WAIT_TIMEOUT);
    });
}

AnswerWatch::~AnswerWatch() {
    longestMs();
    CloseHandle(stop_);
}

DWORD AnswerWatch::longestMs() {
    SetEvent(stop_);
    if (thread_.joinable()) thread_.join();
    return longest_;
}

} // namespace e2e
