#include <gtest/gtest.h>

#include <stdexcept>
#include <thread>

#include "evaluation/event_log.h"
#include "evaluation/time_arithmetic.h"
#include "support/yrd_text.h"
#include "files/fingerprint.h"
#include "files/yacht_regatta_file.h"
#include "files/text.h"
#include "overview/command_line.h"
#include "overview/finish_list.h"
#include "overview/output_text.h"
#include "overview/overview_program.h"
#include "overview/regatta_overview.h"
#include "support/fakes.h"
#include "support/temp_dir.h"

#pragma GCC diagnostic ignored "-Wmissing-field-initializers"  // records with the fields a test needs

namespace wg {
namespace {

using test::ev;
using test::yrdFile;

// The regatta of the yrd_text.h files: start 10:00 on 3 June 2004 (their finish is 14:00).
RegattaRecord regattaAtTen() {
    return {.designation = "Kieler Woche", .start = {0, 10, 0, 3, 6, 4}, .end = {0, 18, 0, 3, 6, 4}};
}

const std::string kRsd = "$Datei-Kennung Regattastammdaten\r\n$Startzeit-Minuten 0\r\n$Startzeit-Stunden 10\r\n"
                         "$Startzeit-Tag 3\r\n$Startzeit-Monat 6\r\n$Startzeit-Jahr 4\r\n$Regattabezeichnung Kiel\r\n#";
const std::string kHalfHour = yrdFile({ev("Generator Ein", "11:00:00"), ev("Generator Aus", "11:30:00")});

TEST(OverviewFiles, YachtsOfOneRegattaByTheFileNameRule) {
    std::vector<DirectoryEntry> listing;
    for (const char* name :
         {"Kiel.rsd", "KIEL-NORD.RSD", "Kiel-GER1.yrd", "kiel-ger1.YSD", "Kiel-GER1.yrd.sha256", "Kiel-GER10.yrd",
          "Kiel-GER2.ysd", "Kiel-GER3.ysd", "Kiel-GER3.yrd.unvollstaendig", "Kiel-Nord-GER5.yrd", "Kiel-.yrd",
          "Kiel-GER4.yrd.wg-new", "Kiel-Uebersicht.csv", "Kiel-Uebersicht.html", "Kiel-ABCDEFGHIJKLMNOP.ysd",
          "Kiel-GER9.yrd.grobminuten", "Kielwoche-GER6.yrd", ".rsd", "kappeln.rsd", "K.rsd",
          "KIEL-GER1.YRD"})  // the last only a case-sensitive file system holds
        listing.push_back({name, 100, true});
    listing.push_back({"Kiel-GER8.yrd", 0, false});  // a folder
    // Names beyond code page 1252 ("?" where they hold such a character) cannot be opened: named, not taken.
    for (const char* name : {"Kiel-?ód.yrd", "KIEL-?.ysd", "Kappeln-?.yrd"}) listing.push_back({name, 100, true, true});
    EXPECT_EQ(foreignNamedFiles("Kiel", listing), (std::vector<std::string>{"KIEL-?.ysd", "Kiel-?ód.yrd"}));
    std::string found;
    for (const YachtFiles& y : findYachts("Kiel", listing))
        found += y.yachtId + ":" + y.masterName + "," + y.regattaName + (y.incomplete ? ",abgebrochen" : "") +
                 (y.nameRefused ? ",refused" : "") + " ";
    EXPECT_EQ(found, ":,Kiel-.yrd,refused ABCDEFGHIJKLMNOP:Kiel-ABCDEFGHIJKLMNOP.ysd,,refused "
                     "GER1:kiel-ger1.YSD,Kiel-GER1.yrd GER1:,KIEL-GER1.YRD GER2:Kiel-GER2.ysd, "
                     "GER3:Kiel-GER3.ysd,,abgebrochen GER10:,Kiel-GER10.yrd ");
    EXPECT_EQ(regattaFileNames(listing), (std::vector<std::string>{"K.rsd", "kappeln.rsd", "KIEL-NORD.RSD", "Kiel.rsd"}));
    EXPECT_EQ(foldCase("az àþ÷ÿšœž"), "AZ ÀÞ÷ŸŠŒŽ");  // as Windows compares names
}

// A yacht's files (empty: none) and its row (engine seconds -1: none); size: as listed; editedLater: appended after the
// fingerprint was taken; refused: a name the file-name rule refuses; listed: what the finish list says.
struct RowCase { const char* what; std::string yrd, ysd; bool incomplete, fingerprint; std::string status;
                 double engineSeconds; std::uint64_t size = 0; std::string editedLater = ""; bool refused = false;
                 ListEntry listed = {}; };

// The yrd_text.h finish of 14:00 and one a second after it, as a finish list gives them.
constexpr FinishTime kAtTwo{14, 0, 0, 3, 6, 4};
constexpr FinishTime kSecondLater{14, 0, 1, 3, 6, 4};

TEST(OverviewRows, StatusAndEngineTimeAsTheEvaluationDialogGivesThem) {
    const std::string ysd = test::kYrdHeader;
    // The engine runs from 11:00 to 15:00: the engine time shows which finish counted.
    const std::vector<std::string> longRun = {ev("Generator Ein", "11:00:00"), ev("Generator Aus", "15:00:00")};
    const RowCase cases[] = {
        {"evaluated", kHalfHour, ysd, false, true, "ausgewertet", 1800},
        {"read out before fingerprints", kHalfHour, "", false, false, "ohne Prüfsumme", 1800},
        {"edited after the readout", kHalfHour, "", false, true, "nach dem Auslesen verändert", 1800, 0, "\r\n"},
        {"reset and power-on", yrdFile({ev("Start", "10:30:00"), ev("Reset", "11:00:00")}), "", false,
         true, "ausgewertet", 3600},
        {"no finish", yrdFile({ev("Getriebe Aus", "11:00:00")}, ""), "", false, true, "Zieldurchgang fehlt", -1},
        {"finish before start", yrdFile({}, test::finishBlock(9, 0, 0, 3, 6, 4)), "", false, true,
         "Zieldurchgang vor dem Regattastart", 0},
        {"finish out of range: no engine time", yrdFile({}, test::finishBlock(25, 0, 0, 3, 6, 4)), "", false, true,
         "Datei beschädigt: Zieldurchgang ungültig", -1},
        {"not read out", "", ysd, false, false, "nicht ausgelesen", -1},
        {"readout broke off", "", ysd, true, false, "Auslesen abgebrochen", -1},
        {"readout broke off, earlier file kept", kHalfHour, ysd, true, true, "Auslesen abgebrochen", 1800},
        {"no end line", test::kYrdHeader + test::finishBlock(14, 0, 0, 3, 6, 4), "", false, true,
         "Datei beschädigt: Endezeile fehlt", -1},
        {"binary garbage", std::string("\x01\xff\0garbage", 10), "", false, true,
         "Datei beschädigt: unzulässiges Zeichen, Endezeile fehlt; Zieldurchgang fehlt", -1},
        {"not a yacht file", "$Dateikennung Regattastammdaten\r\n#", "", false, true,
         "Datei beschädigt: keine Yacht-Datei", -1},
        {"damaged master file", "", "Yachtname", false, false,
         "Datei beschädigt: unzulässiges Zeichen; nicht ausgelesen", -1},
        {"overlong values", "$Dateikennung Yachtdaten\r\n$Yachtname " + std::string(300, 'A') + "\r\n$Yacht-ID " +
             std::string(40, 'B') + "\r\n$Ereigniss Ende\r\n" + test::finishBlock(14, 0, 0, 3, 6, 4), "", false, true,
         "ausgewertet", 0},
        {"too big", kHalfHour, "", false, true, "Datei beschädigt: zu groß", -1, kYachtFileByteLimit + 1},
        {"name refused", kHalfHour, "", false, true, "Dateiname unzulässig", -1, 0, "", true},
        {"finish only in the list: evaluated to it", yrdFile(longRun, ""), "", false, true,
         "Zieldurchgang aus Liste", 3 * 3600 + 1, 0, "", false, {true, kSecondLater}},
        {"typed finish a second off the list: the typed one counts", yrdFile(longRun), "", false, true,
         "Zieldurchgang weicht von der Liste ab", 3 * 3600, 0, "", false, {true, kSecondLater}},
        {"typed finish as in the list", yrdFile(longRun), "", false, true, "ausgewertet", 10800, 0, "", false, {true, kAtTwo}},
        {"not in the list", kHalfHour, "", false, true, "nicht in der Liste", 1800, 0, "", false, {true, {}}},
        {"only in the list", "", "", false, false, "nicht ausgelesen", -1, 0, "", false, {true, kAtTwo}},
        {"neither finish", yrdFile(longRun, ""), "", false, false, "Zieldurchgang fehlt; nicht in der Liste; ohne Prüfsumme",
         -1, 0, "", false, {true, {}}},
    };
    for (const RowCase& c : cases) {
        test::TempDir dir;
        YachtFiles files{"GER12", c.ysd.empty() ? "" : "Kiel-GER12.ysd", c.yrd.empty() ? "" : "Kiel-GER12.yrd",
                         c.size, c.incomplete, c.refused};
        if (!c.ysd.empty()) dir.write(files.masterName, c.ysd);
        if (!c.yrd.empty()) dir.write(files.regattaName, c.yrd);
        if (c.fingerprint) writeFingerprint(dir.programDir(), files.regattaName);
        if (!c.editedLater.empty()) dir.write(files.regattaName, c.yrd + c.editedLater);
        test::VirtualClock clock;
        const std::string before = c.yrd + c.editedLater;
        const YachtRow row = evaluateYacht(dir.programDir(), files, regattaAtTen(), clock, 60, c.listed);
        // The file is never written into.
        EXPECT_EQ(std::tuple(statusText(row), row.hasEngineTime ? row.engineSeconds : -1,
                             c.yrd.empty() ? before : dir.read(files.regattaName)),
                  std::tuple(c.status, c.engineSeconds, before)) << c.what;
        EXPECT_LE(row.yachtName.size(), kYachtNameLimit) << c.what;
        if (!row.hasEngineTime) continue;
        // The numbers "Berechnen" shows for the file, its finish saved first where it comes from the list.
        test::FakeShell shell;
        YachtRecord dialog{.regattaFileName = "dialog.yrd", .finish = row.finish};
        dir.write(dialog.regattaFileName, dir.read(files.regattaName));
        if (c.status.find("aus Liste") != std::string::npos) appendFinishTime(dialog, dir.programDir(), false);
        evaluate(shell, dialog, regattaAtTen(), dir.programDir(), clock);
        const YachtEvaluation& e = dialog.evaluation;
        EXPECT_EQ(std::tuple(row.engineSeconds, row.durationText, row.eventCount, row.powerOnCount, row.resetsAfterStart),
                  std::tuple(e.engineTotalSeconds, e.durationText, e.eventCount, e.powerOnCount,
                             static_cast<std::int32_t>(shell.boxes.size()))) << c.what;
    }
}

TEST(OverviewRows, CoarseMinutesFromTheFileBesideTheReadoutElseAnEmptyCell) {
    const std::pair<std::optional<std::string>, std::string> cases[] = {  // the file (none), the cell
        {std::nullopt, ""}, {"$Grobminuten                            57\r\n", "57"}, {"$Grobminuten -3", "-3"},
        {"$Grobminuten 12min", "12"}, {"$Grobminuten 99999999999", "2147483647"}, {"Grobminuten 57", ""},
        {"$Grobminuten 57\r\n\x01", ""}, {"$Sekunden 57", ""}, {"$Grobminuten " + std::string(2000, '9'), ""},
    };
    for (const auto& [sidecar, cell] : cases) {
        test::TempDir dir;
        dir.write("Kiel-GER12.yrd", kHalfHour);
        if (sidecar) dir.write("Kiel-GER12.yrd.grobminuten", *sidecar);
        test::VirtualClock clock;
        const YachtRow row = evaluateYacht(dir.programDir(), {"GER12", "", "Kiel-GER12.yrd"}, regattaAtTen(), clock, 9);
        // Column 12 is "Grobminuten"; the row stands whatever the file holds.
        EXPECT_EQ(rowCells(row, false).at(12) + "|" + statusText(row), cell + "|ohne Prüfsumme") << sidecar.value_or("none");
    }
}

TEST(OverviewRows, EveryRuleTellsWhatItDidAndTheDetailCollapsesLinesWithoutEffect) {
    using E = EventEffect;
    const std::string file = yrdFile({
        ev("Reset", "09:00:00"), ev("Generator Ein", "09:50:00"), ev("Getriebe Aus", "09:55:00"),
        ev("Generator Aus", "10:20:00"), ev("Getriebe Ein", "11:00:00"), ev("Generator Ein", "11:10:00"),
        ev("Getriebe Aus", "11:30:00"), ev("Start", "12:00:00"), ev("Reset", "12:30:00"),
        ev("Stecker abgezogen", "13:40:00"), ev("Stecker angesteckt", "14:10:00"), ev("Generator Aus", "14:20:00"),
        ev("Start", "15:00:00")});
    struct Recorder final : EvaluationObserver {
        void judged(const EventJudgement& j) override { heard.push_back(j); }
        std::vector<EventJudgement> heard;
    } recorder;
    test::FakeShell shell;
    test::VirtualClock clock;
    YachtRecord observed, plain;
    evaluateBytes(shell, observed, regattaAtTen(), &file, clock, &recorder);
    evaluateBytes(shell, plain, regattaAtTen(), &file, clock);
    EXPECT_EQ(std::tie(observed.evaluation.engineTotalSeconds, observed.evaluation.eventCount),
              std::tie(plain.evaluation.engineTotalSeconds, plain.evaluation.eventCount));

    const std::vector<E> effects = {E::ResetBeforeStart, E::OnOutsideWindow, E::OffBeforeStart, E::OffCountedFromStart,
                                    E::OnKept, E::OnWhileRunning, E::OffCounted, E::PowerOnCounted, E::ResetTotal,
                                    E::OnKept, E::OffCutAtFinish, E::OffAfterFinish, E::PowerOnOutside};
    ASSERT_EQ(recorder.heard.size(), effects.size());
    std::string counted;
    for (std::size_t i = 0; i < effects.size(); ++i) {
        EXPECT_EQ(recorder.heard[i].effect, effects[i]) << i;
        if (recorder.heard[i].to != recorder.heard[i].from)
            counted += format("%.0f-%.0f ", (recorder.heard[i].from - recorder.heard[0].seconds) / 60,
                              (recorder.heard[i].to - recorder.heard[0].seconds) / 60);
    }
    EXPECT_EQ(counted, "60-80 120-150 60-210 280-300 ");  // minutes after 09:00
    EXPECT_EQ(std::string(recorder.heard[10].key) + " " + dateTimeText(recorder.heard[10].time),
              "Stecker 03.06.2004 14:10:00");

    YachtTimeline timeline(5);
    evaluateBytes(shell, plain, regattaAtTen(), &file, clock, &timeline);
    timeline.close(1e12);
    // Engine on 09:50-09:55, 11:00-11:30, 13:40-14:10; the three lines before the start are one entry.
    EXPECT_EQ(std::tuple(timeline.counted.size(), timeline.running.size(), timeline.powerOns.size(),
                         timeline.resets.size(), timeline.detail.size(), timeline.linesNotShown,
                         timeline.detail.at(0).runLength),
              std::tuple(4u, 3u, 2u, 2u, 5u, 6u, 3u));
    EXPECT_EQ(timeline.running.at(1).to - timeline.running.at(1).from, 1800);
    // The detail keeps the key of each line and the time a run ends.
    EXPECT_EQ(std::string(timeline.detail.at(1).line.key) + " " + dateTimeText(timeline.detail.at(0).lastTime),
              "Generator 03.06.2004 09:55:00");
}

TEST(OverviewFinishList, ColumnsTimesOfDayAndLinesThatCannotBeRead) {
    // What is read: "ID time" per yacht, then "|" and the lines not read, then "|" and the rule for
    // times of day where one came; or the problem. The regatta starts at 10:00 on 3 June 2004.
    struct Case { const char* what; std::string bytes, read; TimeOfRegatta end = {0, 18, 0, 3, 6, 4}, start = {0, 10, 0, 3, 6, 4}; };
    const std::string missingId = "In der Kopfzeile fehlt die Spalte für die Yacht-ID („Yacht-ID“, „Segelnummer“, "
                                  "„Segel-Nr.“, „Sail No“ oder „Sail Number“)";
    const char* const kAndFinish = " und die für den Zieldurchgang („Zieldurchgang“, „Zielzeit“, „Zielzeit "
                                   "(Uhrzeit)“, „Finish“ oder „Finish Time“).";
    const char* const kByStart = "|am Tag des Regattastarts, vor seiner Uhrzeit am Tag danach";
    const Case cases[] = {
        {"dates written out; headers in any case", "\xEF\xBB\xBFSegelnummer;Platz;Zielzeit\r\nGER 12;1;14.06.2008 "
         "16:55:00\r\n\"\"\"Q\"\"\";2;14.06.08 17:02\r\nNOR8;3;2008-6-4 9:05:00", "GER 12 14.06.2008 16:55:00, \"Q\" "
         "14.06.2008 17:02:00, NOR8 04.06.2008 09:05:00, |"},
        {"lines that cannot be read", "Yacht-ID;Zieldurchgang;x\r\nGER1;DNF\r\n;14.06.08 17:00:00\r\n"
         "ABCDEFGHIJKLMNOP;14.06.08 17:00:00\r\nGER2;14.06.08 17:00:00\r\n;;\r\n\r\n ger 2;14.06.08 17:00:01\r\n"
         "GER3\r\nGER4;" + std::string(40, '9') + "\r\n",
         "GER2 14.06.2008 17:00:00, |Zeile 2: Zieldurchgang \x84" "DNF\x93 nicht lesbar / Zeile 3: Yacht-ID fehlt / "
         "Zeile 4: Yacht-ID \x84" "ABCDEFGHIJKLMNOP\x93 ist zu lang / Zeile 8: ger 2 steht schon in Zeile 5 / "
         "Zeile 9: Zieldurchgang \x84\x93 nicht lesbar / Zeile 10: Zieldurchgang \x84" + std::string(30, '9') +
         "\x85\x93 nicht lesbar / "},
        {"a record broken inside quotes is named as such, not as one without a yacht ID",
         "Segelnummer;Yacht;Zielzeit\nGER1;\"Wind\nRose\";14:00\nGER2;\"M\xF6we;14:05\nGER3;Kiel;14:10\n",
         "GER1 03.06.2004 14:00:00, GER3 03.06.2004 14:10:00, |Zeile 4: Anführungszeichen nicht geschlossen / " +
             std::string(kByStart)},
        {"a results program's import: times of day without seconds, one before the start on the next day",
         "raceno, class, sailno, start, finish\n1, J 24\", GER 1, 10:00, 14:02\n2, ORC, GER 2, 10:00, 09:59\n",
         "GER 1 03.06.2004 14:02:00, GER 2 04.06.2004 09:59:00, |" + std::string(kByStart)},
        {"a night race of 24 hours over midnight and the end of June", "Sail Number;Finish Time\nGER1;21:30\n"
         "GER2;01:40:10\nGER3;20:00\n", "GER1 30.06.2004 21:30:00, GER2 01.07.2004 01:40:10, GER3 30.06.2004 "
         "20:00:00, |" + std::string(kByStart),
         {0, 20, 0, 1, 7, 4}, {0, 20, 0, 30, 6, 4}},
        {"over New Year's midnight", "Yacht-ID;Zielzeit (Uhrzeit)\nGER1;00:10\n", "GER1 01.01.2005 00:10:00, |" +
         std::string(kByStart), {0, 2, 0, 1, 1, 5}, {0, 23, 0, 31, 12, 4}},
        {"the date column where a record has a date; a date beside the finish counts", "Segel-Nr.;Datum;Zielzeit\n"
         "GER1;04.06.2004;01:40\nGER2;;14:00\nGER3;4.6.;09:00\nGER4;01.01.2004;14.06.2008 12:00:00\n",
         "GER1 04.06.2004 01:40:00, GER2 03.06.2004 14:00:00, GER4 14.06.2008 12:00:00, |Zeile 4: Datum \x84" "4.6."
         "\x93 nicht lesbar / |Datum aus der Spalte \x84" "Datum\x93; am Tag des Regattastarts, vor seiner Uhrzeit am "
         "Tag danach"},
        {"a regatta from 29 February a minute longer than a day: a time of day alone is named", "Yacht-ID;Zieldatum;"
         "Zielzeit\nGER1;;01:40\nGER2;2004-03-01;01:40\n", "GER2 01.03.2004 01:40:00, |Zeile 2: Zielzeit 01:40 ohne "
         "Datum, die Regatta dauert länger als einen Tag / |Datum aus der Spalte \x84Zieldatum\x93; nicht gelesen, die "
         "Regatta dauert länger als einen Tag", {1, 10, 0, 1, 3, 4}, {0, 10, 0, 29, 2, 4}},
        {"no yacht ID column", "Platz;Name;Zielzeit\r\n1;Kiel;14.06.08 17:00:00", missingId + "."},
        {"neither column", "Yacht;Zeit\r\n", missingId + kAndFinish},
        {"empty", "", missingId + kAndFinish},
    };
    for (const Case& c : cases) {
        RegattaRecord regatta;
        regatta.start = c.start;
        regatta.end = c.end;
        FinishList list;
        std::string read = parseFinishList(c.bytes, regatta, list);
        if (read.empty()) {
            for (const ListedFinish& y : list.yachts) read += y.yachtId + " " + dateTimeText(y.finish) + ", ";
            read += "|";
            for (const std::string& line : list.unreadLines) read += line + " / ";
            if (!list.timeOfDayRule.empty()) read += "|" + list.timeOfDayRule;
        }
        EXPECT_EQ(read, c.read) << c.what;
    }
}

TEST(OverviewFinishList, TimesInTheThreeFormatsWithinTheDialogsRanges) {
    const std::pair<const char*, const char*> cases[] = {  // the text, what is read ("-": refused)
        {"14.06.2008 16:55:00", "14.06.2008 16:55:00"}, {"14.06.08 16:55:00", "14.06.2008 16:55:00"},
        {"2008-06-14 16:55:00", "14.06.2008 16:55:00"}, {" 1.6.2003  0:00:00 ", "01.06.2003 00:00:00"},
        {"29.02.2008 23:59:59", "29.02.2008 23:59:59"}, {"31.12.2099 12:00:00", "31.12.2099 12:00:00"},
        {"29.02.2009 12:00:00", "-"}, {"31.04.2008 12:00:00", "-"}, {"00.06.2008 12:00:00", "-"},
        {"14.13.2008 12:00:00", "-"}, {"14.06.2002 12:00:00", "-"}, {"14.06.02 12:00:00", "-"},
        {"14.06.2100 12:00:00", "-"}, {"14.06.208 12:00:00", "-"}, {"14.06.2008 24:00:00", "-"},
        {"14.06.2008 12:60:00", "-"}, {"14.06.2008 12:00:60", "-"}, {"14.06.2008 12:00", "14.06.2008 12:00:00"},
        {"14.06.2008", "-"}, {"2008-06-14T12:00:00", "-"}, {"14.06.2008 12:0:00", "-"}, {"14.06.2008 +1:00:00", "-"},
        {"14.06.2008 12:00:00 x", "-"}, {"14-06-2008 12:00:00", "-"}, {"14.06.2008 123:00:00", "-"},
        {"14.006.2008 12:00:00", "-"}, {"14.00.2008 12:00:00", "-"}, {"14.06.2008 12:000:00", "-"},
        {"17:02", "17:02:00 ohne Datum"}, {" 1:40:10 ", "01:40:10 ohne Datum"}, {"24:00", "-"}, {"17:2", "-"},
        {"17:02:03:04", "-"}, {"1702", "-"},
    };
    for (const auto& [text, read] : cases) {
        const std::optional<FinishTime> t = parseFinishTime(text);
        EXPECT_EQ(!t ? "-" : t->day ? dateTimeText(*t) : format("%02d:%02d:%02d ohne Datum", t->hour, t->minute, t->second),
                  read) << text;
    }
}

TEST(OverviewPages, TextsBetweenTheCodePageAndUtf8) {
    const std::pair<std::string, const char*> cases[] = {  // UTF-8, code page 1252 ("-": not UTF-8)
        {"M\xC3\xB6we \xE2\x82\xAC", "M\xF6we \x80"}, {"\xF0\x9F\x98\x80\xC2\x81", "??"}, {"ab\xC3", "-"},
        {"\xC3(", "-"}, {"\xC0\x80", "-"}, {"\x80", "-"}, {"\xF5\x80\x80\x80", "-"}, {"\xE2\x82", "-"}};
    for (const auto& [utf8, text] : cases) EXPECT_EQ(cp1252FromUtf8(utf8).value_or("-"), text) << utf8;
    EXPECT_EQ(htmlText("a\x01" "b\x7F<"), "a?b?&lt;");
}

TEST(OverviewRows, ListInAnotherTimeBaseWhenEveryTypedFinishIsOffByTheSameOneOrTwoHours) {
    // Seconds by which the list's finish lies after each typed one; what the warning says.
    struct Case { const char* what; std::vector<double> offsets; int hoursOff; const char* said = ""; };
    const Case cases[] = {
        {"three an hour later", {3600, 3600, 3600}, 1, "genau 1 Stunde später."},
        {"three two hours earlier", {-7200, -7200, -7200}, -2, "genau 2 Stunden früher."},
        {"two are too few", {3600, 3600}, 0}, {"one a second more", {3600, 3600, 3601}, 0},
        {"three hours are no time base", {10800, 10800, 10800}, 0}, {"an hour and two", {3600, 7200, 3600}, 0},
        {"none off", {0, 0, 0}, 0},
    };
    for (const Case& c : cases) {
        // Beside them a yacht evaluated to the list's finish and one not in the list: neither counts.
        std::vector<YachtRow> rows = {{.hasFinish = true, .finishSeconds = secondCount(kAtTwo), .listFinish = kAtTwo,
                                       .findings = {Finding::FinishFromList}},
                                      {.hasFinish = true, .finishSeconds = 0}};
        for (const double offset : c.offsets)
            rows.push_back({.hasFinish = true, .finishSeconds = secondCount(kAtTwo) - offset, .listFinish = kAtTwo});
        const RegattaOverview ov{.listHoursOff = listHoursOff(rows)};
        EXPECT_EQ(ov.listHoursOff, c.hoursOff) << c.what;
        EXPECT_NE(timeBaseWarning(ov).find(c.said), std::string::npos) << c.what;
    }
}

TEST(OverviewRows, LongestEngineTimeFirstThenRowsWithoutOneInTheirOrder) {
    std::vector<YachtRow> rows;
    for (auto [id, seconds] : {std::pair{"A", -1}, {"B", 60}, {"C", 120}, {"D", -1}, {"E", 60}})  // -1: no engine time
        rows.push_back({.files = {id}, .hasEngineTime = seconds >= 0, .engineSeconds = seconds * 1.0});
    sortRows(rows);
    std::string order;
    for (const YachtRow& row : rows) order += row.files.yachtId;
    EXPECT_EQ(order, "CBEAD");
}

RegattaOverview smallOverview() {
    RegattaOverview ov{"Kiel.rsd", regattaAtTen(), "UTC", "15.06.2008 10:12", {}};
    ov.regatta.designation += "\xA0€";
    ov.rows.push_back({.files = {"GER12", "", "Kiel-AZaz09 ü~_.yrd", 0, false, false}, .yachtName = "=Möwe; \"B\"",
                       .serialNumber = "-A1", .sealCount = -4, .operatingMode = 3, .headerRead = true,
                       .hasFinish = true, .finish = {14, 0, 0, 3, 6, 4},
                       .finishSeconds = secondCount(14, 0, 0, 3, 6, 4), .hasEngineTime = true, .engineSeconds = 3280,
                       .durationText = durationText(3280), .eventCount = 2, .powerOnCount = 1, .coarseMinutes = 57});
    ov.rows.push_back({.files = {"GER7"}, .findings = {Finding::NotReadOut}});
    return ov;
}

TEST(OverviewPages, DatesAndTimesOnlyWithinTheirRanges) {
    const std::pair<FinishTime, const char*> cases[] = {
        {{0, 0, 0, 1, 1, 0}, "01.01.2000 00:00:00"}, {{23, 59, 59, 31, 12, 99}, "31.12.2099 23:59:59"},
        {{24, 0, 0, 1, 1, 8}, ""}, {{-1, 0, 0, 1, 1, 8}, ""}, {{0, 60, 0, 1, 1, 8}, ""}, {{0, 0, 60, 1, 1, 8}, ""},
        {{0, 0, 0, 0, 1, 8}, ""}, {{0, 0, 0, 32, 1, 8}, ""}, {{0, 0, 0, 1, 0, 8}, ""}, {{0, 0, 0, 1, 13, 8}, ""},
        {{0, 0, 0, 1, 1, -1}, ""}, {{0, 0, 0, 1, 1, 100}, ""}};
    for (std::size_t i = 0; i < std::size(cases); ++i) EXPECT_EQ(dateTimeText(cases[i].first), cases[i].second) << i;
}

TEST(OverviewPages, CsvAsGermanSpreadsheetsOpenIt) {
    EXPECT_EQ(overviewCsv(smallOverview()),
              "\xEF\xBB\xBFRegatta;Kieler Woche\xC2\xA0\xE2\x82\xAC\r\nRegattadatei;Kiel.rsd\r\n"
              "Regattastart;03.06.2004 10:00\r\nRegattaende;03.06.2004 18:00\r\nZeitbasis;UTC\r\n"
              "Erstellt;15.06.2008 10:12\r\n\r\n"
              "Yacht-ID;Yachtname;ERLG-Seriennummer;Siegel;Betriebsart;Zieldurchgang;Motorlaufzeit bis Zieldurchgang;"
              "Sekunden;Minuten;Ereignisse;Power-On;Resets nach Start;Grobminuten;Status;Vorbereitet\r\n"
              "GER12;\"'=M\xC3\xB6we; \"\"B\"\"\";'-A1;-4;3;03.06.2004 14:00:00;\"   54 min 40 sek\";3280;54,67;2;1;0;"
              "57;ausgewertet;\r\nGER7;;;;;;;;;;;;;nicht ausgelesen;\r\n");
    // What a spreadsheet takes for a formula gets an apostrophe; a negative number stays a number.
    const std::pair<const char*, const char*> guarded[] = {
        {"-", "'-"}, {"-0,5", "-0,5"}, {"-12", "-12"}, {"@A", "'@A"}, {"+1", "'+1"}, {"-,", "'-,"}, {"-1,", "'-1,"},
        {"-,5", "'-,5"}, {"-1,2,3", "'-1,2,3"}, {"-1-1", "'-1-1"}, {"\tA", "'\tA"}, {"\rA", "\"'\rA\""}, {"A=", "A="}};
    for (const auto& [text, field] : guarded) EXPECT_EQ(csvText(text), field);
}

TEST(OverviewPages, HtmlLinksEachRowToItsDetailAndStaysSmallForThreeHundredYachts) {
    RegattaOverview ov = smallOverview();
    ov.rows[0].yachtName = "<script>";
    ov.rows[0].timeline.counted = {{secondCount(10, 30, 0, 3, 6, 4), secondCount(11, 0, 0, 3, 6, 4)}};
    ov.rows[0].timeline.running = {{secondCount(13, 0, 0, 3, 6, 4), secondCount(14, 0, 0, 3, 6, 4)}};
    ov.rows[0].timeline.detail = {{{"Stecker", kEventOff, {11, 0, 0, 3, 6, 4}, 0, EventEffect::OffCounted, 0, 1800}}};
    const std::string page = overviewHtml(ov);
    // The axis runs from the start to the latest finish, 10:00 to 14:00, in 960 pixels from x = 130.
    for (const char* part : {"<a href=\"#y1\">GER12</a>", "<a href=\"#y2\">GER7</a>", "id=\"y1\"", "id=\"y2\"",
                             "<td>&lt;script&gt;", "@page{size:A4 landscape",
                             "<tr><td>03.06.2004 11:00:00<td>Stecker angesteckt<td>gez\xC3\xA4hlt: 30 min 0 sek",
                             "href=\"Kiel-AZaz09%20%C3%BC~_.yrd\"",
                             "<td class=\"n\">   54 min 40 sek", "<td class=\"n\">57<td class=\"st\">",
                             "<td class=\"n\">-4<td class=\"n\">3<td>", "viewBox=\"0 0 1100 70\"",
                             "<a href=\"#y1\"><text x=\"4\" y=\"13\">GER12</text></a>",
                             "<text x=\"250\" y=\"20\" text-anchor=\"middle\">10:30</text>",
                             "<path class=\"g\" d=\"M850 10h240\"/><path class=\"c\" d=\"M250 10h120\"/>",
                             "<path class=\"z\" d=\"M1090 0v18\"/>",
                             "<text class=\"h\" x=\"136\" y=\"13\">nicht ausgelesen</text>"})
        EXPECT_NE(page.find(part), std::string::npos) << part;
    // A row with bars has no status in the picture; the page has no script.
    for (const char* absent : {"ausgewertet</text>", "<script"}) EXPECT_EQ(page.find(absent), std::string::npos) << absent;

    // The worst a yacht can bring: every other column of each layer marked, the longest texts, the detail full.
    YachtRow worst;
    worst.files = {std::string(15, '"'), "", std::string(200, '&') + ".yrd", 0, false, false};
    worst.yachtName = std::string(kYachtNameLimit, '&');
    worst.headerRead = worst.hasFinish = worst.hasEngineTime = true;
    worst.findings = {Finding::Damaged, Finding::Changed, Finding::Incomplete, Finding::NoChecksum};
    worst.damage = "unzulässiges Zeichen, Endezeile fehlt, Zieldurchgang ungültig";
    const double start = secondCount(10, 0, 0, 3, 6, 4);
    for (int cell = 0; cell < 320; cell += 2) {
        const double t = start + cell * 8 * 3600 / 320.0 + 1;  // the axis ends at the regatta end
        worst.timeline.counted.push_back({t, t + 1});
        worst.timeline.running.push_back({t, t + 1});
        worst.timeline.powerOns.push_back(t);
        worst.timeline.resets.push_back(t);
    }
    EventJudgement longest{"Stecker", kEventOff, {13, 59, 59, 31, 12, 99}, 0, EventEffect::OffCountedFromStart, 0, 1e9};
    worst.timeline.detail.assign(60, DetailEntry{longest, 1, {}});
    worst.timeline.linesNotShown = 1999;
    ov.rows.assign(300, worst);
    EXPECT_LT(overviewHtml(ov).size(), 5000000u);
}

TEST(OverviewPages, TimelineGridAndMarksUpToTheAxisEnd) {
    // finish, powerOn: seconds after the start, 0: none; parts: what the picture holds.
    struct Case { const char* what; TimeOfRegatta end; double finish, powerOn; std::vector<std::string> parts;
                  TimeOfRegatta start = {0, 10, 0, 3, 6, 4}; };
    const Case cases[] = {
        {"an end at the start: one hour in 5-minute steps", {0, 10, 0, 3, 6, 4}, 0, 1823,
         {"<text x=\"210\" y=\"20\" text-anchor=\"middle\">10:05</text>", "<path class=\"p\" d=\"M616 2h3\"/>"}},
        {"an hour and a half in 10-minute steps", {30, 11, 0, 3, 6, 4}, 0, 0, {"\">10:10</text>"}},
        {"eight hours in hourly steps, the last label ending at the axis end", {0, 18, 0, 3, 6, 4}, 0, 0,
         {"<text x=\"250\" y=\"20\" text-anchor=\"middle\">11:00</text>",
          "<text x=\"1090\" y=\"20\" text-anchor=\"end\">18:00</text>"}},
        {"two days in 6-hour steps, dated", {0, 10, 0, 5, 6, 4}, 0, 0,
         {"<text x=\"290\" y=\"20\" text-anchor=\"middle\">Do 03.06. 18:00</text>", ">Sa 05.06. 06:00</text>"}},
        {"ten days in 2-day steps", {0, 10, 0, 13, 6, 4}, 0, 0, {">Sa 05.06. 00:00</text>"}},
        {"five years in steps of whole weeks", {0, 10, 0, 3, 6, 9}, 0, 0,
         {"<text x=\"202\" y=\"20\" text-anchor=\"middle\">Di 19.10. 00:00</text>"}},
        {"over midnight in March", {0, 2, 0, 2, 3, 5}, 0, 0, {">Mi 02.03. 00:00</text>"}, {0, 10, 0, 1, 3, 5}},
        {"a finish two days after the end still reaches the axis", {0, 18, 0, 3, 6, 4}, 56 * 3600, 56 * 3600,
         {"<path class=\"z\" d=\"M1090 0v18\"/>", "<path class=\"p\" d=\"M1087 2h3\"/>"}},
        {"a finish typed five years late: the axis ends at the regatta end", {0, 18, 0, 3, 6, 4},
         5 * 365 * 86400.0, 0, {"<text x=\"1090\" y=\"20\" text-anchor=\"end\">18:00</text>"}},
        {"over the turn of the year", {0, 2, 0, 1, 1, 5}, 0, 0,
         {">Fr 31.12. 12:00</text>", ">Sa 01.01. 00:00</text>", "<path class=\"t\" d=\"M130 24V52M250 24V52M"},
         {0, 10, 0, 31, 12, 4}},
    };
    for (const Case& c : cases) {
        RegattaOverview ov{.regatta = {.start = c.start, .end = c.end}};
        const double start = secondCount(c.start.hour, c.start.minute, 0, c.start.day, c.start.month, c.start.year);
        ov.rows.push_back({.files = {"GER1"}, .hasFinish = c.finish > 0, .finishSeconds = start + c.finish});
        if (c.powerOn > 0) ov.rows[0].timeline.powerOns = {start + c.powerOn};
        const std::string svg = timelineSvg(ov);
        for (const std::string& part : c.parts) EXPECT_NE(svg.find(part), std::string::npos) << c.what << ": " << part;
        std::size_t ticks = 0;
        for (std::size_t at = 0; (at = svg.find("text-anchor", at)) != std::string::npos; ++at) ++ticks;
        EXPECT_LE(ticks, 13u) << c.what;  // about a dozen, both ends included
    }
}

TEST(OverviewProgram, CommandLine) {
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{}, "..\\Daten\\|"}, {{"--help"}, "help"}, {{"-h"}, "help"},
        {{"--daten", "X:\\Share"}, "X:\\Share\\|"}, {{"--daten", "/srv/daten/"}, "/srv/daten\\|"},
        {{"Kiel.rsd", "Warnemuende.RSD"}, "..\\Daten\\|..\\Daten\\ Kiel.rsd ..\\Daten\\ Warnemuende.RSD "},
        {{"--daten", "D", "Kiel.rsd"}, "D\\|D\\ Kiel.rsd "},
        {{"C:\\R\\Kiel.rsd"}, "..\\Daten\\|C:\\R\\ Kiel.rsd "},
        {{"--daten"}, "error"}, {{"--daten", ""}, "error"}, {{"--daten", "A", "--daten", "B"}, "error"},
        {{"--alles"}, "error"}, {{"Kiel.txt"}, "error"}, {{"--daten", "D", "C:\\R\\Kiel.rsd"}, "error"},
        {{"--daten", "X:\\D", "x:/d/Kiel.rsd"}, "X:\\D\\|x:/d\\ Kiel.rsd "},  // the data folder itself
        {{"--zielzeiten", "Z.csv", "Kiel.rsd"}, "Z.csv ..\\Daten\\|..\\Daten\\ Kiel.rsd "},
        {{"--zielzeiten"}, "error"}, {{"--zielzeiten", "A", "--zielzeiten", "B"}, "error"},
    };
    for (const auto& [args, expected] : cases) {
        const CommandLine cmd = parseCommandLine(args);
        std::string got = cmd.help ? "help" : cmd.error.empty() ? cmd.dataDir + "|" : "error";
        if (cmd.error.empty() && !cmd.finishList.empty()) got.insert(0, cmd.finishList + " ");
        for (const RegattaFileArgument& r : cmd.regattaFiles) got += r.dataDir + " " + r.fileName + " ";
        EXPECT_EQ(got, expected) << (args.empty() ? "" : args[0]);
    }
}

