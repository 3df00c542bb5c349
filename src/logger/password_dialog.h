#pragma once
#include <string>

#include "logger/login.h"
#include "platform/dialog_logic.h"

namespace wg {

inline constexpr const char* kPasswordTooLongText =
    "Paßwort darf maximal 8 Zeichen lang sein, bitte neu eingeben!";

// The logger password dialog: takes the password when its field is left,
// refuses more than 8 characters by closing and reopening itself, and runs
// the login exchange on OK with the password stored last.
class LoggerPasswordDialog final : public DialogLogic {
public:
    // `password` is the stored password of `kind` (the master password lives
    // in the yacht record); it keeps whatever was typed last.
    LoggerPasswordDialog(LoggerContext& context, PasswordKind kind, std::string& password)
        : context_(context), kind_(kind), password_(password) {}

    const char* templateName() const override { return "IDD_MasterPassWortEingabe"; }
    void opened(DialogView& view) override;
    void fieldLeft(DialogView& view, int id) override;
    void clicked(DialogView& view, int id) override;
    void cancelRequested(DialogView& view) override;

    std::string prompt() const;
    // The menu command that opens this dialog again.
    int reopenCommand() const;

private:
    LoggerContext& context_;
    PasswordKind kind_;
    std::string& password_;
};

} // namespace wg
