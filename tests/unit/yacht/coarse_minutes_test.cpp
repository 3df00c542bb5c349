#include <gtest/gtest.h>

#include "logger/logger_fixture.h"
#include "yacht/coarse_minutes.h"

namespace wg::test {
namespace {

struct Extraction {
    const char* reply;
    std::int32_t minutes;
};

class CoarseMinutesExtraction : public ::testing::TestWithParam<Extraction> {};

TEST_P(CoarseMinutesExtraction, TakesTheNumberTwoCharactersAfterTheLastColon) {
    EXPECT_EQ(extractCoarseMinutes(GetParam().reply), GetParam().minutes) << GetParam().reply;
}

INSTANTIATE_TEST_SUITE_P(
    Replies, CoarseMinutesExtraction,
    ::testing::Values(Extraction{"\nEreignisdauer bis Regatta-Ende: 123 min\r\n", 123},
                      Extraction{"Dauer: 7 min\r\n", 7},
                      Extraction{"Dauer: 12345 min\r\n", 12345},       // cut at 9 characters
                      Extraction{"a: 1 b: 42 min\r\n", 42},            // the last colon counts
                      Extraction{"no colon 123 min\r\n", 0},
                      Extraction{"Dauer: 12\n", 0},                    // piece of four characters
                      Extraction{"Dauer:", 0},
                      Extraction{"Dauer: x min\r\n", 0}));

TEST(CoarseMinutesExtraction, LooksOnlyAtTheFirst256Characters) {
    const std::string reply = std::string(250, 'x') + ": 98765 min\r\n";
    // Positions 252 to 255 give "9876", whose last four characters go.
    EXPECT_EQ(extractCoarseMinutes(reply), 0);
    EXPECT_EQ(extractCoarseMinutes(std::string(240, 'x') + ": 98765 min\r\n"), 98765);
}

class CoarseMinutesQuery : public LoggerTest {};

TEST_F(CoarseMinutesQuery, StoresTheLoggersTotal) {
    logger().coarseMinutes = 123;
    YachtRecord yacht;
    ASSERT_TRUE(coarseMinutesQuery(context, yacht));
    EXPECT_EQ(yacht.coarseMinutes, 123);
    EXPECT_EQ(wire(), "T\r");
    EXPECT_TRUE(shown.empty());
}

TEST_F(CoarseMinutesQuery, SilentLoggerEndsWithinTheBoundAndKeepsTheRecord) {
    behaviour().fault = sim::Fault::Silent;
    YachtRecord yacht;
    yacht.coarseMinutes = 17;
    EXPECT_FALSE(coarseMinutesQuery(context, yacht));
    EXPECT_EQ(yacht.coarseMinutes, 17);
    EXPECT_LT(clock.nowMs(), 10000);
    EXPECT_EQ(shown, shownOnly(kCommandFailedText));
}

} // namespace
} // namespace wg::test
