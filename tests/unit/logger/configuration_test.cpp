#include "logger/exchange.h"
#include "logger_fixture.h"

namespace wg {
namespace {

using ConfigurationTest = test::LoggerTest;

TEST_F(ConfigurationTest, VerdictJudgesTheCollectedReply) {
    struct Case {
        std::string reply, shown, wire;
    } cases[] = {
        {"Passwort erforderlich\r\n", kPasswordRequiredText, ""},
        {"Passwort erforderlich\r", "ERLG Uhr gestellt", ""},
        {"Passwort erforderlich", "ERLG Uhr gestellt", ""},
        {"Uhr gestellt\r\n", "ERLG Uhr gestellt", ""},
        {"abc", "ERLG Uhr gestellt", ""},
        // Two characters or fewer, or a refusal: the exchange failed.
        {"\r\n", kCommandFailedText, "T\r"},
        {"Falsches Kommando", kCommandFailedText, "T\r"},
        {"\nFalsches Kommando\r\n", kCommandFailedText, "T\r"},
        {"", kCommandFailedText, "T\r"},
    };
    for (const Case& c : cases) {
        test::VirtualClock freshClock;
        sim::LoggerDevice freshDevice;
        sim::SimulatedPortFactory freshPorts(freshDevice, freshClock);
        MessageText freshMessage;
        std::vector<std::string> freshShown;
        test::FakeShell freshShell;
        freshShell.onCommand = [&](int) { freshShown.push_back(freshMessage.text()); };
        LoggerContext freshContext{freshPorts, freshClock, freshMessage, freshShell};
        freshMessage.set(c.reply);
        configurationVerdict(freshContext, "ERLG Uhr gestellt");
        EXPECT_EQ(freshShown, std::vector<std::string>{c.shown}) << c.reply;
        EXPECT_EQ(freshDevice.received(), c.wire) << c.reply;
        EXPECT_EQ(freshMessage.text(), "") << c.reply;
    }
}

TEST_F(ConfigurationTest, ClockCommandCarriesTwelveDigitsAndNoTerminator) {
    logger().loggedIn = true;
    configurationExchange(context, "E010307140509\n", "ERLG Uhr gestellt");
    EXPECT_EQ(wire(), "E010307140509");
    EXPECT_EQ(logger().clock, "010307140509");
    EXPECT_EQ(shown, shownOnly("ERLG Uhr gestellt"));
}

TEST_F(ConfigurationTest, LoggerWithoutLoginAsksForThePassword) {
    configurationExchange(context, "G140608093000\n", "Regatta-Startzeit geaendert");
    EXPECT_EQ(wire(), "G140608093000");
    EXPECT_EQ(shown, shownOnly(kPasswordRequiredText));
}

TEST_F(ConfigurationTest, SilentLoggerEndsInTheRecoveryWithinItsBound) {
    behaviour().fault = sim::Fault::Silent;
    configurationExchange(context, "H140608170000\n", "Regatta-Endezeit geaendert");
    EXPECT_EQ(wire(), "HHHT\r");
    EXPECT_EQ(shown, shownOnly(kCommandFailedText));
    EXPECT_LE(clock.nowMs(), 6000);
}

TEST_F(ConfigurationTest, AnswerGluedToTheLastEchoEndsInTheRecovery) {
    // Why a logger must pause before it answers: the echo of the last digit
    // arrives with the answer and is not taken as an echo; the digit goes
    // again until the echo limit ends the exchange.
    logger().loggedIn = true;
    behaviour().fault = sim::Fault::GluedAnswer;
    configurationExchange(context, "E010307140509\n", "ERLG Uhr gestellt");
    EXPECT_EQ(wire(), "E01030714050" "99999" "T\r");
    EXPECT_EQ(shown, shownOnly(kCommandFailedText));
    EXPECT_LE(clock.nowMs(), 6000);
}

TEST_F(ConfigurationTest, PortThatCannotBeOpenedIsNamedAndNothingIsSent) {
    ports.portNames = {"COM2"};
    configurationExchange(context, "E010307140509\n", "ERLG Uhr gestellt");
    EXPECT_EQ(shown, shownOnly(portFailureText("COM1")));
    EXPECT_EQ(clock.nowMs(), 0);
}

} // namespace
} // namespace wg
