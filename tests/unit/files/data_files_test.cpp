#include <gtest/gtest.h>

#include "files/file_names.h"
#include "files/regatta_file.h"
#include "files/settings.h"
#include "files/yacht_master_file.h"
#include "files/yacht_regatta_file.h"
#include "support/drive_room.h"
#include "support/fakes.h"
#include "support/temp_dir.h"
#include "support/yrd_text.h"

#pragma GCC diagnostic ignored "-Wmissing-field-initializers"  // records with the fields a test needs

namespace wg::test {
namespace {

std::string shown(const Settings& s) {
    return std::to_string(s.windowWidth) + " " + std::to_string(s.windowHeight) + " " + s.password + " " +
           std::to_string(s.timeZone);
}

TEST(SettingsFile, WrittenByteForByteWithoutAnEmptyPasswordAndReadKeepingWhatIsMissing) {
    TempDir dir;
    dir.write("Wakeguard.ini", std::string(5000, 'x'));  // an old file is replaced whole
    ASSERT_EQ(writeSettings(dir.programDir(), Settings{800, 600, "geheim", 2}), kStatusOk);
    EXPECT_EQ(dir.read("Wakeguard.ini"), entry("Windowgroesse_x", "800", 44) + entry("Windowgroesse_y", "600", 44) +
                                             entry("Passwort", "geheim", 44) + entry("Zeitzone", "2", 44) + "#");
    Settings back;
    VirtualClock clock;
    EXPECT_EQ(readSettings(dir.programDir(), back, clock), kStatusOk);
    EXPECT_EQ(shown(back), "800 600 geheim 2");
    ASSERT_EQ(writeSettings(dir.programDir(), Settings{0, 0, "", 1}), kStatusOk);
    EXPECT_EQ(readSettings(dir.programDir(), back, clock), kStatusOk);
    EXPECT_EQ(shown(back), "0 0 geheim 1");  // a key the file lacks keeps its value
    EXPECT_EQ(writeSettings(dir.programDir() + "missing\\", back), kStatusCannotWrite);
    const std::tuple<const char*, Status, const char*> reads[] = {
        {nullptr, kStatusCannotOpen, "0 0  0"},
        {"$Passwort\r\n$Zeitzone 1\r\n#", kStatusBadCharacter, "0 0 $Zeitzone 0"},
        {"$Zeitzone 1\r\n", kStatusNoEndMarker, "0 0  1"},
        {"$Passwort 0123456789012345678901234567890123456789\r\n#", kStatusOk, "0 0 0123456789012345678901234567890 0"}};
    for (const auto& [bytes, status, values] : reads) {
        TempDir fresh;
        if (bytes) fresh.write("Wakeguard.ini", bytes);
        Settings s;
        const Status read = readSettings(fresh.programDir(), s, clock);
        EXPECT_EQ(std::tuple(read, shown(s)), std::tuple(status, values));
    }
}

TEST(FileNames, SafeNamesStayInTheDataDirectoryAndNameNoDevice) {
    for (const char* good : {"Sommer04.rsd", "Kieler Woche.rsd", "a", "-GER12.yrd", "Möwe-1.ysd", "...rsd",
                             "CONSOLE.rsd", "COM10.rsd", "LPT0.rsd", "COMA.rsd", "ABC1.ysd", "x.con"})
        EXPECT_TRUE(isSafeFileName(good)) << good;
    for (const char* bad : {"", ".", "..", "..\\x.rsd", "a/b", "C:x", "a*b", "a?b", "a\"b", "a<b", "a>b", "a|b",
                            "a\tb", "\x01x", "x\x7f", "CON", "con.rsd", "Prn.rsd", "AUX", "nul.ysd", "COM1.yrd",
                            "com9", "LPT1.rsd", "CON .rsd", "conin$", "conout$.rsd", "COM\xb9.rsd", "LPT\xb3"})
        EXPECT_FALSE(isSafeFileName(bad)) << bad;
    EXPECT_EQ(yachtMasterFileName("S", "GER12") + yachtRegattaFileName("", "GER12"), "S-GER12.ysd-GER12.yrd");
    // Longer than the yacht record's field: no name rather than a cut one.
    EXPECT_EQ(std::tuple(yachtRegattaFileName(std::string(240, 'r'), std::string(15, 'i')),
                         yachtRegattaFileName(std::string(235, 'r'), std::string(15, 'i')).size()), std::tuple("", 255u));
}

TEST(FileNames, EveryWriterRefusesUnsafeNamesAndAFailedWriteLeavesTheOldFile) {
    TempDir dir;
    dir.makeDirectory("Daten");
    const std::string data = dir.programDir() + "Daten\\";
    for (const char* name : {"..\\..\\Weg.rsd", "sub/Weg", "C:Weg", "W*g", "NUL.rsd", "Com1.yrd", "a|b", ""}) {
        YachtRecord yacht;
        yacht.masterFileName = yacht.regattaFileName = name;
        EXPECT_EQ(writeRegattaData(RegattaRecord(), name, data), kStatusCannotWrite) << name;
        EXPECT_EQ(writeYachtMasterData(yacht, data), kStatusCannotWrite) << name;
        EXPECT_EQ(appendFinishTime(yacht, data, false).status, kStatusCannotWrite) << name;
    }
    EXPECT_EQ(dir.fileCount(), 0u);
#ifndef _WIN32
    YachtRecord yacht;
    yacht.masterFileName = "S.ysd";
    for (const char* name : {"S.rsd", "S.ysd", "Wakeguard.ini"}) dir.write(name, "alt");
    {
        const DriveRoom full(0);  // the new file cannot be written beside the old one
        EXPECT_EQ(writeRegattaData(RegattaRecord(), "S.rsd", dir.programDir()), kStatusDriveFull);
        EXPECT_EQ(writeYachtMasterData(yacht, dir.programDir()), kStatusDriveFull);
        EXPECT_EQ(writeSettings(dir.programDir(), Settings{}), kStatusDriveFull);
    }
    for (const char* name : {"S.rsd", "S.ysd", "Wakeguard.ini"}) EXPECT_EQ(dir.read(name), "alt") << name;
    EXPECT_EQ(dir.fileCount(), 3u);  // nothing temporary left
#endif
}

RegattaRecord regattaOf(std::string designation, std::int32_t starters, TimeOfRegatta start = {},
                        TimeOfRegatta end = {}) {
    return {.designation = designation, .starters = starters, .start = start, .end = end};
}

std::string shown(const RegattaRecord& r) {
    std::string text = r.designation + "|" + std::to_string(r.starters);
    for (const TimeOfRegatta& t : {r.start, r.end})
        for (std::int32_t v : {t.minute, t.hour, t.day, t.month, t.year}) text.append(" ").append(std::to_string(v));
    return text;
}

TEST(RegattaFile, WrittenByteForByteAndReadBackWithItsBlanksNormalised) {
    TempDir dir;
    dir.write("Kieler.rsd", std::string(3000, 'x'));
    RegattaRecord kieler = regattaOf("Kieler Woche 2004", 42, {5, 9, 0, 3, 6, 4}, {30, 17, 0, 3, 6, 4});
    kieler.path = "..\\Daten\\Alt.rsd";
    ASSERT_EQ(writeRegattaData(kieler, "Kieler.rsd", dir.programDir()), kStatusOk);
    EXPECT_EQ(kieler.path, "..\\Daten\\Alt.rsd");
    std::string rsd;
    for (auto [key, value] : {std::pair{"Datei-Kennung", "Regattastammdaten"}, {"Startzeit-Minuten", "5"},
                              {"Startzeit-Stunden", "9"}, {"Startzeit-Tag", "3"}, {"Startzeit-Monat", "6"},
                              {"Startzeit-Jahr", "4"}, {"Zielzeit-Minuten", "30"}, {"Zielzeit-Stunden", "17"},
                              {"Zielzeit-Tag", "3"}, {"Zielzeit-Monat", "6"}, {"Zielzeit-Jahr", "4"},
                              {"Regattabezeichnung", "Kieler Woche 2004"}, {"Teilnehmerzahl", "42"}})
        rsd += entry(key, value, 43);
    EXPECT_EQ(dir.read("Kieler.rsd"), rsd + "#");
    const std::pair<RegattaRecord, std::string> cases[] = {
        {kieler, "Kieler Woche 2004"},
        {regattaOf("Rund um Fehmarn", -7, {59, 23, 0, 31, 12, 99}, {0, 0, 0, 1, 1, 3}), "Rund um Fehmarn"},
        {regattaOf("Sommer-Regatta Ü30", 2147483647, {1, 2, 0, 3, 4, 5}, {6, 7, 0, 8, 9, 10}), "Sommer-Regatta Ü30"},
        {regattaOf("$Teilnehmerzahl 5 # / zwei", 3), "$Teilnehmerzahl 5 # / zwei"},
        {regattaOf(" Kieler \t Woche \r\n ", 3), "Kieler Woche"},
        {regattaOf(" \t ", 3), ""},  // an empty designation leaves its entry out
    };
    for (const auto& [written, designation] : cases) {
        ASSERT_EQ(writeRegattaData(written, "Runde.rsd", dir.programDir()), kStatusOk);
        RegattaRecord back{.path = dir.programPath("Runde.rsd")};
        VirtualClock clock;
        EXPECT_EQ(readRegattaData(back, clock), kStatusOk);
        RegattaRecord expected = written;
        expected.designation = designation;
        EXPECT_EQ(shown(back) + "|" + back.regattaFileName, shown(expected) + "|Runde");
        EXPECT_EQ(dir.read("Runde.rsd").find("Regattabezeichnung") == std::string::npos, designation.empty());
    }
}

TEST(RegattaFile, ReadKeepsWhatTheFileDoesNotSetAndNamesTheRegattaAfterThePath) {
    const std::tuple<std::string, Status, std::string> cases[] = {
        {"$Datei-Kennung Yachtdaten\r\n$Regattabezeichnung Neu\r\n$Teilnehmerzahl 3\r\n#", kStatusWrongFileKind,
         "vorher|17"},
        {"$Teilnehmerzahl 3\r\n$Datei-Kennung Yachtdaten\r\n$Regattabezeichnung Neu\r\n#", kStatusWrongFileKind,
         "vorher|3"},
        {"$Teilnehmerzahl 9\n$Regattabezeichnung Ganz hinten\n$Datei-Kennung Regattastammdaten\n#", kStatusOk,
         "Ganz hinten|9"},
        {"$Regattabezeichnung " + std::string(300, 'w') + "\r\n#", kStatusOk, std::string(255, 'w') + "|17"},
        {"$Teilnehmerzahl 4\r\nTeilnehmerzahl 5\r\n#", kStatusBadCharacter, "vorher|4"},
        {"$Teilnehmerzahl 4\r\n", kStatusNoEndMarker, "vorher|4"},
    };
    for (const auto& [bytes, status, values] : cases) {
        TempDir dir;
        dir.write("Fall.rsd", bytes);
        RegattaRecord r = regattaOf("vorher", 17);
        r.path = dir.programPath("Fall.rsd");
        VirtualClock clock;
        const Status read = readRegattaData(r, clock);
        EXPECT_EQ(std::tuple(read, r.designation + "|" + std::to_string(r.starters), clock.nowMs()),
                  std::tuple(status, values, status == kStatusNoEndMarker ? 100000 : 0)) << bytes;  // no "#": the limit
    }
    for (auto [path, name] : {std::pair{"..\\Daten\\Sommer04.rsd", "Sommer04"}, {"C:Sommer04.rsd", "Sommer04"},
                              {"C:\\a:b\\x.rsd", "x"}, {"..\\Daten\\.rsd", ""}, {"ab", ""}, {"..\\Daten\\a.rsd", "a"}}) {
        RegattaRecord r{.path = path};
        VirtualClock clock;
        readRegattaData(r, clock);  // also when the read fails
        EXPECT_EQ(r.regattaFileName, name) << path;
    }
}

YachtRecord yachtOf(std::string file, std::string name, std::string id, std::string serial, int mode, int seals) {
    return {.masterFileName = file, .regattaFileName = file, .yachtId = id, .serialNumber = serial,
            .operatingMode = mode, .sealCount = seals, .yachtName = name};
}

std::string shown(const YachtRecord& y) {
    return y.yachtName + "|" + y.yachtId + "|" + y.serialNumber + "|" + std::to_string(y.operatingMode) + "|" +
           std::to_string(y.sealCount);
}

TEST(YachtFiles, MasterDataWrittenByteForByteAndFinishBlocksAppended) {
    TempDir dir;
    dir.write("S.ysd", std::string(4000, 'x'));
    YachtRecord y = yachtOf("S.ysd", "Blue Star", "GER12", "4711", 3, 2);
    ASSERT_EQ(writeYachtMasterData(y, dir.programDir()), kStatusOk);
    EXPECT_EQ(dir.read("S.ysd"), kYrdHeader);
    y.regattaFileName = "S.yrd";  // appending creates a missing file
    y.finish = FinishTime{14, 5, 9, 3, 6, 4};
    ASSERT_EQ(appendFinishTime(y, dir.programDir(), false).status, kStatusOk);
    ASSERT_EQ(appendFinishTime(y, dir.programDir(), false).status, kStatusOk);
    EXPECT_EQ(dir.read("S.yrd"), finishBlock(14, 5, 9, 3, 6, 4) + finishBlock(14, 5, 9, 3, 6, 4));
}

TEST(YachtFiles, MasterDataReaderTakesANameInTheDirectoryOrAPathAndLeavesTheBaseName) {
    TempDir dir;
    dir.write("S.yrd", kYrdHeader + "$Start : x\r\n$Ereigniss Ende\r\n");
    dir.write("K.ysd", "$Siegel-Anzahl 3\r\n$Dateikennung Regattastammdaten\r\n$Yacht-ID NEU\r\n");
    dir.write("E.ysd", "$Dateikennung Yachtdaten\r\n$Yacht-ID NEU\r\n#");
    dir.write("F.ysd", "$Yacht-ID NEU\r\n4 Siegel\r\n$Siegel-Anzahl 4\r\n");
    // Values longer than their fields are cut as written and as read; empty texts have no entry.
    const std::string n(70, 'n'), i(40, 'i'), s(20, 's');
    ASSERT_EQ(writeYachtMasterData(yachtOf("L.ysd", n, i, s, -1, 0), dir.programDir()), kStatusOk);
    ASSERT_EQ(writeYachtMasterData(yachtOf("B.ysd", "  ", "", "", 2, 1), dir.programDir()), kStatusOk);
    const std::tuple<std::string, std::string, Status, std::string> cases[] = {
        {"L.ysd", dir.programDir(), kStatusNoEndMarker, "L|" + n.substr(7) + "|" + i.substr(25) + "|" + s.substr(5) + "|-1|0"},
        {"B.ysd", dir.programDir(), kStatusNoEndMarker, "B||alt||2|1"},
        {"S.yrd", dir.programDir(), kStatusNoEndMarker, "S|Blue Star|GER12|4711|3|2"},
        {dir.programPath("S.yrd"), "nirgends\\", kStatusNoEndMarker, "S|Blue Star|GER12|4711|3|2"},
        {"Fehlt-X.ysd", dir.programDir(), kStatusCannotOpen, "Fehlt-X||alt||0|7"},
        {"-", dir.programDir(), kStatusCannotOpen, "||alt||0|7"},  // nothing before an extension
        {"K.ysd", dir.programDir(), kStatusWrongFileKind, "K||alt||0|3"},
        {"E.ysd", dir.programDir(), kStatusOk, "E||NEU||0|7"},
        {"F.ysd", dir.programDir(), kStatusBadCharacter, "F||NEU||0|7"},
    };
    for (const auto& [name, directory, status, values] : cases) {
        YachtRecord y = yachtOf(name, "", "alt", "", 0, 7);
        VirtualClock clock;
        const Status read = readYachtMasterData(y, directory, clock);
        EXPECT_EQ(std::tuple(read, y.masterFileName + "|" + shown(y)), std::tuple(status, values)) << name;
    }
}

} // namespace
} // namespace wg::test
