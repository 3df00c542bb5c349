#pragma once
#include "app/app_state.h"
#include "platform/dialog_logic.h"

namespace wg {

inline constexpr std::size_t kProgramPasswordLimit = 8;

// "Passwortabfrage": shows the message text as its prompt and judges the
// entry against the program password when the field loses the focus.
class PasswordPrompt final : public DialogLogic {
public:
    static constexpr int kPrompt = 1234;
    static constexpr int kPassword = 1232;

    explicit PasswordPrompt(AppState& state) : state_(state) {}
    const char* templateName() const override { return "IDD_PassWortEingabe"; }
    void opened(DialogView& view) override;
    void fieldLeft(DialogView& view, int id) override;
    void clicked(DialogView& view, int id) override;
    void cancelRequested(DialogView& view) override { clicked(view, 2); }

    // Whether the last entry can be kept as a program password (at most 8
    // characters, one word), for the password change.
    bool lastEntryStorable() const { return lastEntryStorable_; }

private:
    AppState& state_;
    bool lastEntryStorable_ = true;
};

} // namespace wg
