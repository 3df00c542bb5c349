#include "win32/dialog_adapter.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "platform/dialog_view.h"
#include "platform/foreign_text.h"
#include "win32/wide_text.h"

namespace wg {
namespace {

constexpr std::size_t kFieldReadLimit = 1024;

// Line breaks as edit controls need them.
std::string withCrLf(const std::string& text) {
    std::string out;
    out.reserve(text.size() + 8);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) out += '\r';
        out += text[i];
    }
    return out;
}

// Clicks and keys given while a long exchange runs are thrown away rather
// than acted on once it has ended: an "Abbrechen" clicked in the middle of a
// readout must not close the dialog when the readout is over.
void dropUserInput() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) {}
    while (PeekMessageA(&msg, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE)) {}
    while (PeekMessageA(&msg, nullptr, WM_NCMOUSEMOVE, WM_NCXBUTTONDBLCLK, PM_REMOVE)) {}
}

bool isEdit(HWND control) {
    wchar_t cls[16] = {};
    GetClassNameW(control, cls, 16);
    return lstrcmpiW(cls, L"Edit") == 0;
}

class Win32DialogView final : public DialogView {
public:
    explicit Win32DialogView(HWND hwnd) : hwnd_(hwnd) {}

    std::string fieldText(int id) override {
        std::string text;
        narrow(firstLine(id), text);
        if (text.size() > kFieldReadLimit) text.resize(kFieldReadLimit);
        return text;
    }
    bool fieldHasForeignCharacter(int id) override {
        std::string text;
        return !narrow(firstLine(id), text);
    }
    void setText(int id, const std::string& text) override {
        SetDlgItemTextW(hwnd_, id, wide(withCrLf(text)).c_str());
    }
    void checkRadio(int first, int last, int id) override {
        if (id == 0) {
            for (int i = first; i <= last; ++i) CheckDlgButton(hwnd_, i, BST_UNCHECKED);
        } else {
            CheckRadioButton(hwnd_, first, last, id);
        }
    }
    void enable(int id, bool enabled) override { EnableWindow(GetDlgItem(hwnd_, id), enabled); }
    void setVisible(bool visible) override { ShowWindow(hwnd_, visible ? SW_SHOW : SW_HIDE); }
    // Peeking also answers messages other programs send, so the window never
    // counts as hung while an exchange runs.
    void repaintNow() override {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE)) DispatchMessageA(&msg);
        UpdateWindow(hwnd_);
        dropUserInput();
        repainted_ = true;
    }
    void close(int result) override {
        closed_ = true;
        EndDialog(hwnd_, result);
    }
    bool closed() const { return closed_; }
    // True once after a handler that repainted while it ran.
    bool tookLong() { return std::exchange(repainted_, false); }

private:
    std::wstring firstLine(int id) {
        HWND control = GetDlgItem(hwnd_, id);
        if (!control) return {};
        const int length = GetWindowTextLengthW(control);
        std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
        text.resize(static_cast<std::size_t>(GetWindowTextW(control, text.data(), length + 1)));
        return text.substr(0, text.find_first_of(L"\r\n"));
    }
    HWND hwnd_;
    bool closed_ = false;
    bool repainted_ = false;
};

// One open dialog. A handler may run nested dialogs, during which the window
// can be destroyed; the session then lives on until the outermost handler
// has returned, so no handler touches freed memory.
struct Session {
    DialogLogic* logic;
    Win32DialogView* view;
    Shell* shell;
    int busy = 0;
    bool destroyed = false;
    bool fieldRefused = false;  // a field's text was just refused
};

// Posted after a field's refusal.
constexpr UINT kRefusalOver = WM_APP + 1;

// What WM_INITDIALOG receives.
struct Opening {
    DialogLogic& logic;
    Shell& shell;
};

// The open dialogs of the program, innermost last: the owner of the next one.
std::vector<HWND>& openDialogs() {
    static std::vector<HWND> dialogs;
    return dialogs;
}

void release(Session* session) {
    delete session->view;
    delete session;
}

// Runs one event of the logic unless the dialog has ended.
template <typename Event>
void forward(Session* session, Event event) {
    if (session->destroyed || session->view->closed()) return;
    ++session->busy;
    event();
    --session->busy;
}

INT_PTR CALLBACK dialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* session = reinterpret_cast<Session*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG: {
        auto* opening = reinterpret_cast<Opening*>(lParam);
        session = new Session{&opening->logic, new Win32DialogView(hwnd), &opening->shell};
        SetWindowLongPtrW(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(session));
        openDialogs().push_back(hwnd);
        forward(session, [&] { session->logic->opened(*session->view); });
        return TRUE;
    }
    case WM_COMMAND: {
        if (!session) return FALSE;
        const int id = LOWORD(wParam);
        const int code = HIWORD(wParam);
        ++session->busy;
        if (code == EN_KILLFOCUS) {
            forward(session, [&] {
                if (leaveField(*session->logic, *session->view, *session->shell, id)) return;
                // A click that moved the focus away comes next, if any; the
                // posted message ends the refusal once the queue has moved on.
                session->fieldRefused = true;
                PostMessageW(hwnd, kRefusalOver, 0, 0);
            });
        } else if (code == BN_CLICKED) {
            // Enter or Escape while typing: let the field take its value
            // first, as a click on the button would.
            HWND focus = GetFocus();
            if (focus && IsChild(hwnd, focus) && isEdit(focus)) SetFocus(hwnd);
            if (std::exchange(session->fieldRefused, false)) {
                // The field's refusal ends the click there.
            } else if (id == IDCANCEL && !session->destroyed && !GetDlgItem(hwnd, IDCANCEL))
                forward(session, [&] { session->logic->cancelRequested(*session->view); });
            else
                forward(session, [&] { session->logic->clicked(*session->view, id); });
            // Input given in the last moments of a long exchange is dropped too.
            if (!session->destroyed && session->view->tookLong()) dropUserInput();
        }
        --session->busy;
        if (session->destroyed && session->busy == 0) release(session);
        return TRUE;
    }
    case kRefusalOver:
        if (session) session->fieldRefused = false;
        return TRUE;
    case WM_CLOSE:
        if (session) {
            ++session->busy;
            forward(session, [&] { session->logic->cancelRequested(*session->view); });
            --session->busy;
            if (session->destroyed && session->busy == 0) release(session);
        }
        return TRUE;
    case WM_NCDESTROY: {
        auto& open = openDialogs();
        open.erase(std::remove(open.begin(), open.end(), hwnd), open.end());
        if (session) {
            SetWindowLongPtrW(hwnd, DWLP_USER, 0);
            session->destroyed = true;
            if (session->busy == 0) release(session);
        }
        return FALSE;
    }
    default:
        return FALSE;
    }
}

} // namespace

HWND currentOwner(HWND mainWindow) {
    const auto& open = openDialogs();
    for (auto it = open.rbegin(); it != open.rend(); ++it)
        if (IsWindow(*it) && IsWindowVisible(*it)) return *it;
    return mainWindow;
}

int runModalDialog(HINSTANCE instance, HWND owner, DialogLogic& logic, Shell& shell) {
    Opening opening{logic, shell};
    return static_cast<int>(DialogBoxParamW(instance, wide(logic.templateName()).c_str(), owner, dialogProc,
                                            reinterpret_cast<LPARAM>(&opening)));
}

} // namespace wg
