#include "win32/main_window.h"

#include <commctrl.h>

#include <string>

#include "app/application.h"
#include "app/startup.h"
#include "platform/clock.h"
#include "resources/resource_ids.h"
#include "win32/responsive_wait.h"
#include "win32/serial_port_win32.h"
#include "win32/win32_shell.h"

namespace wg {
namespace {

struct MainWindow {
    Win32Shell shell;
    Win32SerialPortFactory ports;
    Application app;
    explicit MainWindow(AppState& state) : app(state, shell, responsiveClock(), ports) {}
};

// Draws off screen first, so the clock's once-a-second repaint never flickers.
void paintClientText(HWND hwnd, HDC dc, const std::string& text) {
    RECT client;
    GetClientRect(hwnd, &client);
    HDC memory = CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, client.right, client.bottom);
    HGDIOBJ oldBitmap = SelectObject(memory, bitmap);
    FillRect(memory, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    HGDIOBJ oldFont = SelectObject(memory, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(memory, TRANSPARENT);
    RECT line = client;
    line.left += 12;
    line.top += 10;
    DrawTextA(memory, text.c_str(), -1, &line, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
    BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
    SelectObject(memory, oldFont);
    SelectObject(memory, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(memory);
}

LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* window = reinterpret_cast<MainWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    switch (message) {
    case WM_CREATE: {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        window = static_cast<MainWindow*>(create->lpCreateParams);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
        window->shell.attach(create->hInstance, hwnd);
        window->app.state().firstPaint = true;
        window->app.timerTick();  // a sample to show before the first tick
        return 0;
    }
    case WM_PAINT: {
        if (window) window->app.painted();
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(hwnd, &paint);
        if (window) paintClientText(hwnd, dc, window->app.clientText());
        EndPaint(hwnd, &paint);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;  // the paint fills the whole client area itself
    case WM_CLOSE:
        if (window) window->app.closeRequested();
        return 0;
    case WM_DESTROY:
        if (window) window->app.shutdown();
        KillTimer(hwnd, kClockTimerId);
        PostQuitMessage(0);
        return 0;
    case WM_TIMER:
        if (window && wParam == kClockTimerId) {
            window->app.timerTick();
            InvalidateRect(hwnd, nullptr, FALSE);
        }
        return 0;
    case WM_COMMAND:
        if (window && window->app.command(LOWORD(wParam))) return 0;
        break;
    case WM_MOVE:
    case WM_SIZE:
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
        return 0;
    default:
        break;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

} // namespace

int runMainWindow(HINSTANCE instance, int showState, AppState& state) {
    static MainWindow window(state);

    WNDCLASSA windowClass = {};
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_PROGRAM));
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszMenuName = kMenuName;
    windowClass.lpszClassName = kMainWindowClass;
    RegisterClassA(&windowClass);

    const WindowSize size = mainWindowSize(state.settings.windowWidth, state.settings.windowHeight);
    HWND hwnd = CreateWindowA(kMainWindowClass, mainWindowTitle().c_str(),
                              WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0, 0, size.width,
                              size.height, nullptr, nullptr, instance, &window);
    InitCommonControls();
    SetTimer(hwnd, kClockTimerId, kClockTimerPeriodMs, nullptr);
    ShowWindow(hwnd, showState);
    UpdateWindow(hwnd);

    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}

} // namespace wg
