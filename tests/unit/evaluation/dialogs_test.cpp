#include <set>

#include "evaluation/evaluation_dialog.h"
#include "evaluation/readout_dialog.h"
#include "support/yrd_text.h"
#include "files/fingerprint.h"
#include "platform/file_system.h"
#include "files/yacht_header.h"
#include "logger/date_time_check.h"
#include "resources/resource_ids.h"
#include "support/drive_room.h"
#include "support/logger_rig.h"
#include "support/temp_dir.h"
#include "yacht/readout.h"

#pragma GCC diagnostic ignored "-Wmissing-field-initializers"  // records with the fields a test needs

namespace wg::test {
namespace {

TEST(EvaluationDialog, LoadsAStoredFileComputesItAndHandsItToTheViewer) {
    TempDir dir;
    dir.write("S-GER12.yrd", yrdFile({ev("Generator Ein", "09:50:00"), ev("Generator Aus", "10:20:00"),
                                      ev("Start", "12:00:00")}, finishBlock(14, 5, 9, 3, 6, 4)));
    VirtualClock clock;
    FakeShell shell;
    YachtRecord yacht;
    RegattaRecord regatta{.start = {0, 10, 0, 3, 6, 4}};
    EvaluationRun run;
    Texts viewed;
    EvaluationDialog dialog{shell, clock, yacht, regatta, run, [&](const std::string& path) { viewed.push_back(path); }};
    FakeView view;
    for (auto [name, confirmed] : {std::pair{"S.rsd", true}, {"S-GER12.yrd", true}, {"", false}}) {
        shell.choices.push_back({confirmed, dir.programPath(name), name});
        dialog.clicked(view, IDC_EV_LOAD);
        dialog.clicked(view, IDC_EV_VIEW);  // another kind or a cancelled choice keeps the file
    }
    EXPECT_EQ(viewed, (Texts{"", dir.programPath("S-GER12.yrd"), dir.programPath("S-GER12.yrd")}));
    EXPECT_EQ(shell.chosen, Texts(3, "3 Yacht-Regattadaten, Datei öffnen"));
    EXPECT_EQ(view.visibility, (std::vector<bool>{false, true, false, true, false, true}));
    EXPECT_EQ(view.texts[IDC_EV_FILE_NAME] + "|" + view.texts[IDC_EV_YACHT_ID] + "|" + view.texts[IDC_EV_SERIAL] +
                  "|" + view.texts[IDC_EV_SEALS] + "|" + view.texts[IDC_EV_YACHT_NAME],
              "S-GER12|GER12|4711|2|Blue Star");
    dialog.clicked(view, IDC_EV_COMPUTE);
    EXPECT_EQ(view.texts[IDC_EV_DURATION] + "|" + view.texts[IDC_EV_EVENTS] + view.texts[IDC_EV_POWER_ON] + "|" +
                  view.texts[IDC_EV_FINISH_TIME] + " " + view.texts[IDC_EV_FINISH_DATE],
              "   20 min  0 sek|11|14:05:09 03.06.04");
    EXPECT_TRUE(shell.boxes.empty());
    shell.choices.push_back({true, dir.programPath("Gone.yrd"), "Gone.yrd"});
    dialog.clicked(view, IDC_EV_LOAD);
    EXPECT_EQ(shell.boxTexts(), Texts{std::string(kYachtDataMissingCaption) + "|" + kYachtDataMissingText});
    dialog.clicked(view, button::kCancel);
    EXPECT_TRUE(view.closed());
}

// The simulator's demo race, as the README walks a newcomer through it: start 09:30, finish 17:00 on 14.6.08.
struct ReadoutDialogTest : LoggerTest {
    ReadoutDialogTest() {
        logger().loggedIn = true;
        logger().coarseMinutes = 42;
        dir.write("S-GER12.ysd", yachtHeaderBytes({.yachtId = "GER12", .serialNumber = "100234", .sealCount = 4,
                                                   .yachtName = "Blue Star"}));
        dialog.opened(view);
    }
    void typeFinish(const std::vector<const char*>& values) {
        const int fields[] = {IDC_EV_HOUR, IDC_EV_MINUTE, IDC_EV_SECOND, IDC_EV_DAY, IDC_EV_MONTH, IDC_EV_YEAR};
        for (std::size_t i = 0; i < values.size(); ++i) view.type(dialog, fields[i], values[i]);
    }
    TempDir dir;
    YachtRecord yacht;
    RegattaRecord regatta{.regattaFileName = "S", .start = {30, 9, 0, 14, 6, 8}};
    EvaluationRun run;
    int timeZone = 0;
    ReadoutDialog dialog{context, yacht, regatta, timeZone, run, dir.programDir()};
    FakeView view;
};

TEST_F(ReadoutDialogTest, MainRoadReadsSavesAndComputes) {
    EXPECT_EQ(view.texts, (std::map<int, std::string>{{IDC_EV_TIME_ZONE, " UTC"}}));
    std::string lastRepainted;
    view.onRepaint = [&] { lastRepainted = view.texts[IDC_EV_STATUS]; };
    dialog.clicked(view, IDC_EV_READ);
    EXPECT_EQ(lastRepainted, "Auslesen läuft: 314 Bytes, 9 Zeilen, 0 s");  // the last of the event memory
    EXPECT_EQ(std::tuple(wire(), view.texts[IDC_EV_STATUS]), std::tuple("D\rT\rI\r", kReadoutDoneText));
    EXPECT_EQ(view.texts[IDC_EV_COARSE] + "|" + view.texts[IDC_EV_YACHT_ID] + "|" + view.texts[IDC_EV_SERIAL] + "|" +
                  view.texts[IDC_EV_FILE_NAME] + "|" + view.texts[IDC_EV_SEALS] + "|" + view.texts[IDC_EV_YACHT_NAME],
              "42 min|GER12|100234|S-GER12|4|Blue Star");
    const std::string readOut = dir.read("S-GER12.yrd");
    EXPECT_EQ(readOut.substr(0, readOut.find("$Start")), dir.read("S-GER12.ysd"));
    dialog.clicked(view, IDC_EV_COMPUTE);  // nothing to compute before a finish time was saved
    EXPECT_EQ(shell.boxTexts(), Texts{"Fehlende Eingabe|Noch keine Zieldurchgangszeit eingegeben\nBerechnung nicht möglich."});
    EXPECT_EQ(view.texts.count(IDC_EV_DURATION), 0u);
    typeFinish({"17", "0", "0", "14", "6", "8"});
    dialog.clicked(view, IDC_EV_SAVE);
    EXPECT_EQ(std::tuple(view.texts[IDC_EV_STATUS], dir.read("S-GER12.yrd")),
              std::tuple("Zieldurchgangszeit in Datei S-GER12.yrd gespeichert.", readOut + finishBlock(17, 0, 0, 14, 6, 8)));
    for (int press = 0; press < 2; ++press) {
        dialog.clicked(view, IDC_EV_COMPUTE);
        EXPECT_EQ(view.texts[IDC_EV_DURATION] + "|" + view.texts[IDC_EV_EVENTS], "   54 min 40 sek|2");
    }
    EXPECT_TRUE(shell.boxes.size() == 1 && !view.closed());
}

// The logger pausing amid its memory: the lines stand still, the seconds go on and the status shows each one.
TEST_F(ReadoutDialogTest, ProgressShowsTheSecondsGoingOnWhileTheLoggerPauses) {
    behaviour().dumpPauseAt = 40;
    behaviour().dumpPauseMs = 3000;
    std::set<std::string> shownStatus;
    view.onRepaint = [&] { shownStatus.insert(view.texts[IDC_EV_STATUS]); };
    dialog.clicked(view, IDC_EV_READ);
    std::set<std::string> seconds;
    for (const std::string& text : shownStatus)
        if (text.find(" 1 Zeilen") != std::string::npos) seconds.insert(text.substr(text.rfind(", ") + 2));
    EXPECT_EQ(seconds, (std::set<std::string>{"0 s", "1 s", "2 s"}));
}

TEST_F(ReadoutDialogTest, WithoutMasterDataTheReadoutStillRunsAndALoggerWantingItsPasswordGetsIt) {
    logger().yachtId = "FRA7";
    dialog.clicked(view, IDC_EV_READ);
    EXPECT_EQ(shell.boxTexts(), Texts{std::string(kYachtDataMissingCaption) + "|" + kYachtDataMissingText});
    EXPECT_TRUE(dir.exists("S-FRA7.yrd") && run.dataRead && !view.texts.count(IDC_EV_FILE_NAME));
    logger().loggedIn = false;
    dialog.clicked(view, IDC_EV_READ);
    EXPECT_EQ(std::tuple(view.closed(), shell.commandsPosted, wire()),
              std::tuple(true, std::vector<int>{cmd::kMasterPassword}, "D\rT\rI\rD\r"));
}

TEST_F(ReadoutDialogTest, BrokenReadoutLeavesTheFlagAndTheEarlierFile) {
    dir.write("S-GER12.yrd", "earlier readout\r\n");
    behaviour().dumpLimit = 100;
    dialog.clicked(view, IDC_EV_READ);
    // The progress gave way to what the status said before.
    EXPECT_EQ(std::tuple(run.dataRead, dir.read("S-GER12.yrd"), shown(), view.texts[IDC_EV_STATUS]),
              std::tuple(false, "earlier readout\r\n", Texts{readoutBrokenText("S-GER12.yrd", true, true)}, ""));
    EXPECT_GT(view.repaints, 5);
    dialog.clicked(view, IDC_EV_SAVE);  // saving needs a readout first
    EXPECT_EQ(shell.boxTexts(), Texts{"Bedienungsfehler|Datenspeicherung nicht möglich,\nZuerst ERLG auslesen!"});
    EXPECT_FALSE(run.finishSaved);
    run = EvaluationRun{true, false, false, ""};  // an earlier yacht's readout of this run lets the save go
    dialog.clicked(view, IDC_EV_SAVE);
    EXPECT_TRUE(run.finishSaved);
}

TEST_F(ReadoutDialogTest, SaveRenewsOnlyAFingerprintThatVouchedForTheFile) {
    // After the readout the file is left as it is, edited, or loses its fingerprint.
    const std::tuple<const char*, const char*, FingerprintCheck> cases[] = {
        {nullptr, nullptr, FingerprintCheck::Matches}, {"S-GER12.yrd", "bearbeitet\r\n", FingerprintCheck::Changed},
        {"S-GER12.yrd.sha256", nullptr, FingerprintCheck::Missing}};
    for (const auto& [file, bytes, afterSave] : cases) {
        dialog.clicked(view, IDC_EV_READ);
        if (file && bytes) dir.write(file, bytes);
        if (file && !bytes) std::filesystem::remove(nativePath(dir.programPath(file)));
        typeFinish({"17", "0", "0", "14", "6", "8"});
        dialog.clicked(view, IDC_EV_SAVE);
        EXPECT_EQ(checkFingerprint(dir.programDir(), "S-GER12.yrd"), afterSave) << (file ? file : "-");
    }
    EXPECT_EQ(shown(), Texts{});  // no fingerprint was said to have failed
}

// "Daten Speichern" with room for part of the block: file and fingerprint as they were, the reason said, no success.
TEST_F(ReadoutDialogTest, AFinishThatDoesNotFitLeavesTheFileAsItWasAndSaysSo) {
    dialog.clicked(view, IDC_EV_READ);
    const std::string readOut = dir.read("S-GER12.yrd"), sum = dir.read("S-GER12.yrd.sha256");
    const std::string status = view.texts[IDC_EV_STATUS];
    typeFinish({"17", "0", "0", "14", "6", "8"});
    EXPECT_TRUE(run.finishUnsaved);
#ifndef _WIN32
    {
        const DriveRoom room(readOut.size() + 100);
        dialog.clicked(view, IDC_EV_SAVE);
    }
    EXPECT_EQ(std::tuple(dir.read("S-GER12.yrd"), dir.read("S-GER12.yrd.sha256"), view.texts[IDC_EV_STATUS], shown(),
                         run.finishSaved, run.finishUnsaved),
              std::tuple(readOut, sum, status, Texts{finishNotSavedText("S-GER12.yrd", kStatusDriveFull)}, false, true));
#endif
    dialog.clicked(view, IDC_EV_SAVE);  // once there is room
    EXPECT_EQ(std::tuple(dir.read("S-GER12.yrd"), run.finishSaved, run.finishUnsaved, shown().size()),
              std::tuple(readOut + finishBlock(17, 0, 0, 14, 6, 8), true, false, kDriveRoomChecked ? 1u : 0u));
    EXPECT_EQ(checkFingerprint(dir.programDir(), "S-GER12.yrd"), FingerprintCheck::Matches);
    typeFinish({"18"});
    dialog.clicked(view, button::kCancel);  // a typed value left behind with the dialog is not kept waiting for
    EXPECT_FALSE(run.finishUnsaved);
}

TEST_F(ReadoutDialogTest, FinishFieldsReopenTheDialogOnARefusal) {
    timeZone = 1;
    ReadoutDialog local{context, yacht, regatta, timeZone, run, dir.programDir()};
    local.opened(view);
    EXPECT_EQ(view.texts[IDC_EV_TIME_ZONE], "Lokalzeit");
    typeFinish({"23", "59", "60", "31", "13", "2"});
    EXPECT_EQ(finishTimeText(yacht.finish) + " " + finishDateText(yacht.finish), "23:59:00 31.01.03");
    // Each shown at once; a posted message would wait behind the reopened dialog.
    EXPECT_EQ(shown(), (Texts{rangeMessage(FieldKind::Second), rangeMessage(FieldKind::Month),
                              rangeMessage(FieldKind::Year)}));
    EXPECT_EQ(shell.commandsPosted, std::vector<int>(3, cmd::kReadOutAndEvaluate));
}

} // namespace
} // namespace wg::test
