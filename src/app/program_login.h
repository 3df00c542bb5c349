#pragma once
#include "app/app_state.h"
#include "platform/shell.h"

namespace wg {

// The program's own password login, which guards the commands that change
// data, and the change of the program password.
class ProgramLogin {
public:
    ProgramLogin(AppState& state, Shell& shell) : state_(state), shell_(shell) {}

    // Asks until the entry matches or the prompt is cancelled.
    void run();
    // Runs the login when needed; true when the command may go ahead.
    bool gate();
    // Two equal entries become the new program password.
    void changePassword();

private:
    // Runs the password prompt; false when its last entry cannot be stored.
    bool prompt();
    void showMessage(const std::string& text);

    AppState& state_;
    Shell& shell_;
};

} // namespace wg
