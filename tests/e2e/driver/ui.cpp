#include "ui.h"

#include <cstdio>

namespace e2e {

bool waitFor(const std::function<bool()>& condition, DWORD deadlineMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (condition()) return true;
        if (GetTickCount() - start > deadlineMs) return false;
        // Yield to the program under test between polls.
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
}

namespace {
struct Search {
    DWORD processId;
    const char* windowClass;
    const std::string* caption;
    HWND found;
};

BOOL CALLBACK matchWindow(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId || !IsWindowVisible(window)) return TRUE;
    char cls[64] = {};
    GetClassNameA(window, cls, sizeof cls);
    if (lstrcmpA(cls, search->windowClass) != 0) return TRUE;
    if (windowText(window) != *search->caption) return TRUE;
    search->found = window;
    return FALSE;
}

BOOL CALLBACK collectStatic(HWND child, LPARAM param) {
    auto* texts = reinterpret_cast<std::string*>(param);
    char cls[32] = {};
    GetClassNameA(child, cls, sizeof cls);
    if (lstrcmpiA(cls, "Static") == 0) {
        std::string text = windowText(child);
        if (!text.empty()) {
            if (!texts->empty()) *texts += "\n";
            *texts += text;
        }
    }
    return TRUE;
}
} // namespace

HWND findTopLevel(DWORD processId, const char* windowClass, const std::string& caption) {
    Search search{processId, windowClass, &caption, nullptr};
    EnumWindows(matchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND waitTopLevel(DWORD processId, const char* windowClass, const std::string& caption,
                  DWORD deadlineMs) {
    HWND found = nullptr;
    waitFor([&] { return (found = findTopLevel(processId, windowClass, caption)) != nullptr; },
            deadlineMs);
    return found;
}

bool waitGone(HWND window, DWORD deadlineMs) {
    return waitFor([&] { return !IsWindow(window) || !IsWindowVisible(window); }, deadlineMs);
}

bool answers(HWND window, DWORD boundMs) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, boundMs, &result) != 0;
}

std::string windowText(HWND window, DWORD boundMs) {
    // WM_GETTEXT works across processes, also for edit controls.
    std::string text(8192, '\0');
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                             SMTO_NORMAL, boundMs, &length))
        length = 0;
    text.resize(static_cast<std::size_t>(length));
    return text;
}

std::string itemText(HWND dialog, int id, DWORD boundMs) { return windowText(GetDlgItem(dialog, id), boundMs); }

std::string boxText(HWND box) {
    std::string texts;
    EnumChildWindows(box, collectStatic, reinterpret_cast<LPARAM>(&texts));
    return texts;
}

void typeInto(HWND dialog, int id, const std::string& text) {
    HWND field = GetDlgItem(dialog, id);
    SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(field), TRUE);
    SendMessageA(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void tabFrom(HWND dialog) { PostMessageA(dialog, WM_NEXTDLGCTL, 0, FALSE); }

void clickItem(HWND dialog, int id) { PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

void mouseClick(HWND dialog, int id) {
    HWND button = GetDlgItem(dialog, id);
    PostMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    PostMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
}

void postCommand(HWND window, int id) { PostMessageA(window, WM_COMMAND, MAKEWPARAM(id, 0), 0); }

void closeBox(HWND window) { PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0); }

bool isChecked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

bool saveScreenshot(const std::string& path) {
    HDC screen = GetDC(nullptr);
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
    SelectObject(memory, old);

    BITMAPINFOHEADER info = {};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    const DWORD rowBytes = ((width * 3 + 3) / 4) * 4;
    std::string pixels(static_cast<std::size_t>(rowBytes) * height, '\0');
    GetDIBits(memory, bitmap, 0, height, pixels.data(), reinterpret_cast<BITMAPINFO*>(&info),
              DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);

    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
    std::FILE* out = std::fopen(path.c_str(), "wb");
    if (!out) return false;
    std::fwrite(&file, sizeof file, 1, out);
    std::fwrite(&info, sizeof info, 1, out);
    std::fwrite(pixels.data(), 1, pixels.size(), out);
    std::fclose(out);
    return true;
}

} // namespace e2e
