#pragma once
#include "app/app_state.h"
#include "logger/message_text.h"

namespace wg {

// The application's message text as the logger exchanges collect into it.
class AppMessageText final : public MessageText {
public:
    explicit AppMessageText(AppState& state) : state_(state) {}
    const std::string& text() const override { return state_.messageText(); }
    void setText(const std::string& text) override { state_.setMessageText(text); }

private:
    AppState& state_;
};

} // namespace wg
