// wg_uebersicht as a program, on a generated regatta over three days with the
// race committee's finish list beside it.
#include <gtest/gtest.h>

#include <cstdlib>

#include "evaluation/event_log.h"
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
    for (const char* sub : {"bin", "Daten"}) dir.makeDirectory(sub);
    std::vector<gen::GeneratedYacht> yachts;
    ASSERT_EQ(gen::generateRegatta(dir.programPath("Daten\\"), {"Liste", 60, 200, 3, 3, true}, &yachts), "");
    const std::string run = "cd '" + nativePath(dir.programPath("bin")) + "' && timeout 60 '" WG_UEBERSICHT "' >/dev/null";
    ASSERT_EQ(std::system(run.c_str()), 0);
    auto rows = csvRows(utf8FromCp1252(dir.read("Daten/Liste-Uebersicht.csv")));
    RegattaRecord regatta;
    regatta.start = {0, 10, 0, 14, 6, 8};

    enum Column { kFinish = 5, kListFinish, kSeconds = 8, kStatus = 14 };
    std::map<std::string, int> seen;  // rows by what the list made of them
    for (const gen::GeneratedYacht& y : yachts) {
        const std::vector<std::string>& row = rows[y.id];
        ASSERT_EQ(row.size(), kStatus + 1u) << y.id;
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
            ASSERT_EQ(appendFinishTime(yacht, dir.programDir(), false).status, kStatusOk);
        }
        FakeShell shell;
        VirtualClock clock;
        evaluate(shell, yacht, regatta, dir.programPath(fromList ? "" : "Daten\\"), clock);
        EXPECT_EQ(row[kSeconds], std::to_string(static_cast<long long>(yacht.evaluation.engineTotalSeconds))) << y.id;
    }
    EXPECT_GT(seen["Zieldurchgang aus Liste"] * seen["Zieldurchgang weicht von der Liste ab"] *
                  seen["nicht ausgelesen"] * seen["nicht in der Liste"], 0);
    EXPECT_NE(dir.read("Daten/Liste-Uebersicht.html").find("DNF\xE2\x80\x9C nicht lesbar"), std::string::npos);
}

} // namespace
} // namespace wg::test
