#include "win32/responsive_wait.h"

namespace wg {
namespace {

int depth = 0;
unsigned long turns = 0;
const SerialPortFactory* exchanges = nullptr;

// A window that never validates its paint would be dispatched for ever.
constexpr int kPaintsPerTurn = 64;

void handleQueue() {
    ++depth;
    MSG msg;
    // Peeking answers sent messages on its own; paint and timers are run.
    for (int i = 0; i < kPaintsPerTurn && PeekMessageW(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE); ++i)
        DispatchMessageW(&msg);
    while (PeekMessageW(&msg, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE)) DispatchMessageW(&msg);
    if (exchanges && exchanges->exchangeRunning()) {
        ++turns;
        dropUserInput();
    }
    --depth;
}

} // namespace

void watchExchanges(const SerialPortFactory& ports) { exchanges = &ports; }

void dropUserInput() {
    MSG msg;
    // Closing is input too: the close box's click and the system menu's
    // Alt+F4 arrive as keys and clicks, other programs post these.
    while (PeekMessageW(&msg, nullptr, WM_CLOSE, WM_CLOSE, PM_REMOVE)) {}
    while (PeekMessageW(&msg, nullptr, WM_SYSCOMMAND, WM_SYSCOMMAND, PM_REMOVE)) {}
    while (PeekMessageW(&msg, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) {}
    while (PeekMessageW(&msg, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE)) {}
    while (PeekMessageW(&msg, nullptr, WM_NCMOUSEMOVE, WM_NCXBUTTONDBLCLK, PM_REMOVE)) {}
}

void keepResponsive() {
    // Often enough for every window and cheap for a read that finds bytes.
    static DWORD last = 0;
    const DWORD now = GetTickCount();
    if (now - last < 20) return;
    last = now;
    handleQueue();
}

bool waitResponsively(HANDLE handle, DWORD timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    const DWORD handles = handle ? 1 : 0;
    for (;;) {
        handleQueue();
        const ULONGLONG now = GetTickCount64();
        if (now >= deadline) return handles && WaitForSingleObject(handle, 0) == WAIT_OBJECT_0;
        // A message left in the queue (a posted command) wakes the wait only
        // when it comes, not again and again while it waits there.
        const DWORD step = static_cast<DWORD>(deadline - now);
        ++depth;
        const DWORD woke = MsgWaitForMultipleObjects(handles, &handle, FALSE, step, QS_ALLINPUT);
        --depth;
        if (handles && woke == WAIT_OBJECT_0) return true;
        if (woke == WAIT_FAILED) {
            if (handles) return WaitForSingleObject(handle, step) == WAIT_OBJECT_0;
            Sleep(step);
            return false;
        }
    }
}

bool insideResponsiveWait() { return depth > 0; }

Clock& responsiveClock() {
    class ResponsiveClock final : public Clock {
    public:
        std::int64_t nowMs() override { return systemClock().nowMs(); }
        void pauseMs(std::int64_t ms) override {
            if (ms > 0) waitResponsively(nullptr, static_cast<DWORD>(ms));
        }
    };
    static ResponsiveClock clock;
    return clock;
}

unsigned long responsiveTurns() { return turns; }

} // namespace wg
