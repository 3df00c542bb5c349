// wg_uebersicht as a program on generated regattas, each with a finish list in a shape race offices have.
#include <gtest/gtest.h>

#include <cstdlib>

#include "evaluation/event_log.h"
#include "evaluation/time_arithmetic.h"
#include "files/preparation_record.h"
#include "files/yacht_master_file.h"
#include "files/yacht_regatta_file.h"
#include "overview/output_text.h"
#include "overview/regatta_overview.h"
#include "platform/file_system.h"
#include "regatta_generator.h"
#include "support/csv_rows.h"
#include "support/fakes.h"
#include "support/temp_dir.h"

namespace wg::test {
namespace {

TEST(OverviewProgram, FinishListRowsAgainstTheEvaluationWithTheFinishTheyMustUse) {
    using gen::ListShape;
    const char* const kByStart = "am Tag des Regattastarts, vor seiner Uhrzeit am Tag danach";
    // regatta: name, yachts, lines, seed, days, list, its shape, night, its hours off; rule (for times of day) and
    // warning (of the time base) on the console and the page, "": none.
    struct Case { const char* what; gen::RegattaOptions regatta; const char* rule; const char* warning; };
    const Case cases[] = {
        {"a results program's import: times of day without seconds", {"Import", 30, 60, 1, 1, true, ListShape::Import},
         kByStart, ""},
        {"a night race: finishes after midnight", {"Nacht", 30, 60, 2, 1, true, ListShape::Import, true}, kByStart, ""},
        {"a list an hour off its time base", {"Stunde", 30, 60, 3, 3, true, ListShape::Export, false, 1}, "",
         "Bei allen Yachten mit gespeichertem Zieldurchgang liegt der der Zielzeitenliste genau 1 Stunde später."},
        {"Excel's Unicode-Text: UTF-16 with tabs and a date column", {"Unicode", 30, 60, 4, 3, true,
         ListShape::UnicodeText}, "Datum aus der Spalte \x84" "Datum\x93", ""},
    };
    TempDir dir;
    for (const char* sub : {"bin", "Daten"}) dir.makeDirectory(sub);
    std::map<std::string, std::vector<gen::GeneratedYacht>> yachts;
    for (const Case& c : cases)
        ASSERT_EQ(gen::generateRegatta(dir.programPath("Daten\\"), c.regatta, &yachts[c.regatta.name]), "");
    const std::string run = "cd '" + nativePath(dir.programPath("bin")) + "' && timeout 60 '" WG_UEBERSICHT "' >'" +
                            nativePath(dir.programPath("console.txt")) + "'";
    ASSERT_EQ(std::system(run.c_str()), 0);
    const std::string console = dir.read("console.txt");

    enum Column { kFinish = 5, kListFinish, kSeconds = 8, kStatus = 14 };
    std::map<std::string, int> seen;  // rows by what the list made of them
    for (const Case& c : cases) {
        const std::string& name = c.regatta.name;
        auto rows = csvRows(utf8FromCp1252(dir.read("Daten/" + name + "-Uebersicht.csv")));
        RegattaRecord regatta;
        regatta.start = {0, c.regatta.night ? 20 : 10, 0, 14, 6, 8};
        for (const gen::GeneratedYacht& y : yachts[name]) {
            const std::vector<std::string>& row = rows[y.id];
            ASSERT_EQ(row.size(), kStatus + 2u) << c.what << ": " << y.id;
            const bool listed = y.listed != gen::Listed::Missing, fromList = y.kind == gen::YachtKind::NoFinish;
            EXPECT_EQ(row[kListFinish], listed ? utf8FromCp1252(dateTimeText(y.listFinish)) : "") << c.what << ": " << y.id;
            const char* finding =
                y.kind == gen::YachtKind::Absent ? "nicht ausgelesen"
                : !listed                        ? "nicht in der Liste"
                : fromList                       ? "Zieldurchgang aus Liste"
                : y.typedFinish && secondCount(*y.typedFinish) != secondCount(y.listFinish)
                    ? "Zieldurchgang weicht von der Liste ab" : "";
            EXPECT_NE(row[kStatus].find(finding), std::string::npos) << c.what << ": " << y.id << ": " << row[kStatus];
            ++seen[finding];
            if (row[kSeconds].empty()) continue;

            // The evaluation of the file as "Daten Speichern" would have left it with the list's finish.
            YachtRecord yacht;
            yacht.regattaFileName = fromList ? "copy.yrd" : name + "-" + y.id + ".yrd";
            if (fromList) {
                dir.write(yacht.regattaFileName, dir.read("Daten/" + name + "-" + y.id + ".yrd"));
                yacht.finish = y.listFinish;
                ASSERT_EQ(appendFinishTime(yacht, dir.programDir(), false).status, kStatusOk);
            }
            FakeShell shell;
            VirtualClock clock;
            evaluate(shell, yacht, regatta, dir.programPath(fromList ? "" : "Daten\\"), clock);
            EXPECT_EQ(row[kSeconds], std::to_string(static_cast<long long>(yacht.evaluation.engineTotalSeconds)))
                << c.what << ": " << y.id;
        }
        // The rule and the warning, or neither, on this regatta's part of the console and on its page.
        const std::size_t from = console.find("Zielzeitenliste " + name + "-Zielzeiten.csv");
        const std::string said = console.substr(from, console.find("Geschrieben", from) - from);
        const std::string page = dir.read("Daten/" + name + "-Uebersicht.html");
        const std::string rule = utf8FromCp1252(std::string(kTimeOfDayRuleLabel) + ": " + c.rule);
        const std::string pageRule = utf8FromCp1252(std::string(kTimeOfDayRuleLabel) + ": <b>" + c.rule);
        for (const auto& [text, expected] : {std::pair{said, rule}, {page, pageRule}}) {
            EXPECT_EQ(text.find(*c.rule ? expected : utf8FromCp1252(kTimeOfDayRuleLabel)) != std::string::npos,
                      *c.rule != 0) << c.what;
            EXPECT_EQ(text.find(*c.warning ? utf8FromCp1252(c.warning) : "Achtung") != std::string::npos,
                      *c.warning != 0) << c.what;
        }
        EXPECT_NE(page.find("DNF\xE2\x80\x9C nicht lesbar"), std::string::npos) << c.what;
    }
    EXPECT_GT(seen["Zieldurchgang aus Liste"] * seen["Zieldurchgang weicht von der Liste ab"] *
                  seen["nicht ausgelesen"] * seen["nicht in der Liste"] * seen[""], 0);
}


// Records and the entry list: a readout from the logger prepared or another, prepared not read, never prepared, listed.
TEST(OverviewProgram, PreparationRecordsAndTheEntryListFlagTheirYachts) {
    TempDir dir;
    VirtualClock clock;
    for (const char* sub : {"bin", "Daten"}) dir.makeDirectory(sub);
    std::vector<gen::GeneratedYacht> yachts;
    ASSERT_EQ(gen::generateRegatta(dir.programPath("Daten\\"), {"Liste", 30, 40, 3, 1}, &yachts), "");
    const auto firstOf = [&](gen::YachtKind kind, std::size_t skip) {
        for (const gen::GeneratedYacht& y : yachts) if (y.kind == kind && skip-- == 0) return y.id;
        return std::string();
    };
    const std::string same = firstOf(gen::YachtKind::Evaluated, 0), other = firstOf(gen::YachtKind::Evaluated, 1),
                      unread = firstOf(gen::YachtKind::NotReadOut, 0), never = firstOf(gen::YachtKind::NotReadOut, 1);
    for (const std::string& id : {same, other, unread}) {
        YachtRecord header;
        header.masterFileName = "Liste-" + id + ".ysd";
        readYachtMasterData(header, dir.programPath("Daten\\"), clock);
        const std::string serial = id == other ? "999999" : header.serialNumber;
        const PreparationRecord record{"Liste", id, "", serial, "", "", "", "", {}, 0, 0, "", "", "", 0, 0, "", "2008-06-13T09:14:00"};
        ASSERT_EQ(writePreparationRecord(dir.programPath("Daten\\"), record), kStatusOk);
    }
    dir.write("Daten/Liste-Meldeliste.csv",
              "Yacht-ID;Yachtname\n" + same + ";\n" + other + ";\n" + unread + ";\n" + never + ";\nNEU1;\n");
    const std::string run = "cd '" + nativePath(dir.programPath("bin")) + "' && timeout 60 '" WG_UEBERSICHT "' >/dev/null";
    ASSERT_EQ(std::system(run.c_str()), 0);
    auto rows = csvRows(utf8FromCp1252(dir.read("Daten/Liste-Uebersicht.csv")));
    enum Column { kStatus = 13, kPrepared };  // without a finish list
    const std::pair<std::string, const char*> flagged[] = {
        {other, "anderer ERLG als vorbereitet"}, {unread, "vorbereitet, nicht ausgelesen"},
        {never, "nicht vorbereitet"}, {"NEU1", "nicht vorbereitet"}};
    for (const auto& [id, flag] : flagged)
        EXPECT_NE(rows[id].at(kStatus).find(flag), std::string::npos) << id << ": " << rows[id][kStatus];
    EXPECT_EQ(rows[same].at(kStatus).find("vorbereit"), std::string::npos) << rows[same][kStatus];
    EXPECT_EQ(rows[other][kPrepared], "13.06. 09:14, ERLG 999999");
}

} // namespace
} // namespace wg::test