// The program in a Wakeguard folder, started from its bin folder: exit code and console lines.
std::pair<int, std::vector<std::string>> runIn(const test::TempDir& dir, const std::vector<std::string>& args,
                                               Clock* clock = nullptr) {
    struct Lines final : Console {
        void line(const std::string& text) override { lines.push_back(text); }
        std::vector<std::string> lines;
    } console;
    const test::WorkingDirectory inBin(dir.programPath("bin"));
    test::VirtualClock virtualClock;
    const int code =
        runOverview(args, PcTime{2008, 6, 0, 15, 10, 12, 0, 0}, console, clock ? *clock : virtualClock).exitCode;
    return {code, console.lines};
}

TEST(OverviewProgram, ExitCodesMessagesAndWhatItWrites) {
    // rsd: the regatta file ("": none); csv: parts of the new table (none: the earlier one stays); list: the finish
    // list beside the regatta; console: lines shown besides the last; inTheWay: a folder where the program would
    // write; failingClock: the yachts' readers find the clock failing.
    struct Case { const char* what; std::string rsd; std::vector<std::string> args; int exitCode; std::string lastLine;
                  std::vector<std::string> csv; std::string list = ""; std::vector<std::string> console = {};
                  std::string inTheWay = ""; bool failingClock = false; };
    // The readers look at the clock; this one fails on every thread but the main one.
    struct FailingOffTheMainThread final : Clock {
        std::int64_t nowMs() override {
            return std::this_thread::get_id() == main ? 0 : throw std::runtime_error("clock");
        }
        void pauseMs(std::int64_t) override {}
        const std::thread::id main = std::this_thread::get_id();
    } failingClock;
    const std::string notRead =
        "Fertig: 0 Regatten mit 0 Yachten, davon 0 mit Hinweis im Status; 1 Regattadatei nicht lesbar.";
    const std::string unwritten = "Fertig: 1 Regatta mit 2 Yachten, davon 2 mit Hinweis im Status; 1 \xDC" "bersicht "
                                  "nicht geschrieben.";
    const std::string list = "Segelnummer;Zielzeit\r\nger1;03.06.2004 14:00:05\r\nGER3;03.06.2004 15:00:00\r\n"
                             "GER4;DNF\r\n";
    const Case cases[] = {
        {"two yachts", kRsd, {}, 0, "Fertig: 1 Regatta mit 2 Yachten, davon 2 mit Hinweis im Status.",
         {"Zeitbasis;Lokalzeit", "GER1;Blue Star;4711;2;3;03.06.2004 14:00:00;", "GER2;Blue Star;4711;2;3;;;;;;;;;nicht aus"},
         "", {"Yacht 1 von 2: GER1 \x85 30 min 0 sek, ohne Prüfsumme"}},
        {"the finish list beside the regatta", kRsd, {}, 0, "Fertig: 1 Regatta mit 3 Yachten, davon 3 mit Hinweis im Status.",
         {"Zielzeitenliste;Kiel-Zielzeiten.csv (Zeiten in Lokalzeit)\r\n", ";Zieldurchgang laut Liste;",
          "GER3;;;;;;03.06.2004 15:00:00;;;;;;;;nicht ausgelesen;\r\n"},
         list, {"Nicht gelesen: Zeile 4: Zieldurchgang \x84" "DNF\x93 nicht lesbar"}},
        {"a finish list named", kRsd, {"--zielzeiten", "..\\Daten\\Kiel-Zielzeiten.csv", "Kiel.rsd"}, 0,
         "Fertig: 1 Regatta mit 3 Yachten, davon 3 mit Hinweis im Status.", {"Zielzeitenliste;Kiel-Zielzeiten.csv"}, list},
        {"a finish list without its columns", kRsd, {}, 2,
         "Fertig: 0 Regatten mit 0 Yachten, davon 0 mit Hinweis im Status; 1 \xDC" "bersicht nicht geschrieben.", {},
         "Platz;Name;Zeit\r\n"},
        {"a finish list that is not there", kRsd, {"--zielzeiten", "fehlt.csv"}, 2,
         "Die Zielzeitenliste fehlt.csv ist unbrauchbar: nicht lesbar", {}},
        {"a finish list for two regattas", kRsd, {"--zielzeiten", "fehlt.csv", "Kiel.rsd", "kiel.RSD"}, 2,
         "Eine Zielzeitenliste gehört zu einer Regatta; hier sind es 2. Bitte die Regattadatei nennen.", {}},
        // Page and CSV are replaced as a pair, the page first, or the message says which one is new.
        {"the page cannot take its place", kRsd, {}, 1, unwritten, {}, "",
         {"Die Übersicht kann nicht nach ..\\Daten\\ geschrieben werden; eine frühere Übersicht bleibt unverändert."},
         "Daten/Kiel-Uebersicht.html"},
        {"the table cannot take its place", kRsd, {}, 1, unwritten, {}, "",
         {"Geschrieben: ..\\Daten\\Kiel-Uebersicht.html; Kiel-Uebersicht.csv kann nicht ersetzt werden und ist noch "
          "die frühere Übersicht."}, "Daten/Kiel-Uebersicht.csv"},
        {"a yacht whose evaluation fails", kRsd, {}, 1, "Fertig: 1 Regatta mit 2 Yachten, davon 2 mit Hinweis im Status; "
         "2 Yachten nicht ausgewertet.", {"GER1;;;;;;;;;;;;;Auswertung fehlgeschlagen"}, "",
         {"Yacht 1 von 2: GER1 \x85 Auswertung fehlgeschlagen"}, "", true},
        {"wrong arguments", kRsd, {"--daten"}, 2, "Hilfe: Uebersicht --help", {}},
        {"no data folder", kRsd, {"--daten", "fehlt"}, 1,
         "Das Datenverzeichnis fehlt\\ gibt es nicht oder es ist nicht lesbar.", {}},
        {"no regatta", "", {}, 1, "Im Datenverzeichnis ..\\Daten\\ liegt keine Regattadatei (*.rsd).", {}},
        {"not a regatta file", test::kYrdHeader, {"Kiel.rsd"}, 1, notRead, {}},
        {"no start time", "$Datei-Kennung Regattastammdaten\r\n#", {}, 1, notRead, {}},
    };
    for (const Case& c : cases) {
        test::TempDir dir;
        for (const std::string& sub : {std::string("bin"), std::string("init"), std::string("Daten"), c.inTheWay})
            if (!sub.empty()) dir.makeDirectory(sub);
        dir.write("init/Wakeguard.ini", "$Zeitzone 1\r\n#");
        if (!c.rsd.empty()) dir.write("Daten/Kiel.rsd", c.rsd);
        if (!c.list.empty()) dir.write("Daten/Kiel-Zielzeiten.csv", c.list);
        dir.write("Daten/Kiel-GER1.yrd", kHalfHour);
        dir.write("Daten/Kiel-GER2.ysd", test::kYrdHeader);
        dir.write("Daten/Kiel-Uebersicht.csv", "earlier");
        const auto [exitCode, lines] = runIn(dir, c.args, c.failingClock ? &failingClock : nullptr);
        EXPECT_EQ(std::tuple(exitCode, lines.empty() ? "" : lines.back()), std::tuple(c.exitCode, c.lastLine)) << c.what;
        for (const std::string& line : c.console)
            EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end()) << c.what << ": " << line;
        const bool tableInTheWay = c.inTheWay == "Daten/Kiel-Uebersicht.csv";  // no earlier table then
        const std::string csv = tableInTheWay ? "" : dir.read("Daten/Kiel-Uebersicht.csv");
        EXPECT_EQ(c.csv.empty(), csv == "earlier" || tableInTheWay) << c.what;
        EXPECT_TRUE(!tableInTheWay || dir.exists("Daten/Kiel-Uebersicht.html")) << c.what;
        for (const std::string& part : c.csv) EXPECT_NE(csv.find(part), std::string::npos) << c.what << ": " << part;
        EXPECT_TRUE(!c.inTheWay.empty() || dir.exists("Daten/Kiel-Uebersicht.html") == !c.csv.empty()) << c.what;
        EXPECT_EQ(dir.read("Daten/Kiel-GER1.yrd"), kHalfHour) << c.what;
    }
}

} // namespace
} // namespace wg
