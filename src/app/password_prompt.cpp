#include "app/password_prompt.h"

#include "files/text.h"
#include "platform/dialog_view.h"

namespace wg {

void PasswordPrompt::opened(DialogView& view) { view.setText(kPrompt, state_.messageText()); }

void PasswordPrompt::fieldLeft(DialogView& view, int id) {
    if (id != kPassword) return;
    const std::string entry = view.fieldText(kPassword);
    if (entry.empty()) return;
    LoginState& login = state_.login;
    login.entered = cutTo(entry, kProgramPasswordLimit);
    lastEntryStorable_ = entry.size() <= kProgramPasswordLimit &&
                         entry.find_first_of(" \t") == std::string::npos;
    if (entry.size() > kProgramPasswordLimit) login.loggedIn = false;
    // The whole entry is compared: a longer entry never matches by its start.
    if (entry == state_.settings.password) login.loggedIn = true;
}

void PasswordPrompt::clicked(DialogView& view, int id) {
    if (id == 1) {
        state_.login.cancelled = false;
        view.close(1);
    } else if (id == 2) {
        state_.login.cancelled = true;
        state_.login.loggedIn = false;
        view.close(2);
    }
}

} // namespace wg
