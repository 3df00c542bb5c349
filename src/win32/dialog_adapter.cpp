#include "win32/dialog_adapter.h"

#include <commctrl.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "platform/dialog_view.h"
#include "platform/foreign_text.h"
#include "platform/wide_text.h"
#include "win32/responsive_wait.h"

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
    void repaintNow() override {
        keepResponsive();
        UpdateWindow(hwnd_);
    }
    void close(int result) override {
        closed_ = true;
        EndDialog(hwnd_, result);
    }
    bool closed() const { return closed_; }

    bool isChecked(int id) override { return IsDlgButtonChecked(hwnd_, id) == BST_CHECKED; }
    void setListColumns(int id, const std::vector<ListColumn>& columns) override {
        HWND list = GetDlgItem(hwnd_, id);
        ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
        for (std::size_t c = 0; c < columns.size(); ++c) {
            RECT width = {0, 0, columns[c].width, 0};  // dialog units, as the template's
            MapDialogRect(hwnd_, &width);
            std::wstring title = wide(columns[c].title);
            LVCOLUMNW column = {};
            column.mask = LVCF_TEXT | LVCF_WIDTH;
            column.cx = width.right;
            column.pszText = title.data();
            SendMessageW(list, LVM_INSERTCOLUMNW, c, reinterpret_cast<LPARAM>(&column));
        }
    }
    void setListRows(int id, const std::vector<std::vector<std::string>>& rows) override {
        HWND list = GetDlgItem(hwnd_, id);
        SendMessageW(list, WM_SETREDRAW, FALSE, 0);
        ListView_DeleteAllItems(list);
        for (std::size_t r = 0; r < rows.size(); ++r)
            for (std::size_t c = 0; c < rows[r].size(); ++c) {
                std::wstring text = wide(rows[r][c]);
                LVITEMW item = {};
                item.mask = LVIF_TEXT;
                item.iItem = static_cast<int>(r);
                item.iSubItem = static_cast<int>(c);
                item.pszText = text.data();
                SendMessageW(list, c == 0 ? LVM_INSERTITEMW : LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
            }
        SendMessageW(list, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(list, nullptr, TRUE);
    }
    void selectListRow(int id, int row) override {
        HWND list = GetDlgItem(hwnd_, id);
        ListView_SetItemState(list, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
        if (row < 0) return;
        ListView_SetItemState(list, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        ListView_EnsureVisible(list, row, FALSE);
    }
    int selectedListRow(int id) override {
        return static_cast<int>(SendMessageW(GetDlgItem(hwnd_, id), LVM_GETNEXTITEM, static_cast<WPARAM>(-1),
                                             LVNI_SELECTED));
    }

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
};

// One open dialog. A handler may run nested dialogs, during which the window
// can be destroyed; the session then lives on until the outermost handler
// has returned, so no handler touches freed memory.
struct Session {
    DialogLogic* logic;
    Win32DialogView* view;
    Shell* shell;
    int busy = 0;
    bool handling = false;  // the logic is inside one of its events
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

// Runs one event of the logic unless the dialog has ended. An event that
// reaches the dialog while its logic still handles one (a message another
// program sends while this dialog's exchange shows its message) is dropped:
// the logic never runs inside itself.
template <typename Event>
void forward(Session* session, Event event) {
    if (session->destroyed || session->view->closed() || session->handling) return;
    ++session->busy;
    session->handling = true;
    event();
    session->handling = false;
    --session->busy;
}

// A dialog's modal loop ends only after it has taken one more message from
// the queue, which it then throws away. A dialog that ended itself and then
// showed a message in a nested loop has lost the wake-up the end posted, so
// it gets a fresh one: otherwise the user's next click or command is lost.
void wakeIfEnded(HWND hwnd, const Session* session) {
    if (!session->destroyed && session->view->closed()) PostMessageW(hwnd, WM_NULL, 0, 0);
}

// A dialog that would lie exactly on the dialog it opens from (the same
// size, both centred) is moved down and right by a caption's height, so the
// user sees that the other one is still there.
void uncoverOwner(HWND hwnd) {
    HWND owner = GetWindow(hwnd, GW_OWNER);
    RECT mine, theirs;
    if (!owner || !GetWindowRect(hwnd, &mine) || !GetWindowRect(owner, &theirs) || !EqualRect(&mine, &theirs))
        return;
    const int step = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYFRAME);
    SetWindowPos(hwnd, nullptr, mine.left + step, mine.top + step, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR CALLBACK dialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* session = reinterpret_cast<Session*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    // What reaches a dialog while the program waits (for the logger, or for a
    // file reader's time limit) was sent by another program, as the program
    // itself is in the wait; it must not act inside the wait, above all not
    // start a second exchange.
    if ((message == WM_COMMAND || message == WM_CLOSE) && insideResponsiveWait()) return TRUE;
    switch (message) {
    case WM_INITDIALOG: {
        auto* opening = reinterpret_cast<Opening*>(lParam);
        session = new Session{&opening->logic, new Win32DialogView(hwnd), &opening->shell};
        SetWindowLongPtrW(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(session));
        openDialogs().push_back(hwnd);
        uncoverOwner(hwnd);
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
            const unsigned long turnsBefore = responsiveTurns();
            if (std::exchange(session->fieldRefused, false)) {
                // The field's refusal ends the click there.
            } else if (id == IDCANCEL && !session->destroyed && !GetDlgItem(hwnd, IDCANCEL))
                forward(session, [&] { session->logic->cancelRequested(*session->view); });
            else
                forward(session, [&] { session->logic->clicked(*session->view, id); });
            // Clicks and keys given in the last moments of an exchange are
            // thrown away rather than acted on once it has ended: an
            // "Abbrechen" clicked in the middle of a readout must not close
            // the dialog when the readout is over.
            if (responsiveTurns() != turnsBefore) dropUserInput();
        }
        wakeIfEnded(hwnd, session);
        --session->busy;
        if (session->destroyed && session->busy == 0) release(session);
        return TRUE;
    }
    case WM_NOTIFY: {
        // A row of a list view became selected.
        const auto* change = reinterpret_cast<const NMLISTVIEW*>(lParam);
        if (session && change->hdr.code == LVN_ITEMCHANGED && (change->uChanged & LVIF_STATE) &&
            (change->uNewState & LVIS_SELECTED) && !(change->uOldState & LVIS_SELECTED)) {
            const int id = static_cast<int>(change->hdr.idFrom);
            ++session->busy;
            forward(session, [&] { session->logic->selectionChanged(*session->view, id); });
            --session->busy;
            if (session->destroyed && session->busy == 0) release(session);
        }
        return FALSE;
    }
    case kRefusalOver:
        if (session) session->fieldRefused = false;
        return TRUE;
    case WM_CLOSE:
        if (session) {
            ++session->busy;
            forward(session, [&] { session->logic->cancelRequested(*session->view); });
            wakeIfEnded(hwnd, session);
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
