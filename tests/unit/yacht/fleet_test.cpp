#include "files/fingerprint.h"
#include "logger/identification.h"
#include "logger/login.h"
#include "logger/password_dialog.h"
#include "resources/resource_ids.h"
#include "support/drive_room.h"
#include "support/logger_rig.h"
#include "support/temp_dir.h"
#include "support/yrd_text.h"
#include "yacht/fleet_dialog.h"
#include "yacht/yacht_exchanges.h"

#pragma GCC diagnostic ignored "-Wmissing-field-initializers"  // records with the fields a test needs

namespace wg::test {
namespace {

using Step = PreparationStep;
const Step kLoggerSteps[] = {Step::Login, Step::Identify, Step::Erase, Step::Clock, Step::Start,
                             Step::End,   Step::Mode,     Step::YachtId, Step::Check};

// A preparation of the yacht NED3 (mode 2, 5 seals) in the regatta Kiel Nord on the simulated logger.
struct FleetRig : LoggerRig {
    FleetRig() {
        behaviour().eraseMs = 3000;
        events.stepBegins = [this](Step step) {
            steps.push_back(step);
            if (onStep) onStep(step);
        };
    }
    PreparationResult prepare() { return prepareLogger(place, order, events); }
    std::string record() const { return dir.read("Kiel Nord-NED3.yvd"); }

