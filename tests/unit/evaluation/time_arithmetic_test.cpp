#include <gtest/gtest.h>

#include <cmath>

#include "evaluation/time_arithmetic.h"
#include "files/text.h"

namespace wg {
namespace {

TEST(MonthOffset, TableOfAYearOf365Days) {
    const double expected[13] = {0,          0,          2678400,    5097600,   7776000,
                                 10368000,   13046400,   15638400,   18316800,  20995200,
                                 23587200,   26265600,   28857600};
    for (int month = 1; month <= 12; ++month) EXPECT_EQ(monthOffsetSeconds(month), expected[month]) << month;
    for (int month : {0, 13, -1, INT32_MAX, INT32_MIN}) EXPECT_EQ(monthOffsetSeconds(month), 0.0) << month;
}

struct Instant {
    std::int32_t hour, minute, second, day, month, year;
    double count() const { return secondCount(hour, minute, second, day, month, year); }
};

struct SpanCase {
    const char* what;
    Instant earlier, later;
    double seconds;
};

class SecondCountSpans : public ::testing::TestWithParam<SpanCase> {};

TEST_P(SecondCountSpans, DifferenceOfTwoCounts) {
    const SpanCase& c = GetParam();
    EXPECT_EQ(c.later.count() - c.earlier.count(), c.seconds) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    TimeArithmetic, SecondCountSpans,
    ::testing::Values(
        SpanCase{"origin to year 2", {0, 0, 0, 1, 1, 1}, {0, 0, 0, 1, 1, 2}, 31536000},
        SpanCase{"28 February to 1 March", {12, 0, 0, 28, 2, 4}, {12, 0, 0, 1, 3, 4}, 86400},
        SpanCase{"no leap day", {12, 0, 0, 29, 2, 4}, {12, 0, 0, 1, 3, 4}, 0},
        SpanCase{"31 April is 1 May", {0, 0, 0, 31, 4, 7}, {0, 0, 0, 1, 5, 7}, 0},
        SpanCase{"year 4 into 5", {23, 59, 59, 31, 12, 4}, {0, 0, 0, 1, 1, 5}, 1},
        SpanCase{"year 69 into 70", {23, 59, 59, 31, 12, 69}, {0, 0, 0, 1, 1, 70}, 1},
        SpanCase{"year 98 into 99", {23, 59, 59, 31, 12, 98}, {0, 0, 0, 1, 1, 99}, 1},
        SpanCase{"across 32-bit seconds", {0, 0, 0, 1, 1, 3}, {23, 59, 59, 31, 12, 99}, 97 * 31536000.0 - 1}));

TEST(SecondCount, OriginIsZero) { EXPECT_EQ(secondCount(0, 0, 0, 1, 1, 1), 0.0); }

TEST(SecondCount, KeepsTheOrderOfDatesOverTheAcceptedYears) {
    double previous = secondCount(23, 59, 59, 31, 12, 2);
    for (int year = 3; year <= 99; ++year)
        for (int month = 1; month <= 12; ++month) {
            const double first = secondCount(0, 0, 0, 1, month, year);
            EXPECT_GT(first, previous) << year << "-" << month;
            previous = secondCount(23, 59, 59, 28, month, year);
        }
}

TEST(SecondCount, AbsurdComponentsStayDefined) {
    const double count = secondCount(INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX, 77, INT32_MAX);
    EXPECT_TRUE(std::isfinite(count));
    EXPECT_TRUE(std::isfinite(secondCount(INT32_MIN, INT32_MIN, INT32_MIN, INT32_MIN, INT32_MIN, INT32_MIN)));
    // A month outside the table counts like January.
    EXPECT_EQ(secondCount(1, 2, 3, 4, 0, 5), secondCount(1, 2, 3, 4, 1, 5));
}

TEST(DurationText, MinutesAndSecondsAsTheDialogsShowThem) {
    const std::pair<double, const char*> cases[] = {
        {3725, "   62 min  5 sek"},  {0, "    0 min  0 sek"},     {59, "    0 min 59 sek"},
        {6000, "  100 min  0 sek"},  {4200, "   70 min  0 sek"},    {-90, "   -1 min -30 sek"},
        {1000000, "16666 min 40 sek"}, {6000000, "100000 min  0 sek"}, {5999999, "99999 min 59 sek"},
        {3599, "   59 min 59 sek"},
    };
    for (const auto& [seconds, text] : cases) EXPECT_EQ(durationText(seconds), text) << seconds;
}

TEST(DurationText, RemainderNeverShowsSixty) {
    for (int seconds = 0; seconds < 200000; seconds += 7) {
        const std::string text = durationText(seconds);
        EXPECT_EQ(text.find(" 60 sek"), std::string::npos) << seconds;
        EXPECT_EQ(text.substr(text.size() - 6), format("%2d sek", seconds % 60)) << seconds;
    }
}

TEST(WindowBounds, FinishFromTheYachtStartFromTheRegattaWithoutSeconds) {
    YachtRecord yacht;
    yacht.finish = {14, 0, 30, 3, 6, 4};
    RegattaRecord regatta;
    regatta.start = {15, 10, 45, 3, 6, 4};  // minute, hour, second, day, month, year
    regatta.end = {0, 23, 0, 4, 6, 4};
    computeWindowBounds(yacht, regatta);
    EXPECT_EQ(yacht.evaluation.finish, secondCount(14, 0, 30, 3, 6, 4));
    EXPECT_EQ(yacht.evaluation.regattaStart, secondCount(10, 15, 0, 3, 6, 4));
}

} // namespace
} // namespace wg
