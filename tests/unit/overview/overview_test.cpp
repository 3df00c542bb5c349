#include <gtest/gtest.h>

#include <filesystem>

#include "evaluation/event_log.h"
#include "evaluation/time_arithmetic.h"
#include "support/yrd_text.h"
#include "files/fingerprint.h"
#include "files/text.h"
#include "overview/command_line.h"
#include "overview/output_text.h"
#include "overview/overview_program.h"
#include "overview/regatta_overview.h"
#include "support/fakes.h"
#include "support/temp_dir.h"

// Rows are written with the fields a case needs; the others keep their defaults.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace wg {
namespace {

using test::ev;
using test::yrdFile;

// The regatta of the yrd_text.h files: start 10:00 on 3 June 2004 (their finish is 14:00).
RegattaRecord regattaAtTen() {
    RegattaRecord regatta;
    regatta.designation = "Kieler Woche";
    regatta.start = {0, 10, 0, 3, 6, 4};
    regatta.end = {0, 18, 0, 3, 6, 4};
    return regatta;
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
          "Kiel-GER9.yrd.grobminuten", "Kielwoche-GER6.yrd", ".rsd",
          "KIEL-GER1.YRD"})  // the last only a case-sensitive file system holds
        listing.push_back({name, 100, true});
    listing.push_back({"Kiel-GER8.yrd", 0, false});  // a folder
    std::string found;
    for (const YachtFiles& y : findYachts("Kiel", listing))
        found += y.yachtId + ":" + y.masterName + "," + y.regattaName + (y.incomplete ? ",abgebrochen" : "") +
                 (y.nameRefused ? ",refused" : "") + " ";
    EXPECT_EQ(found, ":,Kiel-.yrd,refused ABCDEFGHIJKLMNOP:Kiel-ABCDEFGHIJKLMNOP.ysd,,refused "
                     "GER1:kiel-ger1.YSD,Kiel-GER1.yrd GER1:,KIEL-GER1.YRD GER2:Kiel-GER2.ysd, "
                     "GER3:Kiel-GER3.ysd,,abgebrochen GER10:,Kiel-GER10.yrd ");
    EXPECT_EQ(regattaFileNames(listing), (std::vector<std::string>{"KIEL-NORD.RSD", "Kiel.rsd"}));
    EXPECT_EQ(foldCase("az àþ÷ÿšœž"), "AZ ÀÞ÷ŸŠŒŽ");  // as Windows compares names
}

struct RowCase {
    const char* what;
    std::string yrd, ysd;  // empty: no such file
    bool incomplete, fingerprint;
    std::string status;
    double engineSeconds;  // -1: no engine time
    std::uint64_t size = 0;
    std::string editedLater = "";  // appended after the fingerprint was taken
    bool refused = false;          // a name the file-name rule refuses
};

