#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "device_config.h"
#include "logger_device.h"

namespace wg::sim {
namespace {

Behaviour with(Fault fault, int faultCount = 0, std::size_t dumpLimit = 0) {
    Behaviour behaviour;
    behaviour.fault = fault;
    behaviour.faultCount = faultCount;
    behaviour.dumpLimit = dumpLimit;
    return behaviour;
}

// Everything the device sends in answer to `bytes`, echoes included.
std::string answerTo(LoggerDevice& device, const std::string& bytes) {
    device.receive(bytes, 0);
    return device.take(100000, 1000000);
}

TEST(LoggerDevice, AnswersTheProgramsCommandsFromItsState) {
    struct Case {
        const char* sent;
        bool loggedIn;
        std::string answer;
    } cases[] = {
        {"X\nMASTER\r", false, "X\n\r\nPasswort: MASTER\r\nPasswort OK\r\n"},
        {"A\rWRONG\r", true, "A\r\r\nPasswort: WRONG\r\nFalsches Passwort\r\n"},
        {"D\r", false, "D\r\nPasswort erforderlich\r\n"},
        {"D0\rSUI7\r", true, "D0\r\nYacht-ID eingeben\r\nSUI7\r\nYacht-ID gespeichert\r\n"},
        {"G140608093000", false, "G140608093000Passwort erforderlich\r\n"},
        {"F0\r", true, "F0\r\nFalsche Betriebsart\r\n"},
        {"T\r", false, "T\r\nEreignisdauer bis Regatta-Ende: 5 min\r\n"},
        {"E01x", true, "E01xFalsches Kommando"},
    };
    for (const Case& c : cases) {
        LoggerDevice device;
        device.state().loggedIn = c.loggedIn;
        EXPECT_EQ(answerTo(device, c.sent), c.answer) << c.sent;
    }
    LoggerDevice device;
    answerTo(device, "X\nMASTER\rE010307140509H140608170000F1\rD0\rNED3\rC\r");
    const DeviceState& s = device.state();
    EXPECT_EQ(s.clock + s.regattaEnd + std::to_string(s.operatingMode) + s.yachtId, "010307140509140608170000" "1NED3");
    EXPECT_TRUE(s.events.empty());
    EXPECT_EQ(answerTo(device, "I\r"), "I\r\nEreigniss Ende\r\n");
}

TEST(LoggerDevice, EchoesAtOnceAnswersAMomentLaterAndMisbehavesOnDemand) {
    LoggerDevice device;
    device.receive("F\r", 200);
    EXPECT_EQ(device.take(10, 249), "F\r");
    EXPECT_EQ(device.nextByteAtMs(), 250);
    struct Case {
        Behaviour behaviour;
        std::string answer;
    } cases[] = {
        {with(Fault::GluedAnswer), "F\r\nBetriebsart: 3\r\n"},
        {with(Fault::DropEcho, 1), "\r\nBetriebsart: 3\r\n"},
        {with(Fault::EchoExtraByte, 1), "F*\r\nBetriebsart: 3\r\n"},
        {with(Fault::GarbledEcho), "G\x0c\nBetriebsart: 3\r\n"},
        {with(Fault::WrongCommand), "F\rFalsches Kommando"},
        {with(Fault::Silent), ""},
        {with(Fault::None, 0, 10), "I\r\nStart : 1"},  // the dump breaks off
    };
    for (const Case& c : cases) {
        LoggerDevice faulty({}, c.behaviour);
        EXPECT_EQ(answerTo(faulty, c.behaviour.dumpLimit ? "I\r" : "F\r"), c.answer);
    }
}

TEST(LoggerDevice, PacesAt480BytesASecondAndConfirmsTheEraseAfterItsTime) {
    Behaviour behaviour;
    behaviour.paced = true;
    behaviour.answerDelayMs = 0;
    behaviour.eraseMs = 120000;
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
    device.receive("C\r", 100000);
    EXPECT_EQ(device.take(1000, 219999).substr(0, 22), "C\r\nEEProm Size = 8192\r");
    EXPECT_EQ(device.take(1000, 220100), "EEProm geloescht\r\n");
}

TEST(DeviceConfig, SettingsTextSetsStateAndBehaviourAndNamesWhatIsWrong) {
    DeviceConfig config;
    std::string error;
    ASSERT_TRUE(applySettingsText(config, "# demo\nmaster = GEHEIM\nlogged-in = 1\nevent = Reset : x\r\n"
                                          "fault = garble\nfault-count = 2\npace = 1\n", error)) << error;
    EXPECT_EQ(config.state.masterPassword, "GEHEIM");
    EXPECT_TRUE(config.state.loggedIn && config.behaviour.paced);
    EXPECT_EQ(config.state.events, std::vector<std::string>{"Reset : x"});
    EXPECT_EQ(config.behaviour.fault, Fault::GarbledEcho);
    EXPECT_EQ(config.behaviour.faultCount, 2);
    for (auto [text, message] : {std::pair{"colour = red\n", "line 1: unknown setting \"colour\""},
                                 std::pair{"\nfault = loud\n", "line 2: bad value for fault: \"loud\""},
                                 std::pair{"master\n", "line 1: no \"=\""}}) {
        EXPECT_FALSE(applySettingsText(config, text, error));
        EXPECT_EQ(error, message);
    }
    // The example file holds the demo logger.
    std::ifstream in(WG_SIMULATOR_DIR "/example_state.txt", std::ios::binary);
    DeviceConfig example;
    ASSERT_TRUE(applySettingsText(example, {std::istreambuf_iterator<char>(in), {}}, error)) << error;
    EXPECT_EQ(example.state.events, DeviceState{}.events);
}

} // namespace
} // namespace wg::sim
