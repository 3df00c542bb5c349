#include "logger/login.h"
#include "logger_fixture.h"

namespace wg {
namespace {

using LoginTest = test::LoggerTest;

TEST_F(LoginTest, MasterPasswordGoesOutAsLetterLineFeedPasswordAndOneCarriageReturn) {
    logger().masterPassword = "ABC";
    loginExchange(context, PasswordKind::Master, "ABC");
    EXPECT_EQ(wire(), "X\nABC\r");
    EXPECT_EQ(shown, shownOnly(kPasswordOkText));
    EXPECT_TRUE(logger().loggedIn);
    EXPECT_EQ(message.text(), "");
    EXPECT_FALSE(ports.held);
}

TEST_F(LoginTest, UserPasswordGoesWithTheLetterA) {
    logger().userPassword = "12345678";
    loginExchange(context, PasswordKind::User, "12345678");
    EXPECT_EQ(wire(), "A\n12345678\r");
    EXPECT_EQ(shown, shownOnly(kPasswordOkText));
}

TEST_F(LoginTest, RefusedPasswordIsReported) {
    logger().masterPassword = "ABC";
    loginExchange(context, PasswordKind::Master, "ABD");
    EXPECT_EQ(shown, shownOnly(kWrongPasswordText));
    EXPECT_FALSE(logger().loggedIn);
}

TEST_F(LoginTest, NoPasswordSendsNothing) {
    loginExchange(context, PasswordKind::Master, "");
    EXPECT_EQ(wire(), "");
    EXPECT_EQ(shown, shownOnly(kNoPasswordText));
}

TEST_F(LoginTest, PortThatCannotBeOpenedIsNamedAndNothingWaits) {
    ports.portNames.clear();
    loginExchange(context, PasswordKind::Master, "ABC");
    EXPECT_EQ(shown, shownOnly(portFailureText("COM1")));
    EXPECT_EQ(clock.nowMs(), 0);
    EXPECT_NE(shown[0].find("COM1"), std::string::npos);
}

// Each way a logger can fail ends in the recovery command and the failure
// message within a few seconds of silence.
TEST_F(LoginTest, EveryFaultEndsInTheRecoveryWithinItsBound) {
    struct Case {
        const char* name;
        sim::Fault fault;
        std::size_t sendLimit;
        const char* wire;
    } cases[] = {
        {"silent", sim::Fault::Silent, 0, "XX" "T\r"},
        {"echo dropped", sim::Fault::DropEcho, 0, "XX" "T\r"},
        {"echo with extra byte", sim::Fault::EchoExtraByte, 0, "XX" "T\r"},
        {"garbled echo", sim::Fault::GarbledEcho, 0, "XX" "T\r"},
        {"Falsches Kommando", sim::Fault::WrongCommand, 0, "X\n" "T\r"},
        // The password is echoed, then the verdict stops after "Pas".
        {"verdict cut short", sim::Fault::None, 22, "X\nABC\r" "T\r"},
        // The logger stops in the middle of the password's echoes.
        {"falls silent", sim::Fault::None, 16, "X\nABCCC" "T\r"},
    };
    for (const Case& c : cases) {
        test::VirtualClock freshClock;
        sim::LoggerDevice freshDevice;
        freshDevice.state().masterPassword = "ABC";
        freshDevice.behaviour().fault = c.fault;
        freshDevice.behaviour().sendLimit = c.sendLimit;
        sim::SimulatedPortFactory freshPorts(freshDevice, freshClock);
        MessageText freshMessage;
        std::vector<std::string> freshShown;
        test::FakeShell freshShell;
        freshShell.onCommand = [&](int) { freshShown.push_back(freshMessage.text()); };
        LoggerContext freshContext{freshPorts, freshClock, freshMessage, freshShell};

        loginExchange(freshContext, PasswordKind::Master, "ABC");
        EXPECT_EQ(freshShown, std::vector<std::string>{kCommandFailedText}) << c.name;
        EXPECT_EQ(freshDevice.received(), c.wire) << c.name;
        EXPECT_LE(freshClock.nowMs(), 15000) << c.name;
        EXPECT_FALSE(freshPorts.held) << c.name;
    }
}

} // namespace
} // namespace wg
