#include "logger/collection.h"
#include "logger/echo.h"
#include "logger/link.h"
#include "support/logger_rig.h"

namespace wg::test {
namespace {

struct LinkTest : LoggerTest {
    SerialLink link{ports};
    void open() { ASSERT_EQ(link.open(kLoggerPort, kLoggerBaud), kLinkOk); }
};

TEST_F(LinkTest, PortThatDoesNotExistFailsEveryCallAtOnce) {
    EXPECT_EQ(link.open("COM7", kLoggerBaud), kLinkFailed);
    EXPECT_EQ(link.read(10), kLinkFailed);
    EXPECT_EQ(link.write("X"), kLinkFailed);
    EXPECT_FALSE(echoedTransmission(link, clock, "D\r\r", 1));
    EXPECT_EQ(link.close(), kLinkFailed);
    EXPECT_EQ(wire() + std::to_string(clock.nowMs()), "0");
}

TEST_F(LinkTest, OneExclusivePortPerLinkOpenedOnceOnComOneAt4800) {
    open();
    EXPECT_EQ(link.open(kLoggerPort, kLoggerBaud), kLinkOk);  // already open: no second port
    EXPECT_EQ(ports.opens.at(0).name + " " + std::to_string(ports.opens[0].baud) + " " + std::to_string(ports.created),
              "COM1 4800 1");
    EXPECT_EQ(SerialLink(ports).open(kLoggerPort, kLoggerBaud), kLinkFailed);
    EXPECT_EQ(link.close(), kLinkOk);
    EXPECT_EQ(SerialLink(ports).open(kLoggerPort, kLoggerBaud), kLinkOk);
}

TEST_F(LinkTest, ReadTakesWhatIsWaitingAtMostAsAskedWaitsOnlyForTheFirstByteAndEndsTheTextAtAZeroByte) {
    open();
    link.write("F\r");  // two echoes at once, the answer a moment later
    EXPECT_EQ(link.read(1), kLinkOk);
    EXPECT_EQ(link.reply(), "F");
    link.read(100);
    EXPECT_EQ(link.reply() + std::to_string(clock.nowMs()), "\r0");
    link.read(100);
    EXPECT_EQ(link.reply() + std::to_string(clock.nowMs()), "\nBetriebsart: 3\r\n50");
    EXPECT_EQ(link.read(100), kLinkOk);
    EXPECT_EQ(link.reply() + std::to_string(clock.nowMs()), "1050");
    // A zero byte ends the reply's text; the bytes read count all.
    logger().loggedIn = true;
    logger().serialNumber = std::string("12\0" "456", 6);
    link.write("D\r");
    link.read(2);
    link.read(100);
    EXPECT_EQ(link.reply() + "|" + std::to_string(link.bytesRead()), "\nERLG: 12|29");
}

TEST_F(LinkTest, CollectionsEndAsTheirLimitsSay) {
    open();
    drain(link, clock, &message);  // a silent logger: two seconds
    EXPECT_EQ(clock.nowMs(), 2000);
    timedCollection(link, clock, message);  // one read, then two seconds
    EXPECT_EQ(clock.nowMs(), 5000);
    behaviour().sendLimit = 5;
    link.write("T\r");
    EXPECT_FALSE(collectAtLeast(link, clock, message, 10));  // three seconds without growth
    EXPECT_EQ(message.text() + "|" + std::to_string(clock.nowMs()), "T\r\nEr|8050");
}

// Every character but the last goes out and must come back alone.
TEST(EchoedTransmission, SendsAllButTheLastCharacterEachUntilItsEchoComes) {
    struct Case { const char* command; std::size_t readSize; sim::Fault fault; int faultCount; bool sent;
                  const char* wire; std::int64_t ms; } cases[] = {
        {"E010307140509\n", 3, sim::Fault::None, 0, true, "E010307140509", 0},
        {"D\r\r", 1, sim::Fault::None, 0, true, "D\r", 0}, {"T\r", 1, sim::Fault::None, 0, true, "T", 0},
        {"D\r\r", 3, sim::Fault::EchoExtraByte, 1, true, "DD\r", 0},
        {"D\r\r", 1, sim::Fault::GarbledEcho, 2, true, "DDD\r", 0},
        // No echo: three seconds after the first write. Always wrong: five writes.
        {"D\r\r", 1, sim::Fault::DropEcho, 0, false, "DDD", 3000},
        {"D\r\r", 2, sim::Fault::EchoExtraByte, 0, false, "DDDDD", 0},
    };
    for (const Case& c : cases) {
        LoggerRig r(kLoggedIn, c.fault);
        r.behaviour().faultCount = c.faultCount;
        SerialLink link(r.ports);
        ASSERT_EQ(link.open(kLoggerPort, kLoggerBaud), kLinkOk);
        const bool sent = echoedTransmission(link, r.clock, c.command, c.readSize);
        EXPECT_EQ(std::tuple(sent, r.wire(), r.clock.nowMs()), std::tuple(c.sent, c.wire, c.ms)) << c.wire;
    }
}

} // namespace
} // namespace wg::test