    RegattaRecord regatta{.regattaFileName = "Kiel Nord", .start = {5, 9, 0, 3, 6, 4}, .end = {30, 17, 0, 4, 6, 4}};
    int timeZone = 0;
    PcTime sample;
    TempDir dir;
    PreparationPlace place{context, regatta, timeZone, sample, dir.programDir(), "REGATTA-PC", "1.3.0+abc1234"};
    PreparationOrder order{"NED3", "Oranje Boven", 5, 2, "MASTER", true};
    PreparationEvents events;
    std::vector<Step> steps;
    std::function<void(Step)> onStep;
};
struct FleetTest : ::testing::Test, FleetRig {};

// A record of the regatta Kiel Nord as another preparation left it.
Status recordOf(const TempDir& dir, const char* yachtId, const char* serial, const char* at) {
    return writePreparationRecord(dir.programDir(),
                                  {"Kiel Nord", yachtId, "", serial, "", "", "", "", {}, 0, 0, "", "", "", 0, 0, "", at});
}

TEST_F(FleetTest, PreparesInOrderWritesTheYachtFileAndTheRecordWithItsFingerprint) {
    const PreparationResult result = prepare();
    ASSERT_TRUE(result.prepared()) << result.answer;
    EXPECT_EQ(wire(), "X\nMASTER\r" "D\r" "C\r" "E061226201503" "G030604090500" "H040604173000" "F2\r" "D0\rNED3\r"
                      "D\rF\r");
    // The logger erased, nothing asked or shown.
    EXPECT_EQ(std::tuple(logger().events.size(), shell.commandsRun.size(), shell.boxes.size()), std::tuple(0u, 0u, 0u));
    // The protocol's own waits, the logger's answers and its three seconds of erase.
    EXPECT_EQ(clock.nowMs(), 40550);
    EXPECT_EQ(dir.read("Kiel Nord-NED3.ysd"), entry("Dateikennung", "Yachtdaten") + entry("Yachtname", "Oranje Boven") +
                                             entry("Yacht-ID", "NED3") + entry("ERLG-Seriennummer", "100234") +
                                             entry("Betriebsart", "2") + entry("Siegel-Anzahl", "5"));
    std::string expected = entry("Dateikennung", "ERLG-Vorbereitung") + entry("Regatta", "Kiel Nord") +
                           entry("Yacht-ID", "NED3") + entry("Yachtname", "Oranje Boven") +
                           entry("ERLG-Seriennummer", "100234") + entry("Schnittstelle", "COM1") +
                           entry("Rechnername", "REGATTA-PC") + entry("Programmversion", "1.3.0+abc1234") +
                           entry("Zeitbasis", "UTC");
    for (const char* key : {"Anmeldung", "Seriennummer", "Loeschen", "Uhr", "Regattastart", "Regattaende",
                            "Betriebsart", "Yacht-ID", "Kontrolle", "Yachtdatei", "Protokoll"})
        expected += entry(std::string("Zeit_") + key, "2026-12-06T20:15:03");
    expected += entry("Loeschen_verlangt", "1") + entry("Loeschen_bestaetigt", "1") +
                entry("Uhr_gesendet", "061226201503") + entry("Regattastart_gesendet", "030604090500") +
                entry("Regattaende_gesendet", "040604173000") + entry("Betriebsart_gesendet", "2") +
                entry("Betriebsart_gelesen", "2") + entry("Yacht-ID_gelesen", "NED3") +
                entry("Vorbereitet", "2026-12-06T20:15:03") + "#";
    EXPECT_EQ(record(), expected);
    EXPECT_EQ(checkFingerprint(dir.programDir(), "Kiel Nord-NED3.yvd"), FingerprintCheck::Matches);
    const std::vector<PreparationSummary> read = preparedYachts(dir.programDir(), "Kiel Nord", clock);
    ASSERT_EQ(read.size(), 1u);
    EXPECT_EQ(preparedState(read[0]), "vorbereitet 06.12. 20:15, ERLG 100234");
}

TEST_F(FleetTest, ALoggerThatAsksForItsPasswordAfterTheEraseIsLoggedInOnceMore) {
    behaviour().eraseLogsOut = true;
    ASSERT_TRUE(prepare().prepared());
    EXPECT_EQ(wire().substr(0, 38), "X\nMASTER\r" "D\r" "C\r" "E061226201503" "X\nMASTER\r" "E06");
    EXPECT_EQ(std::vector<Step>(steps.begin() + 2, steps.begin() + 6),
              (std::vector<Step>{Step::Erase, Step::Clock, Step::LoginAgain, Step::Clock}));
}

// Once only: a logger that asks again at a later step ends the preparation there.
TEST_F(FleetTest, ALoggerThatAsksForItsPasswordAgainLaterIsNotLoggedInAThirdTime) {
    behaviour().eraseLogsOut = true;
    int startSteps = 0;
    onStep = [&](Step step) { logger().loggedIn &= !(step == Step::Start && ++startSteps == 1); };
    const PreparationResult result = prepare();
    EXPECT_EQ(std::tuple(result.prepared(), result.step, std::count(steps.begin(), steps.end(), Step::LoginAgain)),
              std::tuple(false, Step::Start, 1));
}

// A logger another yacht of the regatta has recorded is prepared only when the user says so.
TEST_F(FleetTest, ALoggerRecordedForAnotherYachtIsPreparedOnlyAfterTheQuestion) {
    ASSERT_EQ(recordOf(dir, "GER7", "100234", "2026-12-06T08:00:00"), kStatusOk);
    for (bool again : {false, true}) {
        std::string asked;
        events.prepareAgain = [&](const PreparationSummary& s) { return asked = preparedElsewhereText(s), again; };
        const PreparationResult result = prepare();
        EXPECT_EQ(asked, "ERLG 100234 ist schon für die Yacht GER7 vorbereitet (2026-12-06T08:00:00).");
        EXPECT_EQ(std::tuple(result.prepared(), dir.exists("Kiel Nord-NED3.yvd")), std::tuple(again, again));
    }
    EXPECT_EQ(wire().substr(0, 13), "X\nMASTER\r" "D\r" "X\n");  // no erase without a yes
}

// Outcome of one exchange on its own: its verdict and what it told the user.
std::pair<bool, std::string> alone(Step step, sim::Fault fault) {
    LoggerRig r(kLoggedIn, fault);
    r.behaviour().eraseMs = 3000;
    std::string told;
    r.context.sink = [&](const std::string& text) { told = text; };
    YachtRecord yacht;
    bool ok = false;
    switch (step) {
    case Step::Login: ok = loginExchange(r.context, PasswordKind::Master, "MASTER") == Verdict::Success; break;
    case Step::Identify:
    case Step::Check: ok = identificationQuery(r.context, yacht) == kIdentified && modeQuery(r.context); break;
    case Step::Erase: ok = eraseLogger(r.context, {[](auto&) {}, [] {}}) == Verdict::Success; break;
    case Step::Mode: ok = modeExchange(r.context, 2) == Verdict::Success; break;
    case Step::YachtId: ok = yachtIdExchange(r.context, "NED3") == Verdict::Success; break;
    default: ok = configurationExchange(r.context, "G030604090500\n", "gesetzt") == Verdict::Success; break;
    }
    return {ok, told};
}

// Every fault of the simulated logger, from any step on: a step its exchange survives on its own is
// passed, one it does not ends the preparation there with the exchange's own text and records nothing.
TEST(FleetFaults, EachStepFailsAsItsExchangeDoesAloneAndRecordsNothing) {
    for (sim::Fault fault : {sim::Fault::Silent, sim::Fault::DropEcho, sim::Fault::EchoExtraByte,
                             sim::Fault::GarbledEcho, sim::Fault::WrongCommand, sim::Fault::GluedAnswer})
        for (Step from : kLoggerSteps) {
            FleetRig t;
            t.onStep = [&](Step step) { t.behaviour().fault = step == from ? fault : t.behaviour().fault; };
            const PreparationResult result = t.prepare();
            const auto [survives, told] = alone(from, fault);
            const std::string what = std::to_string(int(fault)) + " from " + stepTitle(from);
            if (survives) EXPECT_TRUE(result.prepared() || result.step != from) << what;
            else EXPECT_EQ(std::tuple(result.prepared(), result.step, result.answer), std::tuple(false, from, told)) << what;
            EXPECT_TRUE(result.prepared() || (!t.dir.exists("Kiel Nord-NED3.yvd") && !t.dir.exists("Kiel Nord-NED3.ysd"))) << what;
            EXPECT_EQ(t.shell.commandsRun.size() + t.shell.boxes.size(), 0u) << what;
        }
}

// Neither file can be written where a folder stands in its place.
TEST_F(FleetTest, AYachtFileOrRecordThatCannotBeWrittenEndsThePreparation) {
    for (const char* blocked : {"Kiel Nord-NED3.ysd", "Kiel Nord-NED3.yvd"}) {
        TempDir other;
        other.makeDirectory(blocked);
        place.dataDirectory = other.programDir();
        const PreparationResult result = prepare();
        EXPECT_EQ(std::tuple(result.prepared(), result.step == Step::YachtFile ? "Kiel Nord-NED3.ysd" : "Kiel Nord-NED3.yvd"),
                  std::tuple(false, blocked));
        EXPECT_EQ(other.fileCount(), result.step == Step::YachtFile ? 0u : 1u);  // the .ysd before the record
    }
}

// Opened, the dialog lists the entry list's yachts with their state and selects the first open one;
// a success moves the selection to the next open yacht, a failure names its step and leaves the yacht open.
TEST_F(FleetTest, DialogListsTheEntryListAndMovesOnAfterASuccess) {
    dir.write("Kiel Nord-Meldeliste.csv", "Yacht-ID;Yachtname;Siegel;Betriebsart\nGER7;Blau;2;\nNED3;Oranje;5;2\nDK1;Lang;;9\n");
    ASSERT_EQ(recordOf(dir, "GER7", "100999", "2026-12-05T07:30:00"), kStatusOk);
    std::string password;
    FleetDialog dialog(place, password);
    FakeView view;
    dialog.opened(view);
    EXPECT_EQ(view.lists[IDC_FLEET_LIST],
              (std::vector<Texts>{{"GER7", "Blau", "2", "3 (Vorgabe)", "vorbereitet 05.12. 07:30, ERLG 100999"},
                                  {"NED3", "Oranje", "5", "2", kOpenState}}));
    EXPECT_EQ(std::tuple(view.selected[IDC_FLEET_LIST], view.checked[IDC_FLEET_ERASE], view.checked[IDC_FLEET_MODE3],
                         view.texts[IDC_FLEET_LIST_INFO], view.texts[IDC_FLEET_SELECTED]),
              std::tuple(1, true, true,
                         "Meldeliste Kiel Nord-Meldeliste.csv: 2 Yachten; nicht übernommen: Zeile 4: Betriebsart \x84" "9\x93 "
                         "liegt nicht zwischen 1 und 4", "NED3 Oranje: Betriebsart 2, 5 Siegel \x96 offen"));
    dialog.clicked(view, IDC_FLEET_PREPARE);  // no password yet
    EXPECT_EQ(std::tuple(view.texts[IDC_FLEET_PROGRESS], wire()), std::tuple(kNoPasswordText, ""));
    view.type(dialog, IDC_FLEET_PASSWORD, "WRONG");
    dialog.clicked(view, IDC_FLEET_PREPARE);
    EXPECT_EQ(std::tuple(view.lists[IDC_FLEET_LIST][1][4], view.selected[IDC_FLEET_LIST], dir.exists("Kiel Nord-NED3.yvd")),
              std::tuple(std::string("Anmeldung: ") + kWrongPasswordText, 1, false));
    view.type(dialog, IDC_FLEET_PASSWORD, "MASTER");
    dialog.clicked(view, IDC_FLEET_PREPARE);
    EXPECT_EQ(std::tuple(view.lists[IDC_FLEET_LIST][1][4], view.selected[IDC_FLEET_LIST], password),
              std::tuple("vorbereitet 06.12. 20:15, ERLG 100234", -1, "MASTER"));
    EXPECT_GE(view.repaints, 12);  // every step shows as it runs
    for (int mode = IDC_FLEET_MODE1; mode <= IDC_FLEET_MODE4; ++mode) dialog.clicked(view, mode);
    EXPECT_EQ(view.lists[IDC_FLEET_LIST][0][3], "4 (Vorgabe)");
}

// Without an entry list in Daten the open-file dialog offers one, and one that cannot be read is
// named; the password takes eight characters, not nine; only "Schließen" and the close box close.
TEST_F(FleetTest, DialogNamesAListItCannotReadTakesEightCharactersAndClosesOnlyOnCancel) {
    std::string password;
    FleetDialog dialog(place, password);
    FakeView view;
    shell.choices.push_back({true, dir.programPath("fehlt.csv"), "fehlt.csv"});
    dialog.opened(view);
    view.type(dialog, IDC_FLEET_PASSWORD, "ABCDEFGH");
    view.type(dialog, IDC_FLEET_PASSWORD, "ABCDEFGHI");
    dialog.clicked(view, button::kOk);
    EXPECT_EQ(std::tuple(view.texts[IDC_FLEET_LIST_INFO], password, view.texts[IDC_FLEET_PROGRESS], view.closed()),
              std::tuple("Die Meldeliste fehlt.csv ist unbrauchbar: nicht lesbar", "ABCDEFGH", kPasswordTooLongText,
                         false));
    dialog.clicked(view, button::kCancel);
    EXPECT_EQ(view.closes, std::vector<int>{button::kCancel});
}

#ifndef _WIN32
TEST_F(FleetTest, ARecordOnAFullDriveSaysSo) {
    const DriveRoom full(0);
    EXPECT_EQ(recordOf(dir, "GER7", "100999", "2026-12-05T07:30:00"), kStatusDriveFull);
}
#endif

} // namespace
} // namespace wg::test
