#include "logger/collection.h"
#include "logger/link.h"
#include "logger_fixture.h"

namespace wg {
namespace {

using LinkTest = test::LoggerTest;

TEST_F(LinkTest, PortThatDoesNotExistFailsAndItsCloseFailsToo) {
    SerialLink link(ports);
    EXPECT_EQ(link.open("COM7", kLoggerBaud), kLinkFailed);
    EXPECT_EQ(link.read(10), kLinkFailed);
    EXPECT_EQ(link.write("X"), kLinkFailed);
    EXPECT_EQ(link.close(), kLinkFailed);
    EXPECT_EQ(clock.nowMs(), 0);
    EXPECT_EQ(wire(), "");
}

TEST_F(LinkTest, SecondOpenSucceedsWithoutASecondPort) {
    SerialLink link(ports);
    ASSERT_EQ(link.open(kLoggerPort, kLoggerBaud), kLinkOk);
    EXPECT_EQ(link.open(kLoggerPort, kLoggerBaud), kLinkOk);
    EXPECT_EQ(ports.created, 1);
    ASSERT_EQ(ports.opens.size(), 1u);
    EXPECT_EQ(ports.opens[0].name, "COM1");
    EXPECT_EQ(ports.opens[0].baud, 4800);
    EXPECT_EQ(link.close(), kLinkOk);
}

TEST_F(LinkTest, PortIsHeldExclusivelyUntilClosedOrDestroyed) {
    {
        SerialLink first(ports);
        ASSERT_EQ(first.open(kLoggerPort, kLoggerBaud), kLinkOk);
        SerialLink second(ports);
        EXPECT_EQ(second.open(kLoggerPort, kLoggerBaud), kLinkFailed);
    }
    SerialLink third(ports);
    EXPECT_EQ(third.open(kLoggerPort, kLoggerBaud), kLinkOk);
}

TEST_F(LinkTest, ReadTakesWhatIsWaitingAtMostAsAskedAndWaitsOnlyForTheFirstByte) {
    SerialLink link(ports);
    ASSERT_EQ(link.open(kLoggerPort, kLoggerBaud), kLinkOk);
    link.write("F\r");  // two echoes at once, the answer a moment later
    EXPECT_EQ(link.read(1), kLinkOk);
    EXPECT_EQ(link.reply(), "F");
    link.read(100);
    EXPECT_EQ(link.reply(), "\r");
    EXPECT_EQ(clock.nowMs(), 0);
    link.read(100);
    EXPECT_EQ(link.reply(), "\nBetriebsart: 3\r\n");
    EXPECT_EQ(link.bytesRead(), 17u);
    EXPECT_EQ(clock.nowMs(), 50);

    EXPECT_EQ(link.read(100), kLinkOk);
    EXPECT_EQ(link.reply(), "");
    EXPECT_EQ(clock.nowMs(), 1050);
}

TEST_F(LinkTest, ZeroByteEndsTheReplyText) {
    logger().loggedIn = true;
    logger().serialNumber = std::string("12\0" "456", 6);
    SerialLink link(ports);
    ASSERT_EQ(link.open(kLoggerPort, kLoggerBaud), kLinkOk);
    link.write("D\r");
    link.read(2);
    link.read(100);
    EXPECT_EQ(link.reply(), "\nERLG: 12");
    EXPECT_EQ(link.bytesRead(), 29u);
}

TEST_F(LinkTest, DrainEndsAfterTwoSecondsOfSilence) {
    SerialLink link(ports);
    ASSERT_EQ(link.open(kLoggerPort, kLoggerBaud), kLinkOk);
    drain(link, clock, &message);
    EXPECT_EQ(clock.nowMs(), 2000);
    EXPECT_EQ(message.text(), "");
}

TEST_F(LinkTest, DrainEndsOnceAHundredCharactersCameFromAChattyLogger) {
    behaviour().paced = true;
    SerialLink link(ports);
    ASSERT_EQ(link.open(kLoggerPort, kLoggerBaud), kLinkOk);
    link.write("I\r");  // the event memory, 300 bytes and more at line rate
    drain(link, clock, &message);
    EXPECT_GE(message.size(), 100u);
    EXPECT_LT(message.size(), 110u);
    EXPECT_LT(clock.nowMs(), 2000);
    EXPECT_EQ(link.reply(), "");
}

TEST_F(LinkTest, TimedCollectionRunsTwoSecondsAfterItsFirstRead) {
    SerialLink link(ports);
    ASSERT_EQ(link.open(kLoggerPort, kLoggerBaud), kLinkOk);
    timedCollection(link, clock, message);
    EXPECT_EQ(clock.nowMs(), 3000);
}

TEST_F(LinkTest, CollectingAtLeastGivesUpAfterThreeSecondsWithoutGrowth) {
    behaviour().sendLimit = 5;
    SerialLink link(ports);
    ASSERT_EQ(link.open(kLoggerPort, kLoggerBaud), kLinkOk);
    link.write("T\r");
    EXPECT_FALSE(collectAtLeast(link, clock, message, 10));
    EXPECT_EQ(message.text(), "T\r\nEr");
    EXPECT_LE(clock.nowMs(), 3050);
}

} // namespace
} // namespace wg
