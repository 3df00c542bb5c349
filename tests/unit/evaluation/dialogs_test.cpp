#include "evaluation/evaluation_dialog.h"
#include "evaluation/readout_dialog.h"
#include "evaluation/yrd_text.h"
#include "files/yacht_header.h"
#include "logger/date_time_check.h"
#include "resources/resource_ids.h"
#include "support/logger_rig.h"
#include "support/temp_dir.h"
#include "yacht/readout.h"

namespace wg::test {
namespace {

struct EvaluationDialogTest : ::testing::Test {
    EvaluationDialogTest() {
        regatta.start = {0, 10, 0, 3, 6, 4};
        dir.write("S-GER12.yrd", yrdFile({ev("Generator Ein", "09:50:00"), ev("Generator Aus", "10:20:00"),
                                          ev("Getriebe Ein", "11:00:00"), ev("Getriebe Aus", "11:30:00"),
                                          ev("Start", "12:00:00")},
                                         finishBlock(14, 5, 9, 3, 6, 4)));
    }
    void load(const std::string& name, bool confirmed = true) {
        shell.choices.push_back({confirmed, dir.programPath(name), name});
        dialog.clicked(view, IDC_EV_LOAD);
    }
    TempDir dir;
    VirtualClock clock;
    FakeShell shell;
    YachtRecord yacht;
    RegattaRecord regatta;
    EvaluationRun run;
    Texts viewed;
    EvaluationDialog dialog{shell, clock, yacht, regatta, run, [this](const std::string& p) { viewed.push_back(p); }};
    FakeView view;
};

TEST_F(EvaluationDialogTest, LoadsAStoredFileComputesItAndHandsItToTheViewer) {
    dialog.clicked(view, IDC_EV_VIEW);  // before any choice: the empty path
    load("S-GER12.yrd");
    EXPECT_EQ(shell.chosen, Texts{"3 Yacht-Regattadaten, Datei öffnen"});
    EXPECT_EQ(view.visibility, (std::vector<bool>{false, true}));
    EXPECT_EQ(view.texts[IDC_EV_FILE_NAME] + "|" + view.texts[IDC_EV_YACHT_ID] + "|" + view.texts[IDC_EV_SERIAL] +
                  "|" + view.texts[IDC_EV_SEALS] + "|" + view.texts[IDC_EV_YACHT_NAME],
              "S-GER12|GER12|4711|2|Blue Star");
    for (int press = 0; press < 2; ++press) {
        dialog.clicked(view, IDC_EV_COMPUTE);
        EXPECT_EQ(view.texts[IDC_EV_DURATION], "   50 min  0 sek");
        EXPECT_EQ(view.texts[IDC_EV_EVENTS] + view.texts[IDC_EV_POWER_ON], "21");
        EXPECT_EQ(view.texts[IDC_EV_FINISH_TIME] + " " + view.texts[IDC_EV_FINISH_DATE], "14:05:09 03.06.04");
    }
    load("", false);  // a cancelled choice keeps the file
    dialog.clicked(view, IDC_EV_VIEW);
    EXPECT_EQ(viewed, (Texts{"", dir.programPath("S-GER12.yrd")}));
    EXPECT_TRUE(shell.boxes.empty());
    dialog.clicked(view, button::kCancel);
    EXPECT_TRUE(view.closed());
}

TEST_F(EvaluationDialogTest, OtherKindsLoadNothingAFileThatCannotBeReadIsReported) {
    load("S.rsd");
    EXPECT_EQ(run.chosenPath + yacht.regattaFileName, "");
    load("Gone.yrd");
    ASSERT_EQ(shell.boxes.size(), 1u);
    EXPECT_EQ(shell.boxes[0].caption, "Datei- und Auswerungsfehler");
    EXPECT_EQ(run.chosenPath, dir.programPath("Gone.yrd"));
}

// The race of the event log: start 10:00, finish 14:00 on 14.6.08.
struct ReadoutDialogTest : LoggerTest {
    ReadoutDialogTest() {
        regatta.regattaFileName = "S";
        regatta.start = {0, 10, 0, 14, 6, 8};
        logger().loggedIn = true;
        logger().coarseMinutes = 42;
        logger().events = {"Generator Ein : 14.06.08 Sa 09:50:00", "Generator Aus : 14.06.08 Sa 10:20:00",
                           "Getriebe Ein : 14.06.08 Sa 11:00:00",  "Getriebe Aus : 14.06.08 Sa 11:30:00",
                           "Start : 14.06.08 Sa 12:00:00",         "Stecker abgezogen : 14.06.08 Sa 13:40:00",
                           "Stecker angesteckt : 14.06.08 Sa 14:10:00"};
        YachtRecord master;
        master.yachtName = "Blue Star";
        master.yachtId = "GER12";
        master.serialNumber = "100234";
        master.sealCount = 4;
        dir.write("S-GER12.ysd", yachtHeaderBytes(master));
        dialog.opened(view);
    }
    void typeFinish(const std::vector<const char*>& values) {
        const int fields[] = {IDC_EV_HOUR, IDC_EV_MINUTE, IDC_EV_SECOND, IDC_EV_DAY, IDC_EV_MONTH, IDC_EV_YEAR};
        for (std::size_t i = 0; i < values.size(); ++i) view.type(dialog, fields[i], values[i]);
    }
    TempDir dir;
    YachtRecord yacht;
    RegattaRecord regatta;
    EvaluationRun run;
    int timeZone = 0;
    ReadoutDialog dialog{context, yacht, regatta, timeZone, run, dir.programDir()};
    FakeView view;
};

TEST_F(ReadoutDialogTest, MainRoadReadsSavesAndComputes) {
    EXPECT_EQ(view.texts, (std::map<int, std::string>{{IDC_EV_TIME_ZONE, " UTC"}}));
    dialog.clicked(view, IDC_EV_READ);
    EXPECT_EQ(wire(), "D\rT\rI\r");
    EXPECT_TRUE(run.dataRead);
    EXPECT_EQ(view.texts[IDC_EV_STATUS], kReadoutDoneText);
    EXPECT_EQ(view.texts[IDC_EV_COARSE] + "|" + view.texts[IDC_EV_YACHT_ID] + "|" + view.texts[IDC_EV_SERIAL] + "|" +
                  view.texts[IDC_EV_FILE_NAME] + "|" + view.texts[IDC_EV_SEALS] + "|" + view.texts[IDC_EV_YACHT_NAME],
              "42 min|GER12|100234|S-GER12|4|Blue Star");
    std::string block = "$";
    for (const std::string& e : logger().events) block += e + "\r\n$";
    const std::string readOut = dir.read("S-GER12.ysd") + block + "Ereigniss Ende\r\n";
    EXPECT_EQ(dir.read("S-GER12.yrd"), readOut);

    dialog.clicked(view, IDC_EV_COMPUTE);  // nothing to compute before a finish time was saved
    ASSERT_EQ(shell.boxes.size(), 1u);
    EXPECT_EQ(shell.boxes[0].caption + "|" + shell.boxes[0].text,
              "Fehlende Eingabe|Noch keine Zieldurchgangszeit eingegeben\nBerechnung nicht möglich.");
    EXPECT_EQ(view.texts.count(IDC_EV_DURATION), 0u);
    typeFinish({"14", "0", "0", "14", "6", "8"});
    dialog.clicked(view, IDC_EV_SAVE);
    EXPECT_TRUE(run.finishSaved);
    EXPECT_EQ(view.texts[IDC_EV_STATUS], "Zieldurchgangszeit in Datei S-GER12.yrd gespeichert.");
    EXPECT_EQ(dir.read("S-GER12.yrd"), readOut + finishBlock(14, 0, 0, 14, 6, 8));
    for (int press = 0; press < 2; ++press) {
        dialog.clicked(view, IDC_EV_COMPUTE);
        EXPECT_EQ(view.texts[IDC_EV_DURATION], "   70 min  0 sek");
        EXPECT_EQ(view.texts[IDC_EV_EVENTS], "3");
    }
    EXPECT_FALSE(view.closed());
}

// The simulator's own demo race, as the README walks a newcomer through it.
TEST_F(ReadoutDialogTest, DemoRaceOfTheSimulator) {
    logger().events = sim::DeviceState{}.events;
    regatta.start = {30, 9, 0, 14, 6, 8};
    dialog.clicked(view, IDC_EV_READ);
    typeFinish({"17", "0", "0", "14", "6", "8"});
    dialog.clicked(view, IDC_EV_SAVE);
    dialog.clicked(view, IDC_EV_COMPUTE);
    EXPECT_EQ(view.texts[IDC_EV_DURATION] + "|" + view.texts[IDC_EV_EVENTS], "   54 min 40 sek|2");
}

TEST_F(ReadoutDialogTest, MissingYachtMasterDataIsReportedAndTheReadoutStillRuns) {
    logger().yachtId = "FRA7";
    dialog.clicked(view, IDC_EV_READ);
    ASSERT_EQ(shell.boxes.size(), 1u);
    EXPECT_EQ(shell.boxes[0].caption + shell.boxes[0].text, std::string(kYachtDataMissingCaption) + kYachtDataMissingText);
    EXPECT_TRUE(dir.exists("S-FRA7.yrd"));
    EXPECT_TRUE(run.dataRead);
    EXPECT_EQ(view.texts.count(IDC_EV_FILE_NAME), 0u);
}

TEST_F(ReadoutDialogTest, LoggerDemandingThePasswordClosesAndAsksForIt) {
    logger().loggedIn = false;
    dialog.clicked(view, IDC_EV_READ);
    EXPECT_TRUE(view.closed());
    EXPECT_EQ(shell.commandsPosted, std::vector<int>{cmd::kMasterPassword});
    EXPECT_EQ(wire(), "D\r");
    EXPECT_FALSE(run.dataRead);
}

TEST_F(ReadoutDialogTest, BrokenReadoutLeavesTheFlagAndTheEarlierFile) {
    dir.write("S-GER12.yrd", "earlier readout\r\n");
    behaviour().dumpLimit = 100;
    dialog.clicked(view, IDC_EV_READ);
    EXPECT_FALSE(run.dataRead);
    EXPECT_EQ(dir.read("S-GER12.yrd"), "earlier readout\r\n");
    EXPECT_EQ(shown(), Texts{readoutBrokenText("S-GER12.yrd", true, true)});
    EXPECT_EQ(view.texts.count(IDC_EV_STATUS), 0u);
    dialog.clicked(view, IDC_EV_SAVE);  // saving needs a readout first
    ASSERT_EQ(shell.boxes.size(), 1u);
    EXPECT_EQ(shell.boxes[0].caption + "|" + shell.boxes[0].text,
              "Bedienungsfehler|Datenspeicherung nicht möglich,\nZuerst ERLG auslesen!");
    EXPECT_FALSE(run.finishSaved);
    run = EvaluationRun{true, false, ""};  // an earlier yacht's readout of this run lets the save go
    dialog.clicked(view, IDC_EV_SAVE);
    EXPECT_TRUE(run.finishSaved);
    EXPECT_EQ(shell.boxes.size(), 1u);
}

TEST_F(ReadoutDialogTest, FinishFieldsCheckEachComponentAndReopenTheDialogOnARefusal) {
    timeZone = 1;
    ReadoutDialog local{context, yacht, regatta, timeZone, run, dir.programDir()};
    local.opened(view);
    EXPECT_EQ(view.texts[IDC_EV_TIME_ZONE], "Lokalzeit");
    yacht.finish = FinishTime{9, 9, 9, 9, 9, 9};
    typeFinish({"23", "59", "60"});
    EXPECT_EQ(yacht.finish.hour * 10000 + yacht.finish.minute * 100 + yacht.finish.second, 235900);
    EXPECT_TRUE(view.closed());
    EXPECT_EQ(message.text(), rangeMessage(FieldKind::Second));
    EXPECT_EQ(shell.commandsPosted, (std::vector<int>{cmd::kShowMessage, cmd::kReadOutAndEvaluate}));
    typeFinish({"", "", "", "31", "13", "2"});
    EXPECT_EQ(yacht.finish.day * 10000 + yacht.finish.month * 100 + yacht.finish.year, 310103);
}

} // namespace
} // namespace wg::test
