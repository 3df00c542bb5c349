#include <gtest/gtest.h>

#include "app/logger_message_text.h"
#include "logger/message_text.h"

namespace wg {
namespace {

TEST(MessageText, CollectingStopsAtTheLimitOfTheProgramsText) {
    AppState state;
    AppMessageText message(state);
    message.setText(std::string(1000, 'a'));
    message.append(std::string(100, 'b'));
    EXPECT_EQ(state.messageText().size(), 1023u);
    EXPECT_EQ(state.messageText().substr(1000), std::string(23, 'b'));
    message.append("c");
    EXPECT_EQ(message.size(), 1023u);
    message.clear();
    EXPECT_EQ(state.messageText(), "");
}

} // namespace
} // namespace wg
