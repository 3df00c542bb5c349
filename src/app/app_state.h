#pragma once
#include <string>

#include "evaluation/evaluation_run.h"
#include "files/file_save_request.h"
#include "files/regatta_record.h"
#include "files/settings.h"
#include "files/yacht_record.h"
#include "logger/link.h"
#include "platform/message_text.h"
#include "platform/shell.h"

namespace wg {

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
    EvaluationRun evaluationRun;
    bool firstPaint = true;
    std::string loggerPort = kLoggerPort;  // from the command line

    MessageText message;

    const std::string& messageText() const { return message.text(); }
    void setMessageText(const std::string& text) { message.set(text); }
};

} // namespace wg