TEST(OverviewRows, StatusAndEngineTimeAsTheEvaluationDialogGivesThem) {
    const std::string ysd = test::kYrdHeader;
    const RowCase cases[] = {
        {"evaluated", kHalfHour, ysd, false, true, "ausgewertet", 1800},
        {"read out before fingerprints", kHalfHour, "", false, false, "ohne Prüfsumme", 1800},
        {"edited after the readout", kHalfHour, "", false, true, "nach dem Auslesen verändert", 1800, 0, "\r\n"},
        {"reset and power-on", yrdFile({ev("Start", "10:30:00"), ev("Reset", "11:00:00")}), "", false,
         true, "ausgewertet", 3600},
        {"no finish", yrdFile({ev("Getriebe Aus", "11:00:00")}, ""), "", false, true, "Zieldurchgang fehlt", -1},
        {"finish before start", yrdFile({}, test::finishBlock(9, 0, 0, 3, 6, 4)), "", false, true,
         "Zieldurchgang vor dem Regattastart", 0},
        {"finish out of range", yrdFile({}, test::finishBlock(25, 0, 0, 3, 6, 4)), "", false, true,
         "Datei beschädigt: Zieldurchgang ungültig", 0},
        {"not read out", "", ysd, false, false, "nicht ausgelesen", -1},
        {"readout broke off", "", ysd, true, false, "Auslesen abgebrochen", -1},
        {"readout broke off, earlier file kept", kHalfHour, ysd, true, true, "Auslesen abgebrochen", 1800},
        {"no end line", test::kYrdHeader + test::finishBlock(14, 0, 0, 3, 6, 4), "", false, true,
         "Datei beschädigt: Endezeile fehlt", 0},
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
        const YachtRow row = evaluateYacht(dir.programDir(), files, regattaAtTen(), clock, 60);
        EXPECT_EQ(statusText(row), c.status) << c.what;
        EXPECT_EQ(row.hasEngineTime, c.engineSeconds >= 0) << c.what;
        EXPECT_LE(row.yachtName.size(), kYachtNameLimit) << c.what;
        if (!row.hasEngineTime) continue;
        // The same numbers as "Berechnen" in "Auswertung anzeigen" shows for the file.
        test::FakeShell shell;
        YachtRecord dialog;
        dialog.regattaFileName = dir.programPath(files.regattaName);
        evaluate(shell, dialog, regattaAtTen(), "", clock);
        const YachtEvaluation& e = dialog.evaluation;
        EXPECT_EQ(row.engineSeconds, c.engineSeconds) << c.what;
        EXPECT_EQ(std::tie(row.engineSeconds, row.durationText, row.eventCount, row.powerOnCount),
                  std::tie(e.engineTotalSeconds, e.durationText, e.eventCount, e.powerOnCount)) << c.what;
        EXPECT_EQ(row.resetsAfterStart, static_cast<std::int32_t>(shell.boxes.size())) << c.what;
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
        EXPECT_EQ(rowCells(row).at(12) + "|" + statusText(row), cell + "|ohne Prüfsumme") << sidecar.value_or("none");
    }
}

