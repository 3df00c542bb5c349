#include <gtest/gtest.h>

#include "logger/date_time_check.h"

namespace wg {
namespace {

struct RangeCase {
    FieldKind kind;
    std::int32_t value;
    bool accepted;
};

class RangeCheckCases : public ::testing::TestWithParam<RangeCase> {};

TEST_P(RangeCheckCases, JudgesEachFieldAlone) {
    const RangeCase& c = GetParam();
    RegattaRecord regatta;
    *scratchField(regatta.scratch, c.kind) = c.value;
    EXPECT_EQ(rangeCheck(regatta, c.kind), c.accepted ? 0 : kRangeError)
        << "kind " << int(c.kind) << " value " << c.value;
}

INSTANTIATE_TEST_SUITE_P(
    DateTimeRecord, RangeCheckCases,
    ::testing::Values(RangeCase{FieldKind::Hour, -1, false}, RangeCase{FieldKind::Hour, 0, true},
                      RangeCase{FieldKind::Hour, 23, true}, RangeCase{FieldKind::Hour, 24, false},
                      RangeCase{FieldKind::Minute, -1, false}, RangeCase{FieldKind::Minute, 0, true},
                      RangeCase{FieldKind::Minute, 59, true}, RangeCase{FieldKind::Minute, 60, false},
                      RangeCase{FieldKind::Second, -1, false}, RangeCase{FieldKind::Second, 0, true},
                      RangeCase{FieldKind::Second, 59, true}, RangeCase{FieldKind::Second, 60, false},
                      RangeCase{FieldKind::Day, 0, false}, RangeCase{FieldKind::Day, 1, true},
                      RangeCase{FieldKind::Day, 31, true}, RangeCase{FieldKind::Day, 32, false},
                      RangeCase{FieldKind::Month, 0, false}, RangeCase{FieldKind::Month, 1, true},
                      RangeCase{FieldKind::Month, 12, true}, RangeCase{FieldKind::Month, 13, false},
                      RangeCase{FieldKind::Year, 2, false}, RangeCase{FieldKind::Year, 3, true},
                      RangeCase{FieldKind::Year, 99, true}, RangeCase{FieldKind::Year, 100, false},
                      RangeCase{FieldKind::Year, 2007, false},
                      RangeCase{FieldKind::Year, INT32_MIN, false}));

TEST(DateTimeRecord, ChecksOnlyTheFieldOfItsKind) {
    RegattaRecord regatta;
    regatta.scratch = {99, 99, 99, 99, 99, 99};  // everything else out of range
    regatta.scratch.year = 4;
    EXPECT_EQ(rangeCheck(regatta, FieldKind::Year), 0);
    EXPECT_EQ(rangeCheck(regatta, FieldKind::Hour), kRangeError);
}

TEST(DateTimeRecord, UnknownKindsPassAndHaveNoField) {
    RegattaRecord regatta;
    regatta.scratch = {-1, -1, -1, -1, -1, -1};
    for (int kind : {-1, 6, 1000}) {
        EXPECT_EQ(rangeCheck(regatta, FieldKind(kind)), 0) << kind;
        EXPECT_EQ(scratchField(regatta.scratch, FieldKind(kind)), nullptr) << kind;
        EXPECT_STREQ(rangeMessage(FieldKind(kind)), "") << kind;
    }
}

struct RefusalCase {
    FieldKind kind;
    const char* message;
    std::int32_t replacement;
};

TEST(DateTimeRecord, MessagesAndReplacementValues) {
    const RefusalCase cases[] = {
        {FieldKind::Hour, "Stundeneingabe muß zwischen 0 und 23 liegen, bitte neu eingeben!", 0},
        {FieldKind::Minute, "Minuteneingabe muß zwischen 0 und 59 liegen, bitte neu eingeben!", 0},
        {FieldKind::Second, "Sekundeneingabe muß zwischen 0 und 59 liegen, bitte neu eingeben!", 0},
        {FieldKind::Day, "Datumseingabe für Tag muß zwischen 1 und 31 liegen, bitte neu eingeben!", 1},
        {FieldKind::Month, "Datumseingabe für Monat muß zwischen 1 und 12 liegen, bitte neu eingeben!", 1},
        {FieldKind::Year, "Datumseingabe für Jahr muß zwischen 03 und 99 liegen, bitte neu eingeben!", 3},
    };
    for (const RefusalCase& c : cases) {
        EXPECT_STREQ(rangeMessage(c.kind), c.message);
        EXPECT_EQ(replacementValue(c.kind), c.replacement);
        // A replacement value always passes its own check.
        RegattaRecord regatta;
        *scratchField(regatta.scratch, c.kind) = c.replacement;
        EXPECT_EQ(rangeCheck(regatta, c.kind), 0) << int(c.kind);
    }
    // One byte per umlaut, as the message dialog shows it.
    EXPECT_EQ(std::string(rangeMessage(FieldKind::Hour)).size(), 64u);
}

TEST(TwoDigitText, ZeroInFrontBelowTen) {
    const std::pair<std::int32_t, const char*> cases[] = {
        {0, "00"}, {7, "07"}, {9, "09"}, {10, "10"}, {12, "12"}, {99, "99"}};
    for (const auto& [value, text] : cases) EXPECT_EQ(twoDigitText(value), text) << value;
}

TEST(RegattaTimeTexts, TenTextsInTheLoggersOrder) {
    RegattaRecord regatta;
    regatta.start = {5, 9, 0, 1, 3, 7};      // minute, hour, second, day, month, year
    regatta.end = {30, 14, 0, 31, 12, 99};
    regatta.timeTexts.fill("stale");
    formatRegattaTimeTexts(regatta);
    const std::array<std::string, kRegattaTimeTextCount> expected = {
        "05", "09", "01", "03", "07", "30", "14", "31", "12", "99"};
    EXPECT_EQ(regatta.timeTexts, expected);
}

TEST(RegattaTimeTexts, AValueFromADamagedFileStaysInItsTwoCharacters) {
    RegattaRecord regatta;
    regatta.start = {100, 0, 0, 1, 1, 2007};
    regatta.end = {-5, 0, 0, 1, 1, 4};
    formatRegattaTimeTexts(regatta);
    for (const std::string& text : regatta.timeTexts) EXPECT_EQ(text.size(), 2u) << text;
}

} // namespace
} // namespace wg
