#include <gtest/gtest.h>

#include "files/regatta_file.h"
#include "support/temp_dir.h"
#include "support/virtual_clock.h"

namespace wg {
namespace {

RegattaRecord kieler() {
    RegattaRecord r;
    r.designation = "Kieler Woche 2004";
    r.starters = 42;
    r.start = TimeOfRegatta{5, 9, 0, 3, 6, 4};
    r.end = TimeOfRegatta{30, 17, 0, 3, 6, 4};
    return r;
}

const std::string kKielerBytes =
    "$Datei-Kennung                             Regattastammdaten\r\n"
    "$Startzeit-Minuten                         5\r\n"
    "$Startzeit-Stunden                         9\r\n"
    "$Startzeit-Tag                             3\r\n"
    "$Startzeit-Monat                           6\r\n"
    "$Startzeit-Jahr                            4\r\n"
    "$Zielzeit-Minuten                          30\r\n"
    "$Zielzeit-Stunden                          17\r\n"
    "$Zielzeit-Tag                              3\r\n"
    "$Zielzeit-Monat                            6\r\n"
    "$Zielzeit-Jahr                             4\r\n"
    "$Regattabezeichnung                        Kieler Woche 2004\r\n"
    "$Teilnehmerzahl                            42\r\n"
    "#";

void expectSameData(const RegattaRecord& a, const RegattaRecord& b, const std::string& what) {
    EXPECT_EQ(a.designation, b.designation) << what;
    EXPECT_EQ(a.starters, b.starters) << what;
    for (auto [x, y] : {std::pair{a.start, b.start}, std::pair{a.end, b.end}}) {
        EXPECT_EQ(x.minute, y.minute) << what;
        EXPECT_EQ(x.hour, y.hour) << what;
        EXPECT_EQ(x.day, y.day) << what;
        EXPECT_EQ(x.month, y.month) << what;
        EXPECT_EQ(x.year, y.year) << what;
    }
}

TEST(RegattaFile, WrittenByteForByte) {
    test::TempDir dir;
    dir.write("Kieler.rsd", std::string(3000, 'x'));  // an old file is replaced whole
    ASSERT_EQ(writeRegattaData(kieler(), "Kieler.rsd", dir.programDir()), kStatusOk);
    EXPECT_EQ(dir.read("Kieler.rsd"), kKielerBytes);
}

TEST(RegattaFile, WritingChangesNeitherPathNorRegattaFileName) {
    test::TempDir dir;
    RegattaRecord r = kieler();
    r.path = "..\\Daten\\Alt.rsd";
    r.regattaFileName = "Alt";
    ASSERT_EQ(writeRegattaData(r, "Neu.rsd", dir.programDir()), kStatusOk);
    EXPECT_EQ(r.path, "..\\Daten\\Alt.rsd");
    EXPECT_EQ(r.regattaFileName, "Alt");
}

class RegattaRoundTrip : public ::testing::TestWithParam<RegattaRecord> {};

TEST_P(RegattaRoundTrip, ReadsBackWhatWasWritten) {
    test::TempDir dir;
    const RegattaRecord& written = GetParam();
    ASSERT_EQ(writeRegattaData(written, "Runde.rsd", dir.programDir()), kStatusOk);
    RegattaRecord back;
    back.path = dir.programPath("Runde.rsd");
    test::VirtualClock clock;
    EXPECT_EQ(readRegattaData(back, clock), kStatusOk);
    expectSameData(written, back, written.designation);
    EXPECT_EQ(back.regattaFileName, "Runde");
}

RegattaRecord with(std::string designation, std::int32_t starters, TimeOfRegatta start, TimeOfRegatta end) {
    RegattaRecord r;
    r.designation = std::move(designation);
    r.starters = starters;
    r.start = start;
    r.end = end;
    return r;
}

INSTANTIATE_TEST_SUITE_P(
    Records, RegattaRoundTrip,
    ::testing::Values(kieler(),
                      with("X", 0, {}, {}),
                      with("Rund um Fehmarn - Nordseewoche 3", -7, {59, 23, 0, 31, 12, 99}, {0, 0, 0, 1, 1, 3}),
                      with("Sommer-Regatta Ü30 für Jollen", 2147483647, {1, 2, 0, 3, 4, 5}, {6, 7, 0, 8, 9, 10}),
                      with(std::string(255, 'L'), 12, {}, {}),
                      with("$Teilnehmerzahl 5 # / zwei", 3, {}, {})));

struct ReadCase {
    const char* what;
    std::string bytes;
    Status status;
    std::string designation;
    std::int32_t starters;
};

class RegattaReadCases : public ::testing::TestWithParam<ReadCase> {};

TEST_P(RegattaReadCases, KeepsWhatTheFileDoesNotSet) {
    const ReadCase& c = GetParam();
    test::TempDir dir;
    dir.write("Fall.rsd", c.bytes);
    RegattaRecord r;
    r.designation = "vorher";
    r.starters = 17;
    r.path = dir.programPath("Fall.rsd");
    test::VirtualClock clock;
    EXPECT_EQ(readRegattaData(r, clock), c.status) << c.what;
    EXPECT_EQ(r.designation, c.designation) << c.what;
    EXPECT_EQ(r.starters, c.starters) << c.what;
    EXPECT_EQ(r.regattaFileName, "Fall") << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Files, RegattaReadCases,
    ::testing::Values(
        ReadCase{"wrong identification",
                 "$Datei-Kennung Yachtdaten\r\n$Regattabezeichnung Neu\r\n$Teilnehmerzahl 3\r\n#",
                 kStatusWrongFileKind, "vorher", 17},
        ReadCase{"entries before a wrong identification stay",
                 "$Teilnehmerzahl 3\r\n$Datei-Kennung Yachtdaten\r\n$Regattabezeichnung Neu\r\n#",
                 kStatusWrongFileKind, "vorher", 3},
        ReadCase{"no identification entry", "$Regattabezeichnung Neu Alt\r\n$Teilnehmerzahl 3\r\n#", kStatusOk,
                 "Neu Alt", 3},
        ReadCase{"no Teilnehmerzahl", "$Datei-Kennung Regattastammdaten\r\n$Regattabezeichnung Neu\r\n#",
                 kStatusOk, "Neu", 17},
        ReadCase{"entries in any order, LF line ends",
                 "$Teilnehmerzahl 9\n$Regattabezeichnung Ganz hinten\n$Datei-Kennung Regattastammdaten\n#",
                 kStatusOk, "Ganz hinten", 9},
        ReadCase{"designation longer than its field is cut",
                 "$Regattabezeichnung " + std::string(300, 'w') + "\r\n#", kStatusOk,
                 std::string(255, 'w'),
                 17},
        ReadCase{"a bad character stops the read", "$Teilnehmerzahl 4\r\nTeilnehmerzahl 5\r\n#", kStatusBadCharacter,
                 "vorher", 4}));

TEST(RegattaFile, MissingEndMarkerTakesTheHundredSecondLimit) {
    test::TempDir dir;
    dir.write("Offen.rsd", "$Teilnehmerzahl 4\r\n");
    RegattaRecord r;
    r.path = dir.programPath("Offen.rsd");
    test::VirtualClock clock;
    EXPECT_EQ(readRegattaData(r, clock), kStatusNoEndMarker);
    EXPECT_EQ(r.starters, 4);
    EXPECT_GE(clock.nowMs(), 100000);
    EXPECT_LT(clock.nowMs(), 101000);
}

TEST(RegattaFile, RegattaFileNameIsTheLastFileReadAlsoWhenItFails) {
    test::TempDir dir;
    ASSERT_EQ(writeRegattaData(kieler(), "Kieler2004.rsd", dir.programDir()), kStatusOk);
    RegattaRecord r;
    test::VirtualClock clock;
    r.path = dir.programPath("Kieler2004.rsd");
    EXPECT_EQ(readRegattaData(r, clock), kStatusOk);
    EXPECT_EQ(r.regattaFileName, "Kieler2004");
    r.path = dir.programPath("Abc.rsd");  // no such file
    EXPECT_EQ(readRegattaData(r, clock), kStatusCannotOpen);
    EXPECT_EQ(r.regattaFileName, "Abc");
    EXPECT_EQ(r.designation, "Kieler Woche 2004");
    dir.write("Abc.rsd", "$Teilnehmerzahl 5\r\n#");
    EXPECT_EQ(readRegattaData(r, clock), kStatusOk);
    EXPECT_EQ(r.regattaFileName, "Abc");
    EXPECT_EQ(r.starters, 5);
    EXPECT_EQ(r.designation, "Kieler Woche 2004");  // the record is never cleared
}

TEST(RegattaFile, RegattaFileNameRule) {
    struct Case {
        const char* path;
        const char* name;
    };
    for (const Case& c : {Case{"..\\Daten\\Sommer04.rsd", "Sommer04"}, Case{"C:Sommer04.rsd", "Sommer04"},
                          Case{"Sommer04.rsd", "Sommer04"}, Case{"C:\\a:b\\x.rsd", "x"},
                          Case{"..\\Daten\\.rsd", ""}, Case{"ab", ""}, Case{"..\\Daten\\a.rsd", "a"}}) {
        RegattaRecord r;
        r.regattaFileName = "alt";
        r.path = c.path;
        test::VirtualClock clock;
        readRegattaData(r, clock);
        EXPECT_EQ(r.regattaFileName, c.name) << c.path;
    }
}

TEST(RegattaFile, RefusedOrFailedWritesLeaveTheOldFileAsItWas) {
    test::TempDir dir;
    dir.write("Alt.rsd", "alter Inhalt");
    // The new file cannot be written beside the old one.
    dir.makeDirectory("Alt.rsd.wg-new");
    EXPECT_EQ(writeRegattaData(kieler(), "Alt.rsd", dir.programDir()), kStatusCannotWrite);
    EXPECT_EQ(dir.read("Alt.rsd"), "alter Inhalt");
    EXPECT_EQ(writeRegattaData(kieler(), "Neu.rsd", dir.programDir() + "fehlt\\"), kStatusCannotWrite);
    EXPECT_FALSE(dir.exists("fehlt"));
}

TEST(RegattaFile, EmptyDesignationLeavesItsEntryOut) {
    test::TempDir dir;
    RegattaRecord r = kieler();
    r.designation = " \t ";
    ASSERT_EQ(writeRegattaData(r, "Leer.rsd", dir.programDir()), kStatusOk);
    std::string expected = kKielerBytes;
    const std::string line = "$Regattabezeichnung                        Kieler Woche 2004\r\n";
    expected.erase(expected.find(line), line.size());
    EXPECT_EQ(dir.read("Leer.rsd"), expected);

    RegattaRecord back;
    back.path = dir.programPath("Leer.rsd");
    test::VirtualClock clock;
    EXPECT_EQ(readRegattaData(back, clock), kStatusOk);
    EXPECT_EQ(back.designation, "");
    EXPECT_EQ(back.starters, 42);
}

TEST(RegattaFile, WriterNormalisesBlanksItCouldNotReadBack) {
    test::TempDir dir;
    RegattaRecord r = kieler();
    r.designation = " Kieler \t Woche  ";
    ASSERT_EQ(writeRegattaData(r, "Blanks.rsd", dir.programDir()), kStatusOk);
    RegattaRecord back;
    back.path = dir.programPath("Blanks.rsd");
    test::VirtualClock clock;
    EXPECT_EQ(readRegattaData(back, clock), kStatusOk);
    EXPECT_EQ(back.designation, "Kieler Woche");
    EXPECT_EQ(back.starters, 42);
}

} // namespace
} // namespace wg
