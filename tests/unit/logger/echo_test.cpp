#include "logger/echo.h"
#include "logger_fixture.h"

namespace wg {
namespace {

class EchoTest : public test::LoggerTest {
protected:
    bool send(const std::string& command, std::size_t echoReadSize) {
        SerialLink link(ports);
        EXPECT_EQ(link.open(kLoggerPort, kLoggerBaud), kLinkOk);
        return echoedTransmission(link, clock, command, echoReadSize);
    }
};

TEST_F(EchoTest, LastCharacterOfTheCommandTextNeverGoesOut) {
    struct Case {
        const char* command;
        std::size_t echoReadSize;
        const char* wire;
    } cases[] = {
        {"E010307140509\n", 3, "E010307140509"},
        {"G140608093000\n", 3, "G140608093000"},
        {"D\r\r", 1, "D\r"},
        {"F3\r\r", 1, "F3\r"},
        {"T\r", 1, "T"},
    };
    for (const Case& c : cases) {
        test::VirtualClock freshClock;
        sim::LoggerDevice freshDevice;
        freshDevice.state().loggedIn = true;
        sim::SimulatedPortFactory freshPorts(freshDevice, freshClock);
        SerialLink link(freshPorts);
        ASSERT_EQ(link.open(kLoggerPort, kLoggerBaud), kLinkOk);
        EXPECT_TRUE(echoedTransmission(link, freshClock, c.command, c.echoReadSize)) << c.command;
        EXPECT_EQ(freshDevice.received(), c.wire) << c.command;
    }
}

TEST_F(EchoTest, EchoWithAFurtherByteIsNotAcceptedAndTheCharacterGoesAgain) {
    behaviour().fault = sim::Fault::EchoExtraByte;
    behaviour().faultCount = 1;
    EXPECT_TRUE(send("D\r\r", 3));
    EXPECT_EQ(wire(), "DD\r");
}

TEST_F(EchoTest, GarbledEchoMakesTheCharacterGoAgain) {
    behaviour().fault = sim::Fault::GarbledEcho;
    behaviour().faultCount = 2;
    EXPECT_TRUE(send("D\r\r", 1));
    EXPECT_EQ(wire(), "DDD\r");
}

TEST_F(EchoTest, EchoThatNeverComesGivesUpAfterThreeSeconds) {
    behaviour().fault = sim::Fault::DropEcho;
    EXPECT_FALSE(send("D\r\r", 1));
    EXPECT_EQ(wire(), "DDD");
    EXPECT_EQ(clock.nowMs(), 3000);
}

TEST_F(EchoTest, EchoThatIsAlwaysWrongGivesUpAfterFiveWrites) {
    behaviour().fault = sim::Fault::EchoExtraByte;
    EXPECT_FALSE(send("D\r\r", 2));
    EXPECT_EQ(wire(), "DDDDD");
    EXPECT_LT(clock.nowMs(), 1000);
}

TEST_F(EchoTest, LinkThatIsNotOpenSendsNothingAndDoesNotWait) {
    ports.portNames.clear();
    SerialLink link(ports);
    EXPECT_EQ(link.open(kLoggerPort, kLoggerBaud), kLinkFailed);
    EXPECT_FALSE(echoedTransmission(link, clock, "D\r\r", 1));
    EXPECT_EQ(clock.nowMs(), 0);
}

} // namespace
} // namespace wg
