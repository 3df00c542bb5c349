#include "app/program_login.h"

#include "app/command_ids.h"
#include "app/password_prompt.h"

namespace wg {

namespace {
const char* const kWrongPassword = "Falsches Paßwort eingeben. Eingabe bitte wiederholen.";
}

bool ProgramLogin::prompt() {
    PasswordPrompt dialog(state_);
    shell_.runDialog(dialog);
    return dialog.lastEntryStorable();
}

void ProgramLogin::showMessage(const std::string& text) {
    state_.setMessageText(text);
    shell_.runCommand(cmd::kShowMessage);
}

void ProgramLogin::run() {
    // A loop, not a recursion: a user may get it wrong any number of times.
    while (!state_.login.loggedIn) {
        state_.setMessageText("");
        prompt();
        if (state_.login.cancelled) {
            state_.login.loggedIn = false;
            showMessage("Kein Paßwort eingeben. Sie haben keine Berechtigung Werte im Programm zu ändern!");
            return;
        }
        if (!state_.login.loggedIn) {
            showMessage(kWrongPassword);
            continue;
        }
        BoxRequest box;
        box.caption = "Information";
        box.text = "Benutzerpaßwort wurde korrekt eingegeben!";
        box.icon = BoxIcon::Information;
        shell_.messageBox(box);
        return;
    }
}

bool ProgramLogin::gate() {
    if (!state_.login.loggedIn) run();
    return state_.login.loggedIn;
}

void ProgramLogin::changePassword() {
    while (gate()) {
        state_.setMessageText("Neues Paßwort eingeben");
        bool storable = prompt();
        bool cancelled = state_.login.cancelled;
        state_.login.newPassword = state_.login.entered;
        state_.setMessageText("Neues Paßwort nochmals zur Kontrolle eingeben");
        storable = prompt() && storable;
        cancelled = cancelled || state_.login.cancelled;
        // "Abbrechen" in either prompt keeps the old password: a first entry
        // that was never confirmed must not become the password.
        if (cancelled) return;
        // An entry longer than 8 characters or with blanks could not be read
        // back from the settings file; it is refused like two different ones.
        if (storable && state_.login.newPassword == state_.login.entered) {
            state_.settings.password = state_.login.newPassword;
            return;
        }
        showMessage(kWrongPassword);
    }
}

} // namespace wg
