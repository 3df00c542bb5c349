#include <gtest/gtest.h>

#include "files/settings.h"
#include "support/temp_dir.h"
#include "support/virtual_clock.h"

namespace wg {
namespace {

const std::string kWritten =
    "$Windowgroesse_x                            800\r\n"
    "$Windowgroesse_y                            600\r\n"
    "$Passwort                                   geheim\r\n"
    "$Zeitzone                                   2\r\n"
    "#";

TEST(SettingsFile, WrittenByteForByteAndReadBack) {
    test::TempDir dir;
    Settings settings{800, 600, "geheim", 2};
    ASSERT_EQ(writeSettings(dir.programDir(), settings), kStatusOk);
    EXPECT_EQ(dir.read("Wakeguard.ini"), kWritten);

    Settings back;
    test::VirtualClock clock;
    EXPECT_EQ(readSettings(dir.programDir(), back, clock), kStatusOk);
    EXPECT_EQ(back.windowWidth, 800);
    EXPECT_EQ(back.windowHeight, 600);
    EXPECT_EQ(back.password, "geheim");
    EXPECT_EQ(back.timeZone, 2);
}

TEST(SettingsFile, ReplacesAnOldFileWhole) {
    test::TempDir dir;
    dir.write("Wakeguard.ini", std::string(5000, 'x'));
    ASSERT_EQ(writeSettings(dir.programDir(), Settings{800, 600, "geheim", 2}), kStatusOk);
    EXPECT_EQ(dir.read("Wakeguard.ini"), kWritten);
}

TEST(SettingsFile, EmptyPasswordReadsBackEmptyAndKeepsTheRest) {
    test::TempDir dir;
    ASSERT_EQ(writeSettings(dir.programDir(), Settings{0, 0, "", 1}), kStatusOk);
    EXPECT_EQ(dir.read("Wakeguard.ini"),
              "$Windowgroesse_x                            0\r\n"
              "$Windowgroesse_y                            0\r\n"
              "$Zeitzone                                   1\r\n#");
    Settings back{5, 5, "alt", 0};
    test::VirtualClock clock;
    EXPECT_EQ(readSettings(dir.programDir(), back, clock), kStatusOk);
    EXPECT_EQ(back.password, "alt");  // a key the file lacks keeps its value
    EXPECT_EQ(back.timeZone, 1);
}

TEST(SettingsFile, UnwritableDirectoryGivesO) {
    test::TempDir dir;
    EXPECT_EQ(writeSettings(dir.programDir() + "missing\\", Settings{}), kStatusCannotWrite);
}

struct ReadCase {
    const char* what;
    const char* bytes;  // nullptr: no file
    Status status;
    Settings expected;
};

class SettingsReadCases : public ::testing::TestWithParam<ReadCase> {};

TEST_P(SettingsReadCases, KeepsStartValuesForWhatIsMissing) {
    const ReadCase& c = GetParam();
    test::TempDir dir;
    if (c.bytes) dir.write("Wakeguard.ini", c.bytes);
    Settings settings;
    test::VirtualClock clock;
    EXPECT_EQ(readSettings(dir.programDir(), settings, clock), c.status) << c.what;
    EXPECT_EQ(settings.windowWidth, c.expected.windowWidth) << c.what;
    EXPECT_EQ(settings.windowHeight, c.expected.windowHeight) << c.what;
    EXPECT_EQ(settings.password, c.expected.password) << c.what;
    EXPECT_EQ(settings.timeZone, c.expected.timeZone) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Settings, SettingsReadCases,
    ::testing::Values(
        ReadCase{"no file", nullptr, kStatusCannotOpen, Settings{}},
        ReadCase{"only the end marker", "#", kStatusOk, Settings{}},
        ReadCase{"no Zeitzone line", "$Windowgroesse_x 640\r\n$Passwort pw\r\n#", kStatusOk, Settings{640, 0, "pw", 0}},
        ReadCase{"password without value takes the next key",
                 "$Passwort\r\n$Zeitzone                                   1\r\n#", kStatusBadCharacter,
                 Settings{0, 0, "$Zeitzone", 0}},
        ReadCase{"no end marker", "$Zeitzone 1\r\n", kStatusNoEndMarker, Settings{0, 0, "", 1}},
        ReadCase{"overlong password cut to its field", "$Passwort 0123456789012345678901234567890123456789\r\n#",
                 kStatusOk, Settings{0, 0, "0123456789012345678901234567890", 0}}));

} // namespace
} // namespace wg
