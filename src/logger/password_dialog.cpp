#include "logger/password_dialog.h"

#include "platform/dialog_view.h"
#include "resources/resource_ids.h"

namespace wg {
namespace {

constexpr int kOk = 1;
constexpr int kCancel = 2;
constexpr int kMasterPasswordCommand = 1014;
constexpr int kUserPasswordCommand = 1020;

} // namespace

std::string LoggerPasswordDialog::prompt() const {
    return kind_ == PasswordKind::Master ? "ERLG Master-Paßwort eingeben"
                                         : "ERLG User-Paßwort eingeben";
}

int LoggerPasswordDialog::reopenCommand() const {
    return kind_ == PasswordKind::Master ? kMasterPasswordCommand : kUserPasswordCommand;
}

void LoggerPasswordDialog::opened(DialogView& view) {
    view.setText(IDC_LOGGER_PASSWORD_PROMPT, prompt());
}

void LoggerPasswordDialog::fieldLeft(DialogView& view, int id) {
    if (id != IDC_LOGGER_PASSWORD_FIELD) return;
    const std::string typed = view.fieldText(id);
    if (typed.empty()) return;
    if (typed.size() > kLoggerPasswordLimit) {
        view.close(kCancel);
        view.setVisible(false);
        report(context_, kPasswordTooLongText);
        context_.shell.postCommand(reopenCommand());
        return;
    }
    password_ = typed;
}

void LoggerPasswordDialog::clicked(DialogView& view, int id) {
    if (id == kCancel) {
        view.close(kCancel);
        return;
    }
    if (id != kOk) return;
    // The dialog is gone before the exchange blocks the program.
    view.close(kOk);
    view.setVisible(false);
    loginExchange(context_, kind_, password_);
}

void LoggerPasswordDialog::cancelRequested(DialogView& view) { view.close(kCancel); }

} // namespace wg
