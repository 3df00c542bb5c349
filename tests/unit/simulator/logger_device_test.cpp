#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "device_config.h"

namespace wg::sim {
namespace {

// The device model serves every logger test, its settings the simulator program that scripts/run.sh starts.
TEST(DeviceConfig, TheExampleFileHoldsTheDemoLoggerAndABadSettingIsNamed) {
    std::ifstream in(WG_SIMULATOR_DIR "/example_state.txt", std::ios::binary);
    DeviceConfig example;
    std::string error;
    ASSERT_TRUE(applySettingsText(example, {std::istreambuf_iterator<char>(in), {}}, error)) << error;
    EXPECT_EQ(std::tuple(example.state.events, example.state.masterPassword), std::tuple(DeviceState{}.events, "MASTER"));
    EXPECT_FALSE(applySettingsText(example, "\nfault = loud\n", error));
    EXPECT_EQ(error, "line 2: bad value for fault: \"loud\"");
}

} // namespace
} // namespace wg::sim
