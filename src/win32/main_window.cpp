#include "win32/main_window.h"

#include <commctrl.h>

#include <optional>
#include <string>

#include "app/application.h"
#include "app/startup.h"
#include "platform/clock.h"
#include "resources/resource_ids.h"
#include "win32/dpi.h"
#include "win32/responsive_wait.h"
#include "win32/serial_port_win32.h"
#include "platform/wide_text.h"
#include "win32/win32_shell.h"

namespace wg {
namespace {

struct MainWindow {
    Win32Shell shell;
    Win32SerialPortFactory ports;
    Application app;
    bool blockReasonGiven = false;  // Windows holds our reason for not ending the session
    explicit MainWindow(AppState& state) : app(state, shell, responsiveClock(), ports) { watchExchanges(ports); }
};

// Windows shows the reason beside the program's name when the session is to
// end; it goes once the program no longer refuses.
bool refuseSessionEnd(HWND hwnd, MainWindow& window) {
    const std::optional<std::string> reason = window.app.sessionEndRefusal();
    if (reason) {
        window.blockReasonGiven = ShutdownBlockReasonCreate(hwnd, wide(*reason).c_str()) != 0;
    } else if (window.blockReasonGiven) {
        ShutdownBlockReasonDestroy(hwnd);
        window.blockReasonGiven = false;
    }
    return reason.has_value();
}

// Draws off screen first, so the clock's once-a-second repaint never flickers.
void paintClientText(HWND hwnd, HDC dc, const std::string& text) {
    RECT client;
    GetClientRect(hwnd, &client);
    HDC memory = CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, client.right, client.bottom);
    HGDIOBJ oldBitmap = SelectObject(memory, bitmap);
    FillRect(memory, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    // The dialogs' font at the window's DPI.
    const ClientTextLayout layout = clientTextLayout(windowDpi(hwnd));
    HFONT font = CreateFontW(-layout.fontHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"MS Shell Dlg");
    HGDIOBJ oldFont = SelectObject(memory, font);
    SetBkMode(memory, TRANSPARENT);
    RECT line = client;
    line.left += layout.left;
    line.top += layout.top;
    DrawTextW(memory, wide(text).c_str(), -1, &line, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
    BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
    SelectObject(memory, oldFont);
    DeleteObject(font);
    SelectObject(memory, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(memory);
}

LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* window = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    switch (message) {
    case WM_CREATE: {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        window = static_cast<MainWindow*>(create->lpCreateParams);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
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
    case WM_DPICHANGED: {
        // Moved to a monitor of another scaling: the size Windows proposes for it.
        const RECT* proposed = reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(hwnd, nullptr, proposed->left, proposed->top, proposed->right - proposed->left,
                     proposed->bottom - proposed->top, SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
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
            if (window->blockReasonGiven) refuseSessionEnd(hwnd, *window);
            InvalidateRect(hwnd, nullptr, FALSE);
        }
        return 0;
    case WM_QUERYENDSESSION:
        return window && refuseSessionEnd(hwnd, *window) ? FALSE : TRUE;
    case WM_ENDSESSION:
        if (window && wParam) window->app.sessionEnding();
        return 0;
    case WM_COMMAND: {
        // The program itself is in a wait: what arrives now was sent by another program.
        const CommandArrival arrival = insideResponsiveWait() ? CommandArrival::DuringWait : CommandArrival::Program;
        if (window && window->app.command(LOWORD(wParam), arrival)) return 0;
        break;
    }
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
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

} // namespace

int runMainWindow(HINSTANCE instance, int showState, AppState& state) {
    static MainWindow window(state);

    const std::wstring className = wide(kMainWindowClass), menuName = wide(kMenuName);
    WNDCLASSW windowClass = {};
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_PROGRAM));
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszMenuName = menuName.c_str();
    windowClass.lpszClassName = className.c_str();
    RegisterClassW(&windowClass);

    // The stored size counts pixels at 96 dpi.
    const WindowSize size = mainWindowSize(state.settings.windowWidth, state.settings.windowHeight, systemDpi());
    HWND hwnd = CreateWindowW(className.c_str(), wide(mainWindowTitle()).c_str(),
                              WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0, 0, size.width,
                              size.height, nullptr, nullptr, instance, &window);
    InitCommonControls();
    SetTimer(hwnd, kClockTimerId, kClockTimerPeriodMs, nullptr);
    ShowWindow(hwnd, showState);
    UpdateWindow(hwnd);

    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}

} // namespace wg
