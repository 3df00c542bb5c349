#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "device_config.h"
#include "logger_device.h"

namespace wg::sim {
namespace {

// The device model serves every logger test; the settings of the simulator
// program only the line tests.
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
