#include "logger/password_dialog.h"

#include "platform/command_ids.h"
#include "platform/dialog_view.h"
#include "platform/refusal.h"
#include "resources/resource_ids.h"

namespace wg {
std::string LoggerPasswordDialog::prompt() const {
    return kind_ == PasswordKind::Master ? "ERLG Master-Paßwort eingeben"
                                         : "ERLG User-Paßwort eingeben";
}

int LoggerPasswordDialog::reopenCommand() const {
    return kind_ == PasswordKind::Master ? cmd::kMasterPassword : cmd::kUserPassword;
}

void LoggerPasswordDialog::opened(DialogView& view) {
    view.setText(IDC_LOGGER_PASSWORD_PROMPT, prompt());
}

void LoggerPasswordDialog::fieldLeft(DialogView& view, int id) {
    if (id != IDC_LOGGER_PASSWORD_FIELD) return;
    const std::string typed = view.fieldText(id);
    if (typed.empty()) return;
    if (typed.size() > kLoggerPasswordLimit) {
        refuseAndReopen(view, context_.shell, context_.message, kPasswordTooLongText, reopenCommand());
        return;
    }
    password_ = typed;
}

void LoggerPasswordDialog::clicked(DialogView& view, int id) {
    if (id == button::kCancel) {
        view.close(button::kCancel);
        return;
    }
    if (id != button::kOk) return;
    // The dialog is gone before the exchange blocks the program.
    view.close(button::kOk);
    view.setVisible(false);
    loginExchange(context_, kind_, password_);
}

void LoggerPasswordDialog::cancelRequested(DialogView& view) { view.close(button::kCancel); }

} // namespace wg
