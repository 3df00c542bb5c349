#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "device_config.h"
#include "logger_device.h"

namespace wg::sim {
namespace {

// The device model itself serves every logger test; here only what those
// do not reach: the pacing of its output and the settings of the program.
TEST(LoggerDevice, PacesAt480BytesASecond) {
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
