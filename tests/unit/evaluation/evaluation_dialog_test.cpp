#include <gtest/gtest.h>

#include "evaluation/evaluation_dialog.h"
#include "evaluation/readout_dialog.h"
#include "resources/resource_ids.h"
#include "support/fake_shell.h"
#include "support/fake_view.h"
#include "support/temp_dir.h"
#include "support/virtual_clock.h"
#include "yrd_text.h"

namespace wg::test {
namespace {

class EvaluationDialogTest : public ::testing::Test {
protected:
    EvaluationDialogTest() {
        regatta.start.hour = 10;
        regatta.start.day = 3;
        regatta.start.month = 6;
        regatta.start.year = 4;
        dir.write("Sommer04-GER12.yrd",
                  yrdFile({eventLine("Generator Ein", "09:50:00"), eventLine("Generator Aus", "10:20:00"),
                           eventLine("Getriebe Ein", "11:00:00"), eventLine("Getriebe Aus", "11:30:00"),
                           eventLine("Start", "12:00:00"),
                           eventLine("Stecker abgezogen", "13:40:00"),
                           eventLine("Stecker angesteckt", "14:10:00")},
                          finishBlock(14, 0, 0, 3, 6, 4)));
        dialog.opened(view);
    }
    void choose(const std::string& name, bool confirmed = true) {
        shell.choices.push_back({confirmed, dir.programPath(name), name});
    }
    void click(int id) { dialog.clicked(view, id); }

    TempDir dir;
    VirtualClock clock;
    FakeShell shell;
    YachtRecord yacht;
    RegattaRecord regatta;
    EvaluationRun run;
    std::vector<std::string> viewed;
    EvaluationDialog dialog{shell, clock, yacht, regatta, run,
                            [this](const std::string& path) { viewed.push_back(path); }};
    FakeView view;
};

TEST_F(EvaluationDialogTest, LoadsAStoredFileAndComputesItTwiceAlike) {
    choose("Sommer04-GER12.yrd");
    click(IDC_EV_LOAD);
    ASSERT_EQ(shell.chooseCalls.size(), 1u);
    EXPECT_EQ(shell.chooseCalls[0].kind, 3);
    EXPECT_EQ(shell.chooseCalls[0].title, "Yacht-Regattadaten, Datei öffnen");
    EXPECT_EQ(view.visibility, (std::vector<bool>{false, true}));
    EXPECT_EQ(view.texts[IDC_EV_FILE_NAME], "Sommer04-GER12");
    EXPECT_EQ(view.texts[IDC_EV_YACHT_ID], "GER12");
    EXPECT_EQ(view.texts[IDC_EV_SERIAL], "4711");
    EXPECT_EQ(view.texts[IDC_EV_SEALS], "2");
    EXPECT_EQ(view.texts[IDC_EV_YACHT_NAME], "Blue Star");
    EXPECT_EQ(yacht.regattaFileName, dir.programPath("Sommer04-GER12.yrd"));
    EXPECT_TRUE(shell.boxes.empty());

    for (int press = 0; press < 2; ++press) {
        click(IDC_EV_COMPUTE);
        EXPECT_EQ(view.texts[IDC_EV_DURATION], "   70 min  0 sek") << press;
        EXPECT_EQ(view.texts[IDC_EV_EVENTS], "3") << press;
        EXPECT_EQ(view.texts[IDC_EV_POWER_ON], "1") << press;
        EXPECT_EQ(view.texts[IDC_EV_FINISH_TIME], "14:00:00") << press;
        EXPECT_EQ(view.texts[IDC_EV_FINISH_DATE], "03.06.04") << press;
    }

    click(IDC_EV_VIEW);
    EXPECT_EQ(viewed, std::vector<std::string>{dir.programPath("Sommer04-GER12.yrd")});
}

TEST_F(EvaluationDialogTest, FinishShowsWithTwoDigitsPerComponent) {
    dir.write("Late.yrd", yrdFile({}, finishBlock(7, 5, 9, 3, 6, 4)));
    choose("Late.yrd");
    click(IDC_EV_LOAD);
    click(IDC_EV_COMPUTE);
    EXPECT_EQ(view.texts[IDC_EV_FINISH_TIME], "07:05:09");
    EXPECT_EQ(view.texts[IDC_EV_FINISH_DATE], "03.06.04");
    EXPECT_EQ(view.texts[IDC_EV_EVENTS], "0");
}

TEST_F(EvaluationDialogTest, CancelledChoiceKeepsRecordAndPath) {
    choose("Sommer04-GER12.yrd");
    click(IDC_EV_LOAD);
    const YachtRecord before = yacht;
    const std::string chosen = run.chosenPath;
    choose("", false);
    click(IDC_EV_LOAD);
    EXPECT_TRUE(shell.boxes.empty());
    EXPECT_EQ(run.chosenPath, chosen);
    EXPECT_EQ(yacht.regattaFileName, before.regattaFileName);
    EXPECT_EQ(yacht.masterFileName, before.masterFileName);
    EXPECT_EQ(yacht.yachtName, before.yachtName);
    EXPECT_EQ(view.texts[IDC_EV_YACHT_ID], "GER12");
}

TEST_F(EvaluationDialogTest, ChosenFileThatCannotBeReadIsReported) {
    choose("Gone.yrd");
    click(IDC_EV_LOAD);
    ASSERT_EQ(shell.boxes.size(), 1u);
    EXPECT_EQ(shell.boxes[0].caption, "Datei- und Auswerungsfehler");
    EXPECT_EQ(run.chosenPath, dir.programPath("Gone.yrd"));
}

TEST_F(EvaluationDialogTest, OtherFileKindsLoadNothing) {
    choose("Sommer04.rsd");
    click(IDC_EV_LOAD);
    EXPECT_TRUE(run.chosenPath.empty());
    EXPECT_TRUE(yacht.regattaFileName.empty());
}

TEST_F(EvaluationDialogTest, ViewingBeforeAnyChoiceHandsOverTheEmptyPath) {
    click(IDC_EV_VIEW);
    EXPECT_EQ(viewed, std::vector<std::string>{""});
    click(button::kCancel);
    EXPECT_TRUE(view.closed());
}

} // namespace
} // namespace wg::test