TEST(OverviewRows, EveryRuleTellsWhatItDidAndTheDetailCollapsesLinesWithoutEffect) {
    using E = EventEffect;
    const std::string file = yrdFile({
        ev("Reset", "09:00:00"), ev("Generator Ein", "09:50:00"), ev("Getriebe Aus", "09:55:00"),
        ev("Generator Aus", "10:20:00"), ev("Getriebe Ein", "11:00:00"),
        ev("Generator Ein", "11:10:00"), ev("Getriebe Aus", "11:30:00"), ev("Start", "12:00:00"),
        ev("Reset", "12:30:00"), ev("Stecker abgezogen", "13:40:00"),
        ev("Stecker angesteckt", "14:10:00"), ev("Generator Aus", "14:20:00"),
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

TEST(OverviewRows, LongestEngineTimeFirstThenRowsWithoutOneInTheirOrder) {
    std::vector<YachtRow> rows(5);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        rows[i].files.yachtId = std::string(1, static_cast<char>('A' + i));
        rows[i].hasEngineTime = i % 3 != 0;  // not A and D
        rows[i].engineSeconds = i == 2 ? 120 : 60;
    }
    sortRows(rows);
    EXPECT_EQ(rows[0].files.yachtId + rows[1].files.yachtId + rows[2].files.yachtId + rows[3].files.yachtId +
                  rows[4].files.yachtId, "CBEAD");
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
              "Sekunden;Minuten;Ereignisse;Power-On;Resets nach Start;Grobminuten;Status\r\n"
              "GER12;\"'=M\xC3\xB6we; \"\"B\"\"\";'-A1;-4;3;03.06.2004 14:00:00;\"   54 min 40 sek\";3280;54,67;2;1;0;"
              "57;ausgewertet\r\nGER7;;;;;;;;;;;;;nicht ausgelesen\r\n");
    const std::pair<const char*, const char*> guarded[] = {{"-", "'-"}, {"-0,5", "-0,5"}, {"@A", "'@A"}};
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
                             "<td class=\"n\">   54 min 40 sek", "<td class=\"n\">57<td>", "viewBox=\"0 0 1100 70\"",
                             "<a href=\"#y1\"><text x=\"4\" y=\"13\">GER12</text></a>",
                             "<text x=\"250\" y=\"20\" text-anchor=\"middle\">10:30</text>",
                             "<path class=\"g\" d=\"M850 10h240\"/><path class=\"c\" d=\"M250 10h120\"/>",
                             "<path class=\"z\" d=\"M1090 0v18\"/>",
                             "<text class=\"h\" x=\"136\" y=\"13\">nicht ausgelesen</text>"})
        EXPECT_NE(page.find(part), std::string::npos) << part;
    EXPECT_EQ(page.find("ausgewertet</text>"), std::string::npos);  // a row with bars has no status in the picture
    EXPECT_EQ(page.find("<script"), std::string::npos);

    // The worst a yacht can bring: every other column of each layer marked,
    // the longest texts, the detail full.
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
    struct Case {
        const char* what;
        TimeOfRegatta end;
        double finish, powerOn;  // seconds after the start; 0: none
        std::vector<std::string> parts;
    };
    const Case cases[] = {
        {"an end at the start: one hour in 5-minute steps", {0, 10, 0, 3, 6, 4}, 0, 1823,
         {"<text x=\"210\" y=\"20\" text-anchor=\"middle\">10:05</text>", "<path class=\"p\" d=\"M616 2h3\"/>"}},
        {"eight hours in hourly steps", {0, 18, 0, 3, 6, 4}, 0, 0,
         {"<text x=\"250\" y=\"20\" text-anchor=\"middle\">11:00</text>"}},
        {"two days in 6-hour steps", {0, 10, 0, 5, 6, 4}, 0, 0,
         {"<text x=\"290\" y=\"20\" text-anchor=\"middle\">18:00</text>"}},
        {"ten days in daily steps", {0, 10, 0, 13, 6, 4}, 0, 0,
         {"<text x=\"186\" y=\"20\" text-anchor=\"middle\">00:00</text>"}},
        {"a finish two days after the end still reaches the axis", {0, 18, 0, 3, 6, 4}, 56 * 3600, 56 * 3600,
         {"<path class=\"z\" d=\"M1090 0v18\"/>", "<path class=\"p\" d=\"M1087 2h3\"/>"}},
    };
    for (const Case& c : cases) {
        RegattaOverview ov{"Kiel.rsd", regattaAtTen(), "UTC", "", {}};
        ov.regatta.end = c.end;
        const double start = secondCount(10, 0, 0, 3, 6, 4);
        ov.rows.push_back({.files = {"GER1"}, .hasFinish = c.finish > 0, .finishSeconds = start + c.finish});
        if (c.powerOn > 0) ov.rows[0].timeline.powerOns = {start + c.powerOn};
        const std::string svg = timelineSvg(ov);
        for (const std::string& part : c.parts) EXPECT_NE(svg.find(part), std::string::npos) << c.what << ": " << part;
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
    };
    for (const auto& [args, expected] : cases) {
        const CommandLine cmd = parseCommandLine(args);
        std::string got = cmd.help ? "help" : cmd.error.empty() ? cmd.dataDir + "|" : "error";
        for (const RegattaFileArgument& r : cmd.regattaFiles) got += r.dataDir + " " + r.fileName + " ";
        EXPECT_EQ(got, expected) << (args.empty() ? "" : args[0]);
    }
}

// The program in a Wakeguard folder, started from its bin folder: exit code and console lines.
std::pair<int, std::vector<std::string>> runIn(const test::TempDir& dir, const std::vector<std::string>& args) {
    struct Lines final : Console {
        void line(const std::string& text) override { lines.push_back(text); }
        std::vector<std::string> lines;
    } console;
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(nativePath(dir.programPath("bin")));
    test::VirtualClock clock;
    const int code = runOverview(args, PcTime{2008, 6, 0, 15, 10, 12, 0, 0}, console, clock).exitCode;
    std::filesystem::current_path(before);
    return {code, console.lines};
}

