#include <gtest/gtest.h>

#include "evaluation/readout_dialog.h"
#include "files/fingerprint.h"
#include "files/yacht_header.h"
#include "logger/date_time_check.h"
#include "logger/logger_fixture.h"
#include "platform/file_system.h"
#include "resources/resource_ids.h"
#include "support/fake_view.h"
#include "support/temp_dir.h"
#include "yacht/readout.h"

namespace wg::test {
namespace {

// The worked example of the event log: start 10:00, finish 14:00 on 14.6.08.
const std::vector<std::string> kRaceEvents = {
    "Generator Ein : 14.06.08 Sa 09:50:00", "Generator Aus : 14.06.08 Sa 10:20:00",
    "Getriebe Ein : 14.06.08 Sa 11:00:00",  "Getriebe Aus : 14.06.08 Sa 11:30:00",
    "Start : 14.06.08 Sa 12:00:00",         "Stecker abgezogen : 14.06.08 Sa 13:40:00",
    "Stecker angesteckt : 14.06.08 Sa 14:10:00",
};

class ReadoutDialogTest : public LoggerTest {
protected:
    ReadoutDialogTest() {
        regatta.path = "..\\daten\\Sommer04.rsd";
        regatta.regattaFileName = "Sommer04";
        regatta.start.hour = 10;
        regatta.start.day = 14;
        regatta.start.month = 6;
        regatta.start.year = 8;
        logger().loggedIn = true;
        logger().serialNumber = "100234";
        logger().yachtId = "GER12";
        logger().coarseMinutes = 42;
        logger().events = kRaceEvents;
        YachtRecord master;
        master.yachtName = "Blue Star";
        master.yachtId = "GER12";
        master.serialNumber = "100234";
        master.operatingMode = 3;
        master.sealCount = 4;
        dir.write("Sommer04-GER12.ysd", yachtHeaderBytes(master));
        dialog.opened(view);
    }
    void click(int id) { dialog.clicked(view, id); }
    void typeFinish(const char* h, const char* m, const char* s, const char* d, const char* mo,
                    const char* y) {
        view.type(dialog, IDC_EV_HOUR, h);
        view.type(dialog, IDC_EV_MINUTE, m);
        view.type(dialog, IDC_EV_SECOND, s);
        view.type(dialog, IDC_EV_DAY, d);
        view.type(dialog, IDC_EV_MONTH, mo);
        view.type(dialog, IDC_EV_YEAR, y);
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
    click(IDC_EV_READ);
    EXPECT_EQ(wire(), "D\rT\rI\r");
    EXPECT_TRUE(run.dataRead);
    EXPECT_EQ(view.texts[IDC_EV_STATUS], kReadoutDoneText);
    EXPECT_EQ(view.texts[IDC_EV_COARSE], "42 min");
    EXPECT_EQ(view.texts[IDC_EV_YACHT_ID], "GER12");
    EXPECT_EQ(view.texts[IDC_EV_SERIAL], "100234");
    EXPECT_EQ(view.texts[IDC_EV_FILE_NAME], "Sommer04-GER12");
    EXPECT_EQ(view.texts[IDC_EV_SEALS], "4");
    EXPECT_EQ(view.texts[IDC_EV_YACHT_NAME], "Blue Star");
    EXPECT_EQ(yacht.regattaFileName, "Sommer04-GER12.yrd");
    std::string block = "$";
    for (const std::string& e : kRaceEvents) block += e + "\r\n$";
    const std::string readOutBytes = dir.read("Sommer04-GER12.ysd") + block + "Ereigniss Ende\r\n";
    EXPECT_EQ(dir.read("Sommer04-GER12.yrd"), readOutBytes);
    EXPECT_TRUE(shell.boxes.empty());

    typeFinish("14", "0", "0", "14", "6", "8");
    click(IDC_EV_SAVE);
    EXPECT_TRUE(run.finishSaved);
    EXPECT_EQ(view.texts[IDC_EV_STATUS], "Zieldurchgangszeit in Datei Sommer04-GER12.yrd gespeichert.");
    EXPECT_EQ(dir.read("Sommer04-GER12.yrd").substr(0, readOutBytes.size()), readOutBytes);

    for (int press = 0; press < 2; ++press) {
        click(IDC_EV_COMPUTE);
        EXPECT_EQ(view.texts[IDC_EV_DURATION], "   70 min  0 sek") << press;
        EXPECT_EQ(view.texts[IDC_EV_EVENTS], "3") << press;
    }
    EXPECT_FALSE(view.closed());
}

TEST_F(ReadoutDialogTest, MissingYachtMasterDataIsReportedAndTheReadoutStillRuns) {
    logger().yachtId = "FRA7";  // no yacht master data for it
    click(IDC_EV_READ);
    ASSERT_EQ(shell.boxes.size(), 1u);
    EXPECT_EQ(shell.boxes[0].caption, kYachtDataMissingCaption);
    EXPECT_EQ(shell.boxes[0].text, kYachtDataMissingText);
    EXPECT_TRUE(dir.exists("Sommer04-FRA7.yrd"));
    EXPECT_TRUE(run.dataRead);
    EXPECT_EQ(view.texts.count(IDC_EV_FILE_NAME), 0u);
}

TEST_F(ReadoutDialogTest, LoggerDemandingThePasswordClosesAndAsksForIt) {
    logger().loggedIn = false;
    click(IDC_EV_READ);
    EXPECT_TRUE(view.closed());
    EXPECT_EQ(shell.commandsPosted, std::vector<int>{cmd::kMasterPassword});
    EXPECT_EQ(wire(), "D\r");
    EXPECT_FALSE(run.dataRead);
    EXPECT_EQ(dir.fileCount(), 1u);  // only the .ysd
}

TEST_F(ReadoutDialogTest, LoggerFallingSilentMidDumpLeavesTheFlagAndTheEarlierFile) {
    dir.write("Sommer04-GER12.yrd", "earlier readout\r\n");
    behaviour().dumpLimit = 100;
    click(IDC_EV_READ);
    EXPECT_FALSE(run.dataRead);
    EXPECT_EQ(dir.read("Sommer04-GER12.yrd"), "earlier readout\r\n");
    EXPECT_EQ(shown, shownOnly(readoutBrokenText("Sommer04-GER12.yrd", true, true)));
    EXPECT_EQ(view.texts.count(IDC_EV_STATUS), 0u);
}

TEST_F(ReadoutDialogTest, SaveRenewsOnlyAFingerprintThatVouchedForTheFile) {
    // After the readout a file is written anew, or removed (no bytes).
    const struct { const char* file; const char* bytes; FingerprintCheck afterSave; } cases[] = {
        {nullptr, nullptr, FingerprintCheck::Matches},
        {"Sommer04-GER12.yrd", "bearbeitet\r\n", FingerprintCheck::Changed},
        {"Sommer04-GER12.yrd.sha256", nullptr, FingerprintCheck::Missing},
    };
    for (const auto& c : cases) {
        click(IDC_EV_READ);
        if (c.file && c.bytes) dir.write(c.file, c.bytes);
        if (c.file && !c.bytes) std::remove(nativePath(dir.programPath(c.file)).c_str());
        typeFinish("14", "0", "0", "14", "6", "8");
        click(IDC_EV_SAVE);
        EXPECT_EQ(checkFingerprint(dir.programDir(), "Sommer04-GER12.yrd"), c.afterSave) << (c.file ? c.file : "-");
    }
}

TEST_F(ReadoutDialogTest, SaveBeforeAnyReadoutIsAnOperatingError) {
    click(IDC_EV_SAVE);
    ASSERT_EQ(shell.boxes.size(), 1u);
    EXPECT_EQ(shell.boxes[0].caption, "Bedienungsfehler");
    EXPECT_EQ(shell.boxes[0].text, "Datenspeicherung nicht möglich,\nZuerst ERLG auslesen!");
    EXPECT_EQ(shell.boxes[0].icon, BoxIcon::Error);
    EXPECT_EQ(dir.fileCount(), 1u);
    EXPECT_FALSE(run.finishSaved);
}

TEST_F(ReadoutDialogTest, ComputeBeforeAnySaveIsMissingInput) {
    run.dataRead = true;
    click(IDC_EV_COMPUTE);
    ASSERT_EQ(shell.boxes.size(), 1u);
    EXPECT_EQ(shell.boxes[0].caption, "Fehlende Eingabe");
    EXPECT_EQ(shell.boxes[0].text, "Noch keine Zieldurchgangszeit eingegeben\nBerechnung nicht möglich.");
    EXPECT_EQ(view.texts.count(IDC_EV_DURATION), 0u);
}

TEST_F(ReadoutDialogTest, FlagsOfAnEarlierYachtLetTheOrderGo) {
    run = EvaluationRun{true, true, ""};
    yacht.regattaFileName = "Sommer04-GER12.yrd";
    click(IDC_EV_SAVE);
    EXPECT_TRUE(dir.exists("Sommer04-GER12.yrd"));
    EXPECT_TRUE(shell.boxes.empty());
}

TEST_F(ReadoutDialogTest, TimeZoneFieldNamesTheTimeBase) {
    EXPECT_EQ(view.texts[IDC_EV_TIME_ZONE], " UTC");
    timeZone = 1;
    ReadoutDialog local{context, yacht, regatta, timeZone, run, dir.programDir()};
    FakeView localView;
    local.opened(localView);
    EXPECT_EQ(localView.texts[IDC_EV_TIME_ZONE], "Lokalzeit");
    EXPECT_EQ(localView.texts.size(), 1u);  // every other field starts empty
}

struct FinishCase {
    int field;
    const char* typed;
    std::int32_t FinishTime::*component;
    std::int32_t stored;
    bool refused;
};

class FinishFields : public ReadoutDialogTest, public ::testing::WithParamInterface<FinishCase> {};

TEST_P(FinishFields, CheckEachComponent) {
    const FinishCase& c = GetParam();
    yacht.finish = FinishTime{9, 9, 9, 9, 9, 9};
    view.type(dialog, c.field, c.typed);
    EXPECT_EQ(yacht.finish.*(c.component), c.stored) << c.typed;
    EXPECT_EQ(view.closed(), c.refused);
    if (c.refused) {
        EXPECT_EQ(shell.commandsPosted, (std::vector<int>{cmd::kShowMessage, cmd::kReadOutAndEvaluate}));
        EXPECT_FALSE(message.text().empty());
    } else {
        EXPECT_TRUE(shell.commandsPosted.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Edges, FinishFields,
    ::testing::Values(FinishCase{IDC_EV_SECOND, "60", &FinishTime::second, 0, true},
                      FinishCase{IDC_EV_SECOND, "59", &FinishTime::second, 59, false},
                      FinishCase{IDC_EV_HOUR, "24", &FinishTime::hour, 0, true},
                      FinishCase{IDC_EV_MINUTE, "60", &FinishTime::minute, 0, true},
                      FinishCase{IDC_EV_DAY, "0", &FinishTime::day, 1, true},
                      FinishCase{IDC_EV_DAY, "32", &FinishTime::day, 1, true},
                      FinishCase{IDC_EV_DAY, "31", &FinishTime::day, 31, false},
                      FinishCase{IDC_EV_MONTH, "13", &FinishTime::month, 1, true},
                      FinishCase{IDC_EV_YEAR, "2", &FinishTime::year, 3, true},
                      FinishCase{IDC_EV_YEAR, "3", &FinishTime::year, 3, false},
                      FinishCase{IDC_EV_YEAR, "", &FinishTime::year, 9, false}));

TEST_F(ReadoutDialogTest, RefusedSecondsShowTheSecondsMessage) {
    view.type(dialog, IDC_EV_SECOND, "60");
    EXPECT_EQ(message.text(), rangeMessage(FieldKind::Second));
}

} // namespace
} // namespace wg::test

namespace wg::test {
namespace {

// The simulator's own demo race, as the README walks a newcomer through it:
// regatta start 09:30, finish 17:00 on 14.06.08.
TEST_F(ReadoutDialogTest, DemoRaceOfTheSimulator) {
    logger().events = sim::DeviceState{}.events;
    regatta.start.hour = 9;
    regatta.start.minute = 30;
    click(IDC_EV_READ);
    typeFinish("17", "0", "0", "14", "6", "8");
    click(IDC_EV_SAVE);
    click(IDC_EV_COMPUTE);
    EXPECT_EQ(view.texts[IDC_EV_DURATION], "   54 min 40 sek");
    EXPECT_EQ(view.texts[IDC_EV_EVENTS], "2");
}

} // namespace
} // namespace wg::test
