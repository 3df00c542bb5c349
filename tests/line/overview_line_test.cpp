// wg_uebersicht as a program, on a generated regatta over three days with the
// race committee's finish list beside it.
#include <gtest/gtest.h>

#include <cstdlib>

#include "evaluation/event_log.h"
#include "files/preparation_record.h"
#include "files/yacht_master_file.h"
#include "files/yacht_regatta_file.h"
#include "overview/output_text.h"
#include "platform/file_system.h"
#include "regatta_generator.h"
#include "support/csv_rows.h"
#include "support/fakes.h"
#include "support/temp_dir.h"

namespace wg::test {
namespace {

TEST(OverviewProgram, FinishListRowsAgainstTheEvaluationWithTheFinishTheyMustUse) {
    TempDir dir;
    VirtualClock clock;
    for (const char* sub : {"bin", "Daten"}) dir.makeDirectory(sub);
    std::vector<gen::GeneratedYacht> yachts;
    ASSERT_EQ(gen::generateRegatta(dir.programPath("Daten\\"), {"Liste", 60, 200, 3, 3, true}, &yachts), "");
    // The preparation records and the entry list: a readout from the logger prepared, one from
    // another, a yacht prepared and not read out, one listed and never prepared, one only listed.
    const auto firstOf = [&](gen::YachtKind kind, std::size_t skip) {
        for (const gen::GeneratedYacht& y : yachts)
            if (y.kind == kind && skip-- == 0) return y.id;
        return std::string();
    };
    const std::string same = firstOf(gen::YachtKind::Evaluated, 0), other = firstOf(gen::YachtKind::Evaluated, 1),
                      unread = firstOf(gen::YachtKind::NotReadOut, 0), never = firstOf(gen::YachtKind::NotReadOut, 1);
    for (const std::string& id : {same, other, unread}) {
        YachtRecord header;
        header.masterFileName = "Liste-" + id + ".ysd";
        readYachtMasterData(header, dir.programPath("Daten\\"), clock);
        const std::string serial = id == other ? "999999" : header.serialNumber;
        ASSERT_EQ(writePreparationRecord(dir.programPath("Daten\\"),
                                         {"Liste", id, "", serial, "", "", "", "", {}, 0, 0, "", "", "", 0, 0, "",
                                          "2008-06-13T09:14:00"}), kStatusOk);
    }
    dir.write("Daten/Liste-Meldeliste.csv", "Yacht-ID;Yachtname\n" + same + ";A\n" + other + ";B\n" + unread + ";C\n" +
                                                never + ";D\nNEU1;E\n");
    const std::string run = "cd '" + nativePath(dir.programPath("bin")) + "' && timeout 60 '" WG_UEBERSICHT "' >/dev/null";
    ASSERT_EQ(std::system(run.c_str()), 0);
    auto rows = csvRows(utf8FromCp1252(dir.read("Daten/Liste-Uebersicht.csv")));
    enum Column { kFinish = 5, kListFinish, kSeconds = 8, kStatus = 14, kPrepared };
    const std::pair<std::string, const char*> flagged[] = {
        {same, ""}, {other, "anderer ERLG als vorbereitet"}, {unread, "vorbereitet, nicht ausgelesen"},
        {never, "nicht vorbereitet"}, {"NEU1", "nicht vorbereitet"}};
    for (const auto& [id, flag] : flagged) {
        EXPECT_NE(rows[id].at(kStatus).find(flag), std::string::npos) << id << ": " << rows[id][kStatus];
        EXPECT_EQ(rows[id].at(kPrepared).empty(), id == never || id == "NEU1") << id;
    }
    EXPECT_EQ(rows[same][kStatus].find("vorbereit"), std::string::npos) << rows[same][kStatus];
    EXPECT_EQ(rows[other][kPrepared], "13.06. 09:14, ERLG 999999");
    RegattaRecord regatta;
    regatta.start = {0, 10, 0, 14, 6, 8};

    std::map<std::string, int> seen;  // rows by what the list made of them
    for (const gen::GeneratedYacht& y : yachts) {
        const std::vector<std::string>& row = rows[y.id];
        ASSERT_EQ(row.size(), kPrepared + 1u) << y.id;
        const bool listed = y.listed != gen::Listed::Missing, fromList = y.kind == gen::YachtKind::NoFinish;
        EXPECT_EQ(row[kListFinish], listed ? utf8FromCp1252(dateTimeText(y.listFinish)) : "") << y.id;
        const char* finding = y.kind == gen::YachtKind::Absent ? "nicht ausgelesen"
                              : !listed                        ? "nicht in der Liste"
                              : fromList                       ? "Zieldurchgang aus Liste"
                              : y.listed == gen::Listed::Differs && !row[kFinish].empty()
                                  ? "Zieldurchgang weicht von der Liste ab" : "";
        EXPECT_NE(row[kStatus].find(finding), std::string::npos) << y.id << ": " << row[kStatus];
        ++seen[finding];
        if (row[kSeconds].empty()) continue;

        // The evaluation of the file as "Daten Speichern" would have left it with the list's finish.
        YachtRecord yacht;
        yacht.regattaFileName = fromList ? "copy.yrd" : "Liste-" + y.id + ".yrd";
        if (fromList) {
            dir.write(yacht.regattaFileName, dir.read("Daten/Liste-" + y.id + ".yrd"));
            yacht.finish = y.listFinish;
            ASSERT_EQ(appendFinishTime(yacht, dir.programDir()), kStatusOk);
        }
        FakeShell shell;
        evaluate(shell, yacht, regatta, dir.programPath(fromList ? "" : "Daten\\"), clock);
        EXPECT_EQ(row[kSeconds], std::to_string(static_cast<long long>(yacht.evaluation.engineTotalSeconds))) << y.id;
    }
    EXPECT_GT(seen["Zieldurchgang aus Liste"] * seen["Zieldurchgang weicht von der Liste ab"] *
                  seen["nicht ausgelesen"] * seen["nicht in der Liste"], 0);
    EXPECT_NE(dir.read("Daten/Liste-Uebersicht.html").find("DNF\xE2\x80\x9C nicht lesbar"), std::string::npos);
}

} // namespace
} // namespace wg::test
