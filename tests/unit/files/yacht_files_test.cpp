#include <gtest/gtest.h>

#include "files/file_names.h"
#include "files/yacht_master_file.h"
#include "files/yacht_regatta_file.h"
#include "support/temp_dir.h"
#include "support/virtual_clock.h"

namespace wg {
namespace {

YachtRecord blueStar() {
    YachtRecord y;
    y.masterFileName = "Sommer04-GER12.ysd";
    y.regattaFileName = "Sommer04-GER12.yrd";
    y.yachtName = "Blue Star";
    y.yachtId = "GER12";
    y.serialNumber = "4711";
    y.operatingMode = 3;
    y.sealCount = 2;
    return y;
}

const std::string kBlueStarHeader =
    "$Dateikennung                           Yachtdaten\r\n"
    "$Yachtname                              Blue Star\r\n"
    "$Yacht-ID                               GER12\r\n"
    "$ERLG-Seriennummer                      4711\r\n"
    "$Betriebsart                            3\r\n"
    "$Siegel-Anzahl                          2\r\n";

TEST(YachtMasterFile, WrittenByteForByteWithoutEndMarker) {
    test::TempDir dir;
    dir.write("Sommer04-GER12.ysd", std::string(4000, 'x'));
    ASSERT_EQ(writeYachtMasterData(blueStar(), dir.programDir()), kStatusOk);
    EXPECT_EQ(dir.read("Sommer04-GER12.ysd"), kBlueStarHeader);
}

class YachtRoundTrip : public ::testing::TestWithParam<YachtRecord> {};

TEST_P(YachtRoundTrip, ReadsBackWithStatusN) {
    test::TempDir dir;
    const YachtRecord& written = GetParam();
    ASSERT_EQ(writeYachtMasterData(written, dir.programDir()), kStatusOk);
    YachtRecord back;
    back.masterFileName = written.masterFileName;
    test::VirtualClock clock;
    EXPECT_EQ(readYachtMasterData(back, dir.programDir(), clock), kStatusNoEndMarker);
    EXPECT_EQ(back.yachtName, written.yachtName);
    EXPECT_EQ(back.yachtId, written.yachtId);
    EXPECT_EQ(back.serialNumber, written.serialNumber);
    EXPECT_EQ(back.operatingMode, written.operatingMode);
    EXPECT_EQ(back.sealCount, written.sealCount);
    EXPECT_EQ(back.masterFileName, written.masterFileName.substr(0, written.masterFileName.size() - 4));
    EXPECT_EQ(clock.nowMs(), 0);
}

YachtRecord yacht(std::string file, std::string name, std::string id, std::string serial, int mode, int seals) {
    YachtRecord y;
    y.masterFileName = std::move(file);
    y.yachtName = std::move(name);
    y.yachtId = std::move(id);
    y.serialNumber = std::move(serial);
    y.operatingMode = mode;
    y.sealCount = seals;
    return y;
}

INSTANTIATE_TEST_SUITE_P(Records, YachtRoundTrip,
                         ::testing::Values(blueStar(),
                                           yacht("-X.ysd", "Y", "X", "1", 1, 0),
                                           yacht("R-GER1.ysd", "Die flotte Möwe von Kiel", "GER1", "AB-99", 5, 9999),
                                           yacht("R-ID.ysd", std::string(63, 'n'), std::string(15, 'i'),
                                                 std::string(15, 's'), -1, 0)));

TEST(YachtMasterFile, EmptyTextsLeaveTheirEntriesOut) {
    test::TempDir dir;
    YachtRecord y = yacht("R-.ysd", "  ", "", "", 2, 1);
    ASSERT_EQ(writeYachtMasterData(y, dir.programDir()), kStatusOk);
    EXPECT_EQ(dir.read("R-.ysd"),
              "$Dateikennung                           Yachtdaten\r\n"
              "$Betriebsart                            2\r\n"
              "$Siegel-Anzahl                          1\r\n");
    YachtRecord back;
    back.masterFileName = "R-.ysd";
    test::VirtualClock clock;
    EXPECT_EQ(readYachtMasterData(back, dir.programDir(), clock), kStatusNoEndMarker);
    EXPECT_EQ(back.yachtName, "");
    EXPECT_EQ(back.operatingMode, 2);
    EXPECT_EQ(back.sealCount, 1);
}

TEST(YachtMasterFile, OverlongValuesAreCutToTheirFields) {
    test::TempDir dir;
    YachtRecord y = yacht("R-L.ysd", std::string(70, 'n'), std::string(40, 'i'), std::string(20, 's'), 1, 1);
    ASSERT_EQ(writeYachtMasterData(y, dir.programDir()), kStatusOk);
    YachtRecord back;
    back.masterFileName = "R-L.ysd";
    test::VirtualClock clock;
    EXPECT_EQ(readYachtMasterData(back, dir.programDir(), clock), kStatusNoEndMarker);
    EXPECT_EQ(back.yachtName, std::string(63, 'n'));
    EXPECT_EQ(back.yachtId, std::string(15, 'i'));
    EXPECT_EQ(back.serialNumber, std::string(15, 's'));
}

TEST(YachtMasterFile, PathAndBaseNameRules) {
    test::TempDir dir;
    dir.write("R-A.ysd", kBlueStarHeader);
    test::VirtualClock clock;

    YachtRecord byName;
    byName.masterFileName = "R-A.ysd";  // looked for in the directory
    EXPECT_EQ(readYachtMasterData(byName, dir.programDir(), clock), kStatusNoEndMarker);
    EXPECT_EQ(byName.masterFileName, "R-A");
    EXPECT_EQ(byName.yachtId, "GER12");

    YachtRecord byPath;
    byPath.masterFileName = dir.programPath("R-A.ysd");  // as the open-file dialog leaves it
    EXPECT_EQ(readYachtMasterData(byPath, "nirgends\\", clock), kStatusNoEndMarker);
    EXPECT_EQ(byPath.masterFileName, "R-A");
    EXPECT_EQ(byPath.yachtName, "Blue Star");

    YachtRecord missing;
    missing.yachtId = "alt";
    missing.masterFileName = "Fehlt-X.ysd";
    EXPECT_EQ(readYachtMasterData(missing, dir.programDir(), clock), kStatusCannotOpen);
    EXPECT_EQ(missing.masterFileName, "Fehlt-X");
    EXPECT_EQ(missing.yachtId, "alt");

    // A base name of four characters or fewer has nothing before an extension.
    YachtRecord shortName;
    shortName.masterFileName = "-";
    EXPECT_EQ(readYachtMasterData(shortName, dir.programDir(), clock), kStatusCannotOpen);
    EXPECT_EQ(shortName.masterFileName, "");
}

struct ReadCase {
    const char* what;
    std::string bytes;
    Status status;
    const char* yachtId;
    std::int32_t sealCount;
};

class YachtReadCases : public ::testing::TestWithParam<ReadCase> {};

TEST_P(YachtReadCases, StatusAndWhatStays) {
    const ReadCase& c = GetParam();
    test::TempDir dir;
    dir.write("Fall.ysd", c.bytes);
    YachtRecord y;
    y.yachtId = "alt";
    y.sealCount = 7;
    y.masterFileName = "Fall.ysd";
    test::VirtualClock clock;
    EXPECT_EQ(readYachtMasterData(y, dir.programDir(), clock), c.status) << c.what;
    EXPECT_EQ(y.yachtId, c.yachtId) << c.what;
    EXPECT_EQ(y.sealCount, c.sealCount) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Files, YachtReadCases,
    ::testing::Values(
        ReadCase{"regatta file given the extension .ysd",
                 "$Siegel-Anzahl 3\r\n$Datei-Kennung Regattastammdaten\r\n$Dateikennung Regattastammdaten\r\n"
                 "$Yacht-ID NEU\r\n",
                 kStatusWrongFileKind, "alt", 3},
        ReadCase{"ends with an end marker", "$Dateikennung Yachtdaten\r\n$Yacht-ID NEU\r\n#", kStatusOk, "NEU", 7},
        ReadCase{"digit at the start of a line", "$Yacht-ID NEU\r\n4 Siegel\r\n$Siegel-Anzahl 4\r\n",
                 kStatusBadCharacter, "NEU", 7},
        ReadCase{"empty file", "", kStatusNoEndMarker, "alt", 7}));

// --- yacht regatta data file -------------------------------------------------

TEST(YachtRegattaFile, HeaderEventsEndLineAndFinishBlocksByteForByte) {
    test::TempDir dir;
    YachtRecord y = blueStar();
    std::string events = eventLine("Start : 01.06.04 um 09:00:00") + eventLine("Generator\r Ein\r : 01.06.04 um 10:00:00") +
                         eventLine("\r") + eventLine("");
    const std::string last = "Ereignisspeicher leer";
    ASSERT_TRUE(endsEventBlock(last));
    events += endLine();
    ASSERT_EQ(writeYachtRegattaFile(y, dir.programDir(), events), kStatusOk);

    y.finish = FinishTime{14, 5, 9, 3, 6, 4};
    ASSERT_EQ(appendFinishTime(y, dir.programDir()), kStatusOk);
    y.finish = FinishTime{15, 0, 0, 4, 6, 4};
    ASSERT_EQ(appendFinishTime(y, dir.programDir()), kStatusOk);

    EXPECT_EQ(dir.read("Sommer04-GER12.yrd"),
              kBlueStarHeader +
                  "$Start : 01.06.04 um 09:00:00\r\n"
                  "$Generator Ein : 01.06.04 um 10:00:00\r\n"
                  "$\r\n"
                  "$\r\n"
                  "$Ereigniss Ende\r\n"
                  "$Zielzeit_Stunde                        14\r\n"
                  "$Zielzeit_Minute                        5\r\n"
                  "$Zielzeit_Sekunde                       9\r\n"
                  "$Zielzeit_Tag                           3\r\n"
                  "$Zielzeit_Monat                         6\r\n"
                  "$Zielzeit_Jahr                          4\r\n"
                  "$Zielzeit_Stunde                        15\r\n"
                  "$Zielzeit_Minute                        0\r\n"
                  "$Zielzeit_Sekunde                       0\r\n"
                  "$Zielzeit_Tag                           4\r\n"
                  "$Zielzeit_Monat                         6\r\n"
                  "$Zielzeit_Jahr                          4\r\n");
}

TEST(YachtRegattaFile, OnlyLinesStartingWithEreignissEndTheBlock) {
    EXPECT_TRUE(endsEventBlock("Ereigniss Ende"));
    EXPECT_TRUE(endsEventBlock("Ereignisspeicher leer"));
    EXPECT_FALSE(endsEventBlock("Ereignis"));
    EXPECT_FALSE(endsEventBlock(" Ereigniss"));
    EXPECT_FALSE(endsEventBlock(""));
}

TEST(YachtRegattaFile, HeaderIsReadByTheYachtMasterReader) {
    test::TempDir dir;
    YachtRecord y = blueStar();
    ASSERT_EQ(writeYachtRegattaFile(y, dir.programDir(),
                                    eventLine("Stecker abgezogen : 01.06.04 um 08:00:00") + endLine()),
              kStatusOk);
    ASSERT_EQ(appendFinishTime(y, dir.programDir()), kStatusOk);
    YachtRecord back;
    back.masterFileName = dir.programPath("Sommer04-GER12.yrd");
    test::VirtualClock clock;
    EXPECT_EQ(readYachtMasterData(back, "unbenutzt\\", clock), kStatusNoEndMarker);
    EXPECT_EQ(back.masterFileName, "Sommer04-GER12");
    EXPECT_EQ(back.yachtName, "Blue Star");
    EXPECT_EQ(back.serialNumber, "4711");
    EXPECT_EQ(back.operatingMode, 3);
    EXPECT_EQ(back.sealCount, 2);
}

TEST(YachtRegattaFile, ASecondReadoutReplacesTheFileWithItsFinishBlocks) {
    test::TempDir dir;
    YachtRecord y = blueStar();
    ASSERT_EQ(writeYachtRegattaFile(y, dir.programDir(), eventLine("alt") + endLine()), kStatusOk);
    ASSERT_EQ(appendFinishTime(y, dir.programDir()), kStatusOk);
    ASSERT_EQ(writeYachtRegattaFile(y, dir.programDir(), endLine()), kStatusOk);
    EXPECT_EQ(dir.read("Sommer04-GER12.yrd"), kBlueStarHeader + "$Ereigniss Ende\r\n");
}

TEST(YachtRegattaFile, AppendCreatesAMissingFileAndFailsWithoutDirectory) {
    test::TempDir dir;
    YachtRecord y = blueStar();
    EXPECT_EQ(appendFinishTime(y, dir.programDir()), kStatusOk);
    EXPECT_EQ(dir.read("Sommer04-GER12.yrd").substr(0, 17), "$Zielzeit_Stunde ");
    EXPECT_EQ(appendFinishTime(y, dir.programDir() + "fehlt\\"), kStatusCannotWrite);
}

TEST(YachtFileNames, ComposedInOnePlace) {
    EXPECT_EQ(yachtMasterFileName("Sommer04", "GER12"), "Sommer04-GER12.ysd");
    EXPECT_EQ(yachtRegattaFileName("Sommer04", "GER12"), "Sommer04-GER12.yrd");
    EXPECT_EQ(yachtRegattaFileName("", "GER12"), "-GER12.yrd");
    // Longer than the yacht record's field: no name rather than a cut one.
    EXPECT_EQ(yachtRegattaFileName(std::string(240, 'r'), std::string(15, 'i')), "");
    EXPECT_EQ(yachtRegattaFileName(std::string(235, 'r'), std::string(15, 'i')).size(), 255u);
}

TEST(YachtFiles, UnsafeNamesAreRefusedAndNothingIsWritten) {
    test::TempDir dir;
    dir.makeDirectory("Daten");
    const std::string data = dir.programDir() + "Daten\\";
    for (const char* id : {"..\\..\\boot", "a/b", "C:x", "x*", "GER?1", "a\"b", "<x>", "a|b", "\t1", "x\x7f"}) {
        YachtRecord y = blueStar();
        y.yachtId = id;
        y.masterFileName = yachtMasterFileName("R", id);
        y.regattaFileName = yachtRegattaFileName("R", id);
        EXPECT_EQ(writeYachtMasterData(y, data), kStatusCannotWrite) << id;
        EXPECT_EQ(writeYachtRegattaFile(y, data, endLine()), kStatusCannotWrite) << id;
        EXPECT_EQ(appendFinishTime(y, data), kStatusCannotWrite) << id;
    }
    for (const char* name : {"CON", "nul.ysd", "Com1.yrd", "LPT9", ""}) {
        YachtRecord y = blueStar();
        y.masterFileName = name;
        y.regattaFileName = name;
        EXPECT_EQ(writeYachtMasterData(y, data), kStatusCannotWrite) << name;
        EXPECT_EQ(appendFinishTime(y, data), kStatusCannotWrite) << name;
    }
    EXPECT_EQ(dir.fileCount(), 0u);
}

TEST(YachtFiles, FailedWriteLeavesTheOldFileAsItWas) {
    test::TempDir dir;
    dir.write("Sommer04-GER12.ysd", "alt");
    dir.write("Sommer04-GER12.yrd", "alt");
    dir.makeDirectory("Sommer04-GER12.ysd.wg-new");
    dir.makeDirectory("Sommer04-GER12.yrd.wg-new");
    EXPECT_EQ(writeYachtMasterData(blueStar(), dir.programDir()), kStatusCannotWrite);
    EXPECT_EQ(writeYachtRegattaFile(blueStar(), dir.programDir(), endLine()), kStatusCannotWrite);
    EXPECT_EQ(dir.read("Sommer04-GER12.ysd"), "alt");
    EXPECT_EQ(dir.read("Sommer04-GER12.yrd"), "alt");
}

} // namespace
} // namespace wg
