#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "device_config.h"
#include "logger_device.h"

namespace wg::sim {
namespace {

// Everything the device sends in answer to `bytes`, given one after another.
std::string answerTo(LoggerDevice& device, const std::string& bytes) {
    device.receive(bytes, 0);
    return device.take(100000, 1000000);
}

TEST(LoggerDevice, AnswersEveryCommandOfTheProgramFromItsState) {
    struct Case {
        const char* sent;
        bool loggedIn;
        std::string answer;  // echoes included
    } cases[] = {
        {"X\nMASTER\r", false, "X\n\r\nPasswort: MASTER\r\nPasswort OK\r\n"},
        {"X\rWRONG\r", true, "X\r\r\nPasswort: WRONG\r\nFalsches Passwort\r\n"},
        {"A\nUSER\r", false, "A\n\r\nPasswort: USER\r\nPasswort OK\r\n"},
        {"D\r", true, "D\r\nERLG: 100234\r\nYacht: GER12\r\n"},
        {"D\r", false, "D\r\nPasswort erforderlich\r\n"},
        {"D0\rSUI7\r", true, "D0\r\nYacht-ID eingeben\r\nSUI7\r\nYacht-ID gespeichert\r\n"},
        {"D0\r", false, "D0\r\nPasswort erforderlich\r\n"},
        {"E010307140509", true, "E010307140509Uhr gestellt\r\n"},
        {"G140608093000", false, "G140608093000Passwort erforderlich\r\n"},
        {"H140608170000", true, "H140608170000Regatta-Ende gesetzt\r\n"},
        {"F\r", false, "F\r\nBetriebsart: 3\r\n"},
        {"F5\r", true, "F5\r\nBetriebsart 5 eingestellt\r\n"},
        {"F0\r", true, "F0\r\nFalsche Betriebsart\r\n"},
        {"F2\r", false, "F2\r\nPasswort erforderlich\r\n"},
        {"T\r", false, "T\r\nEreignisdauer bis Regatta-Ende: 5 min\r\n"},
        {"Q\r", false, "Q\rFalsches Kommando"},
        {"E01x", true, "E01xFalsches Kommando"},
    };
    for (const Case& c : cases) {
        LoggerDevice device;
        device.state().loggedIn = c.loggedIn;
        EXPECT_EQ(answerTo(device, c.sent), c.answer) << c.sent;
        EXPECT_EQ(device.received(), c.sent);
    }
}

TEST(LoggerDevice, CommandsChangeItsState) {
    LoggerDevice device;
    answerTo(device, "X\nMASTER\r");
    EXPECT_TRUE(device.state().loggedIn);
    answerTo(device, "E010307140509G140608093000H140608170000F1\rD0\rNED3\r");
    EXPECT_EQ(device.state().clock, "010307140509");
    EXPECT_EQ(device.state().regattaStart, "140608093000");
    EXPECT_EQ(device.state().regattaEnd, "140608170000");
    EXPECT_EQ(device.state().operatingMode, 1);
    EXPECT_EQ(device.state().yachtId, "NED3");
    answerTo(device, "X\nnope\r");
    EXPECT_FALSE(device.state().loggedIn);
}

TEST(LoggerDevice, EchoComesAtOnceAndTheAnswerAMomentLater) {
    LoggerDevice device;
    device.receive("F", 100);
    EXPECT_EQ(device.take(10, 100), "F");
    device.receive("\r", 200);
    EXPECT_EQ(device.take(10, 200), "\r");
    EXPECT_EQ(device.take(10, 249), "");
    EXPECT_EQ(device.nextByteAtMs(), 250);
    EXPECT_EQ(device.take(100, 250), "\nBetriebsart: 3\r\n");
}

TEST(LoggerDevice, GluedAnswerFollowsTheEchoAtOnce) {
    LoggerDevice device({}, Behaviour{Fault::GluedAnswer});
    device.receive("F\r", 0);
    EXPECT_EQ(device.take(100, 0), "F\r\nBetriebsart: 3\r\n");
}

TEST(LoggerDevice, EchoFaults) {
    struct Case {
        Fault fault;
        int count;
        std::string answer;
    } cases[] = {
        {Fault::DropEcho, 0, "\nBetriebsart: 3\r\n"},
        {Fault::DropEcho, 1, "\r\nBetriebsart: 3\r\n"},
        {Fault::EchoExtraByte, 1, "F*\r\nBetriebsart: 3\r\n"},
        {Fault::GarbledEcho, 0, "G\x0c\nBetriebsart: 3\r\n"},
        {Fault::WrongCommand, 0, "F\rFalsches Kommando"},
        {Fault::Silent, 0, ""},
    };
    for (const Case& c : cases) {
        Behaviour behaviour;
        behaviour.fault = c.fault;
        behaviour.faultCount = c.count;
        LoggerDevice device({}, behaviour);
        EXPECT_EQ(answerTo(device, "F\r"), c.answer);
    }
}

TEST(LoggerDevice, EventMemoryDumpEndsWithTheEndLine) {
    LoggerDevice device;
    const std::string dump = answerTo(device, "I\r");
    EXPECT_EQ(dump.substr(0, 33), "I\r\nStart : 14.06.08 Sa 09:00:00\r\n");
    EXPECT_EQ(dump.substr(dump.size() - 16), "Ereigniss Ende\r\n");
}

TEST(LoggerDevice, DumpFallsSilentAfterItsLimit) {
    Behaviour behaviour;
    behaviour.dumpLimit = 10;
    LoggerDevice device({}, behaviour);
    EXPECT_EQ(answerTo(device, "I\r"), "I\r\nStart : 1");
    EXPECT_EQ(answerTo(device, "F\r"), "F\r\nBetriebsart: 3\r\n");
}

TEST(LoggerDevice, PacedOutputRunsAt480BytesASecond) {
    Behaviour behaviour;
    behaviour.paced = true;
    behaviour.answerDelayMs = 0;
    DeviceState state;
    state.events.assign(100, "Generator Ein : 14.06.08 Sa 10:15:00");  // 38 bytes a line
    LoggerDevice device(state, behaviour);
    device.receive("I\r", 0);
    std::size_t total = 0;
    std::int64_t last = 0;
    while (auto next = device.nextByteAtMs()) {
        total += device.take(1, *next).size();
        last = *next;
    }
    EXPECT_EQ(total, 2u + 1u + 3800u + 16u);
    EXPECT_NEAR(static_cast<double>(last), (total - 1) * 1000.0 / 480.0, 5.0);
}

TEST(LoggerDevice, EraseConfirmsAfterItsTimeAndEmptiesTheMemory) {
    Behaviour behaviour;
    behaviour.eraseMs = 120000;
    LoggerDevice device({}, behaviour);
    device.receive("C\r", 0);
    EXPECT_EQ(device.take(1000, 1000), "C\r\nEEProm Size = 8192\r\n");
    EXPECT_EQ(device.take(1000, 120049), "");
    EXPECT_EQ(device.take(1000, 120050), "EEProm geloescht\r\n");
    EXPECT_TRUE(device.state().events.empty());
    EXPECT_EQ(answerTo(device, "I\r"), "I\r\nEreigniss Ende\r\n");
}

TEST(DeviceConfig, SettingsTextSetsStateAndBehaviour) {
    DeviceConfig config;
    std::string error;
    ASSERT_TRUE(applySettingsText(config,
                                  "# demo\n"
                                  "master = GEHEIM\n"
                                  "serial=777\n"
                                  "logged-in = 1\n"
                                  "event = Reset : 01.06.08 So 08:00:00\n"
                                  "event = Start : 01.06.08 So 08:00:05\r\n"
                                  "fault = garble\n"
                                  "fault-count = 2\n"
                                  "pace = 1\n",
                                  error))
        << error;
    EXPECT_EQ(config.state.masterPassword, "GEHEIM");
    EXPECT_EQ(config.state.serialNumber, "777");
    EXPECT_TRUE(config.state.loggedIn);
    EXPECT_EQ(config.state.events,
              (std::vector<std::string>{"Reset : 01.06.08 So 08:00:00", "Start : 01.06.08 So 08:00:05"}));
    EXPECT_EQ(config.behaviour.fault, Fault::GarbledEcho);
    EXPECT_EQ(config.behaviour.faultCount, 2);
    EXPECT_TRUE(config.behaviour.paced);
}

TEST(DeviceConfig, BadSettingsAreNamed) {
    struct Case {
        const char* text;
        const char* error;
    } cases[] = {
        {"colour = red\n", "line 1: unknown setting \"colour\""},
        {"\nfault = loud\n", "line 2: bad value for fault: \"loud\""},
        {"clock = 0103071405\n", "line 1: bad value for clock: \"0103071405\""},
        {"master\n", "line 1: no \"=\""},
    };
    for (const Case& c : cases) {
        DeviceConfig config;
        std::string error;
        EXPECT_FALSE(applySettingsText(config, c.text, error));
        EXPECT_EQ(error, c.error);
    }
}

} // namespace
} // namespace wg::sim

namespace wg::sim {
namespace {

TEST(DeviceConfig, ExampleFileHoldsTheDemoLogger) {
    std::ifstream in(WG_SIMULATOR_DIR "/example_state.txt", std::ios::binary);
    ASSERT_TRUE(in);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    DeviceConfig config;
    std::string error;
    ASSERT_TRUE(applySettingsText(config, text, error)) << error;
    const DeviceState demo;
    EXPECT_EQ(config.state.events, demo.events);
    EXPECT_EQ(config.state.masterPassword, demo.masterPassword);
}

} // namespace
} // namespace wg::sim
