#include "logger/password_dialog.h"
#include "logger_fixture.h"
#include "resources/resource_ids.h"
#include "support/fake_view.h"

namespace wg {
namespace {

class PasswordDialogTest : public test::LoggerTest {
protected:
    void leaveField(const std::string& text) {
        view.texts[IDC_LOGGER_PASSWORD_FIELD] = text;
        dialog.fieldLeft(view, IDC_LOGGER_PASSWORD_FIELD);
    }
    std::string password;
    LoggerPasswordDialog dialog{context, PasswordKind::Master, password};
    test::FakeView view;
};

TEST_F(PasswordDialogTest, OpensWithItsPrompt) {
    EXPECT_STREQ(dialog.templateName(), "IDD_MasterPassWortEingabe");
    dialog.opened(view);
    EXPECT_EQ(view.texts[IDC_LOGGER_PASSWORD_PROMPT], "ERLG Master-Paßwort eingeben");
}

TEST_F(PasswordDialogTest, EightCharactersAreStored) {
    leaveField("12345678");
    EXPECT_EQ(password, "12345678");
    EXPECT_FALSE(view.closed());
}

TEST_F(PasswordDialogTest, NineCharactersCloseTheDialogWithTheMessageAndReopenIt) {
    password = "old";
    leaveField("123456789");
    EXPECT_EQ(password, "old");
    EXPECT_TRUE(view.closed());
    EXPECT_EQ(shown, shownOnly(kPasswordTooLongText));
    EXPECT_EQ(shell.commandsPosted, std::vector<int>{1014});
    EXPECT_EQ(wire(), "");
}

TEST_F(PasswordDialogTest, OkWithAnEmptiedFieldSendsTheStoredPassword) {
    logger().masterPassword = "ABC";
    leaveField("ABC");
    leaveField("");
    dialog.clicked(view, 1);
    EXPECT_TRUE(view.closed());
    EXPECT_EQ(wire(), "X\nABC\r");
    EXPECT_EQ(shown, shownOnly(kPasswordOkText));
}

TEST_F(PasswordDialogTest, CancelSendsNothing) {
    leaveField("ABC");
    dialog.clicked(view, 2);
    EXPECT_TRUE(view.closed());
    EXPECT_EQ(ports.created, 0);
    dialog.cancelRequested(view);
    EXPECT_EQ(ports.created, 0);
}

TEST(PasswordDialogKind, UserPasswordDialogReopensThroughItsOwnCommand) {
    test::VirtualClock clock;
    sim::LoggerDevice device;
    sim::SimulatedPortFactory ports(device, clock);
    MessageText message;
    test::FakeShell shell;
    LoggerContext context{ports, clock, message, shell};
    std::string password;
    LoggerPasswordDialog dialog(context, PasswordKind::User, password);
    EXPECT_EQ(dialog.prompt(), "ERLG User-Paßwort eingeben");
    EXPECT_EQ(dialog.reopenCommand(), 1020);
}

} // namespace
} // namespace wg