TEST(OverviewProgram, ExitCodesMessagesAndWhatItWrites) {
    struct Case {
        const char* what;
        std::string rsd;  // "": none
        std::vector<std::string> args;
        int exitCode;
        std::string lastLine;
        std::vector<std::string> csv;  // parts of the new CSV; none: the earlier one stays
    };
    const std::string notRead =
        "Fertig: 0 Regatten mit 0 Yachten, davon 0 mit Hinweis im Status; 1 Regattadatei nicht lesbar.";
    const Case cases[] = {
        {"two yachts", kRsd, {}, 0, "Fertig: 1 Regatta mit 2 Yachten, davon 2 mit Hinweis im Status.",
         {"Zeitbasis;Lokalzeit", "GER1;Blue Star;4711;2;3;03.06.2004 14:00:00;",
          "GER2;Blue Star;4711;2;3;;;;;;;;;nicht aus"}},
        {"wrong arguments", kRsd, {"--daten"}, 2, "Hilfe: Uebersicht --help", {}},
        {"no data folder", kRsd, {"--daten", "fehlt"}, 1,
         "Das Datenverzeichnis fehlt\\ gibt es nicht oder es ist nicht lesbar.", {}},
        {"no regatta", "", {}, 1, "Im Datenverzeichnis ..\\Daten\\ liegt keine Regattadatei (*.rsd).", {}},
        {"not a regatta file", test::kYrdHeader, {"Kiel.rsd"}, 1, notRead, {}},
        {"no start time", "$Datei-Kennung Regattastammdaten\r\n#", {}, 1, notRead, {}},
    };
    for (const Case& c : cases) {
        test::TempDir dir;
        for (const char* sub : {"bin", "init", "Daten"}) dir.makeDirectory(sub);
        dir.write("init/Wakeguard.ini", "$Zeitzone 1\r\n#");
        if (!c.rsd.empty()) dir.write("Daten/Kiel.rsd", c.rsd);
        dir.write("Daten/Kiel-GER1.yrd", kHalfHour);
        dir.write("Daten/Kiel-GER2.ysd", test::kYrdHeader);
        dir.write("Daten/Kiel-Uebersicht.csv", "earlier");
        const auto [exitCode, lines] = runIn(dir, c.args);
        EXPECT_EQ(exitCode, c.exitCode) << c.what;
        EXPECT_EQ(lines.empty() ? "" : lines.back(), c.lastLine) << c.what;
        const std::string csv = dir.read("Daten/Kiel-Uebersicht.csv");
        EXPECT_EQ(c.csv.empty(), csv == "earlier") << c.what;
        for (const std::string& part : c.csv) EXPECT_NE(csv.find(part), std::string::npos) << c.what << ": " << part;
        EXPECT_EQ(dir.exists("Daten/Kiel-Uebersicht.html"), c.exitCode == 0) << c.what;
        if (c.exitCode == 0) {
            EXPECT_EQ(lines.at(1), "Yacht 1 von 2: GER1 \x85 30 min 0 sek, ohne Prüfsumme");
        }
    }

    // A data folder where the overview cannot be put: the earlier one stays.
    test::TempDir dir;
    for (const char* sub : {"bin", "Daten", "Daten/Kiel-Uebersicht.html"}) dir.makeDirectory(sub);
    dir.write("Daten/Kiel.rsd", kRsd);
    const auto [exitCode, lines] = runIn(dir, {});
    EXPECT_EQ(exitCode, kExitNotRead);
    EXPECT_NE(lines.at(lines.size() - 2).find("eine frühere Übersicht bleibt unverändert"), std::string::npos);
    EXPECT_NE(dir.read("Daten/Kiel-Uebersicht.csv").find("Zeitbasis;unbekannt"), std::string::npos);
}

} // namespace
} // namespace wg
