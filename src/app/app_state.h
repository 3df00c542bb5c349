#pragma once
#include <string>

#include "files/file_save_request.h"
#include "files/regatta_record.h"
#include "files/settings.h"
#include "files/yacht_record.h"
#include "platform/shell.h"

namespace wg {

inline constexpr std::size_t kMessageTextLimit = 1023;

// The program login: who may change data in this run.
struct LoginState {
    bool loggedIn = false;
    bool cancelled = false;
    std::string entered;       // last non-empty entry, at most 8 characters
    std::string newPassword;   // first entry of a password change
};

// Everything the program keeps for the whole run; there is no other store.
struct AppState {
    Settings settings;
    LoginState login;
    RegattaRecord regatta;
    YachtRecord yacht;
    PcTime pcTime;
    FileSaveRequest fileSave;  // set by a dialog before it asks for command 50001
    bool firstPaint = true;

    const std::string& messageText() const { return messageText_; }
    void setMessageText(const std::string& text) { messageText_ = text.substr(0, kMessageTextLimit); }
    // For dialogs outside app/, which set their short fixed messages here.
    std::string& messageText() { return messageText_; }

private:
    std::string messageText_;
};

} // namespace wg
