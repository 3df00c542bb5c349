#include <gtest/gtest.h>

#include <limits>
#include <tuple>

#include "app/application.h"
#include "app/password_prompt.h"
#include "app/shell_dialogs.h"
#include "app/startup.h"
#include "app/text_viewer.h"
#include "logger/login.h"
#include "logger/pc_clock.h"
#include "resources/resource_ids.h"
#include "files/write_outcome.h"
#include "support/drive_room.h"
#include "support/logger_rig.h"
#include "support/temp_dir.h"

namespace wg::test {
namespace {

using Actions = std::vector<FakeShell::UserAction>;

// Types into the password field (the program's, unless another is named) and presses "OK".
FakeShell::UserAction enter(const std::string& password, int field = PasswordPrompt::kPassword) {
    return [password, field](DialogLogic& logic, FakeView& view) {
        view.type(logic, field, password);
        logic.clicked(view, button::kOk);
    };
}
const FakeShell::UserAction cancel = [](DialogLogic& logic, FakeView& view) { logic.clicked(view, button::kCancel); };
const FakeShell::UserAction closeBox = [](DialogLogic& logic, FakeView& view) { logic.cancelRequested(view); };
const FakeShell::UserAction okEmpty = [](DialogLogic& logic, FakeView& view) { logic.clicked(view, button::kOk); };

const char* const kWrong = "Falsches Paßwort eingeben. Eingabe bitte wiederholen.";
const char* const kNoPassword = "Kein Paßwort eingeben. Sie haben keine Berechtigung Werte im Programm zu ändern!";

// The program with a program password, its user scripted per test, and a simulated logger on COM1.
struct Program : LoggerRig {
    explicit Program(const std::string& password = "geheim", const Actions& actions = {}) {
        state.settings.password = password;
        shell.shows = &state.message;
        shell.user.assign(actions.begin(), actions.end());
    }
    AppState state;
    Application app{state, shell, clock, ports};
};

TEST(ProgramLogin, AtTheFirstPaintAsksUntilTheEntryMatchesOrIsCancelled) {
    struct Case { std::string password; Actions user; bool loggedIn; Texts messages; } cases[] = {
        {"geheim", {enter("geheim")}, true, {}},
        {"geheim", {enter("falsch"), enter("GEHEIM"), enter("geheim")}, true, {kWrong, kWrong}},
        {"geheim", {enter("a"), cancel}, false, {kWrong, kNoPassword}},
        {"geheim", {closeBox}, false, {kNoPassword}},
        {"geheim12", {enter("geheim123"), enter("geheim12")}, true, {kWrong}},  // no match by its start
        {"", {okEmpty, cancel}, false, {kWrong, kNoPassword}},                  // an empty password never matches
    };
    for (const Case& c : cases) {
        Program p(c.password, c.user);
        p.app.painted();
        p.app.painted();  // later paints do not ask again
        EXPECT_EQ(std::tuple(p.state.login.loggedIn, p.shell.shown, p.shell.dialogsRun.size(), p.shell.boxTexts()),
                  std::tuple(c.loggedIn, c.messages, c.user.size(),
                             c.loggedIn ? Texts{"Information|Benutzerpaßwort wurde korrekt eingegeben!"} : Texts{}))
            << c.password;
    }
}

TEST(ProgramLogin, PasswordChangesOnlyOnTwoEqualStorableEntries) {
    Texts prompts;
    const auto seen = [&prompts](const std::string& entry) -> FakeShell::UserAction {
        return [&prompts, entry](DialogLogic& logic, FakeView& view) {
            prompts.push_back(view.texts[PasswordPrompt::kPrompt]);
            enter(entry)(logic, view);
        };
    };
    struct Case { Actions user; std::string password; Texts messages; bool loggedIn; } cases[] = {
        {{seen("alt"), seen("neu"), seen("neu")}, "neu", {}, true},  // a login first
        {{enter("neu"), enter("nue"), enter("neu"), enter("neu")}, "neu", {kWrong}, true},
        {{okEmpty, okEmpty}, "alt", {}, true},  // empty prompts keep the current password
        // "Abbrechen" in either prompt keeps the old password and logs out.
        {{enter("neu"), cancel}, "alt", {}, false},
        {{cancel, enter("neu")}, "alt", {}, false},
        // Entries longer than 8 characters or with a blank cannot be stored.
        {{enter("neunzehn9"), enter("neunzehn9"), enter("alt"), enter("kurz"), enter("kurz")}, "kurz", {kWrong}, true},
        {{enter("neunzehn9"), enter("neunzehn"), cancel}, "alt", {kWrong, kNoPassword}, false},
        {{enter("a b"), enter("a b"), enter("ab"), enter("ab")}, "ab", {kWrong}, true},
    };
    for (const Case& c : cases) {
        Program p("alt", c.user);
        p.state.login.loggedIn = &c != &cases[0];
        p.state.login.entered = "alt";
        p.app.command(cmd::kChangeProgramPassword);
        EXPECT_EQ(std::tuple(p.state.settings.password, p.shell.shown, p.state.login.loggedIn, p.shell.user.size()),
                  std::tuple(c.password, c.messages, c.loggedIn, 0u)) << c.user.size();
    }
    EXPECT_EQ(prompts, (Texts{"", "Neues Paßwort eingeben", "Neues Paßwort nochmals zur Kontrolle eingeben"}));
}

TEST(Commands, EachOpensItsDialogThoseThatChangeDataOnlyBehindTheLogin) {
    const std::tuple<int, bool, const char*> cases[] = {
        {cmd::kStartTime, true, "IDD_StartZeitEingabe"},   {cmd::kEndTime, true, "IDD_ZielZeitEingabe"},
        {cmd::kLoggerClock, true, "IDD_AktZeitEingabe"},    {cmd::kEnterRegattaData, true, "IDD_StammDaten"},
        {cmd::kMasterPassword, true, "IDD_MasterPassWortEingabe"},
        {cmd::kShowRegattaData, false, "IDD_AnzeigeParameter"}, {cmd::kScreenConfiguration, false, "IDD_KonfigScreen"},
        {cmd::kTimeZone, false, "IDD_UhrKonfig"},           {cmd::kShowEvaluation, false, "IDD_Berechnen"},
        {cmd::kShowMessage, false, "IDD_MeldungsDialog1"},  {cmd::kFileSave, false, "IDD_DateiSpeichern"},
        {cmd::kHelp, false, nullptr}, {cmd::kSaveYacht, false, nullptr}, {cmd::kChangeLoggerPassword, false, nullptr},
        {cmd::kPortSelection, false, nullptr}};
    for (const auto& [command, gated, dialog] : cases) {
        Program closed;  // a login is cancelled
        EXPECT_TRUE(closed.app.command(command));
        EXPECT_EQ(closed.shell.dialogsRun, gated ? Texts{"IDD_PassWortEingabe"} : dialog ? Texts{dialog} : Texts{});
        EXPECT_TRUE(closed.shell.boxes.empty());
        if (!gated) continue;
        Program open("geheim", {enter("geheim")});
        open.app.command(command);
        open.app.command(command);  // asked once, not again
        EXPECT_EQ(open.shell.dialogsRun, (Texts{"IDD_PassWortEingabe", dialog, dialog}));
    }
    Program p;
    EXPECT_FALSE(p.app.command(cmd::kExit - 1) || p.app.command(cmd::kFleetPreparation + 1));  // no commands
}

TEST(Commands, ExitAndEraseAskFirstAndOnlyYesGoesOn) {
    Program p;
    p.shell.boxAnswers = {BoxAnswer::No, BoxAnswer::No, BoxAnswer::Yes, BoxAnswer::Yes, BoxAnswer::No};
    for (int id : {cmd::kExit, cmd::kEraseLogger, cmd::kExit, cmd::kEraseLogger, cmd::kEraseLogger}) p.app.command(id);
    EXPECT_EQ(std::tuple(p.shell.endRequests, p.shell.dialogsRun), std::tuple(1, Texts{"IDD_ErlgLoeschen"}));
    ASSERT_EQ(p.shell.boxes.size(), 5u);
    EXPECT_EQ(p.shell.boxes[0].text + "|" + p.shell.boxes[1].text,
              "Programm wirklich beenden?\nAlle nicht gespeicherte Daten gehen verloren!|"
              "Wirklich alle Daten im ERLG löschen?\n Sind Sie sich sicher?");
    for (const BoxRequest& box : p.shell.boxes) EXPECT_TRUE(box.caption == "Warnung" && box.buttons == BoxButtons::YesNo);
}

TEST(Commands, YachtConfigurationAndReadoutOfferTheRegattaFileWithoutMasterData) {
    Program loaded("geheim", {enter("geheim")}), cancelled, empty, readout;
    loaded.state.regatta.designation = "Kieler Woche";
    empty.state.login.loggedIn = true;
    for (Program* p : {&loaded, &cancelled, &empty}) p->app.command(cmd::kConfigureYacht);
    readout.app.command(cmd::kReadOutAndEvaluate);
    // Without a login the yacht configuration opens all the same. The readout opens also after a cancelled choice.
    EXPECT_EQ(std::tuple(loaded.shell.dialogsRun, cancelled.shell.dialogsRun, empty.shell.dialogsRun,
                         readout.shell.dialogsRun),
              std::tuple(Texts{"IDD_PassWortEingabe", "IDD_YachtKonfig"}, Texts{"IDD_PassWortEingabe", "IDD_YachtKonfig"},
                         Texts{}, Texts{"IDD_ErlgLesen"}));
    for (Program* p : {&empty, &readout}) {
        ASSERT_EQ(p->shell.boxes.size(), 1u);
        EXPECT_EQ(std::tuple(p->shell.boxes[0].caption, p->shell.chosen),
                  std::tuple("Bedienungsfehl", Texts{"1 Regatta-Stammdaten, Datei öffnen"}));
    }
    readout.state.regatta.path = "..\\Daten\\Kiel.rsd";
    readout.app.command(cmd::kReadOutAndEvaluate);
    EXPECT_EQ(readout.shell.boxes.size() + readout.shell.chosen.size(), 2u);
}

TEST(Commands, EvaluationViewsItsFileInTheTextEditorOrSaysWhyNot) {
    Program p;
    p.state.evaluationRun.chosenPath = "C:\\Daten\\Kiel-GER1.YRD";
    p.shell.user = {[](DialogLogic& logic, FakeView& view) { logic.clicked(view, IDC_EV_VIEW); }};
    p.app.command(cmd::kShowEvaluation);
    EXPECT_EQ(p.shell.processes, Texts{"notepad.exe C:\\Daten\\Kiel-GER1.YRD"});
    for (auto [path, starts, box] : {std::tuple{"Kiel-GER1.yrd", false, "Fehler|Notepad.exe kann nicht geöffnet werden"},
                                     {"Kiel-GER1.ysd", true, "Warnung|Keine Yacht-Regattadatendatei gewählt!"}}) {
        FakeShell shell;
        shell.processStarts = starts;
        viewEventFile(shell, path);
        EXPECT_EQ(std::tuple(shell.boxTexts(), shell.processes.size()), std::tuple(Texts{box}, starts ? 0u : 1u));
        EXPECT_TRUE(shell.boxes.at(0).topmost && !shell.boxes[0].ownedByMainWindow);
    }
}

TEST(ShellDialogs, TimeZoneIsTakenAtOnceAndTheClockSampledAndShownByIt) {
    Settings settings{0, 0, "", 2};
    TimeZoneDialog dialog(settings);
    FakeView view;
    dialog.opened(view);
    EXPECT_FALSE(view.checked[TimeZoneDialog::kUtc] || view.checked[TimeZoneDialog::kLocal]);
    dialog.clicked(view, TimeZoneDialog::kLocal);
    EXPECT_EQ(settings.timeZone, 1);
    dialog.clicked(view, TimeZoneDialog::kUtc);
    dialog.cancelRequested(view);  // there is no way back
    EXPECT_TRUE(settings.timeZone == 0 && view.checked[TimeZoneDialog::kUtc] && !view.checked[TimeZoneDialog::kLocal] &&
                !view.closed());
    dialog.clicked(view, button::kOk);
    EXPECT_TRUE(view.closed());
    Program p;
    for (int zone : {0, 1, 2}) {  // a setting that is neither keeps the last sample
        p.state.settings.timeZone = zone;
        p.app.timerTick();
        EXPECT_EQ(p.state.pcTime.hour, zone == 0 ? 20 : 21) << zone;
    }
    p.state.pcTime = PcTime{2026, 12, 1, 7, 9, 5, 3, 0};
    EXPECT_NE(p.app.clientText().find("weder UTC noch Lokalzeit"), std::string::npos);
    EXPECT_EQ(pcClockLine(1, p.state.pcTime), "PC-Uhr (Lokalzeit): Mo. 07.12.26 09:05:03");
    EXPECT_EQ(pcClockLine(0, PcTime{}), "PC-Uhr (UTC): --");
    EXPECT_EQ(pcClockLine(0, PcTime{2026, 12, 7, 7, 9, 5, 3, 0}), "PC-Uhr (UTC): --. 07.12.26 09:05:03");
    EXPECT_EQ(pcClockLine(0, PcTime{2026, 12, 0, 6, 9, 5, 3, 0}), "PC-Uhr (UTC): So. 06.12.26 09:05:03");
}

TEST(ShellDialogs, ScreenSizeIsKeptOnOkRestoredOnAbbrechenAndNeverHidesTheMenu) {
    for (int id : {button::kOk, button::kCancel, 0}) {  // 0: the close box
        Settings settings{1024, 768, "", 0};
        ScreenDialog dialog(settings);
        FakeView view;
        dialog.opened(view);
        EXPECT_EQ(view.texts[ScreenDialog::kWidth] + "x" + view.texts[ScreenDialog::kHeight], "1024x768");
        view.type(dialog, ScreenDialog::kWidth, "800");
        view.type(dialog, ScreenDialog::kHeight, "");  // empty changes nothing
        id ? dialog.clicked(view, id) : dialog.cancelRequested(view);
        EXPECT_TRUE(view.closed());
        EXPECT_EQ(std::tuple(settings.windowWidth, settings.windowHeight), std::tuple(id == button::kOk ? 800 : 1024, 768));
    }
}

TEST(Startup, WindowSizeAndTextLineGrowWithTheDisplayScalingNeverHidingTheMenu) {
    constexpr int kMax = std::numeric_limits<int>::max();
    const struct { const char* what; int storedWidth, storedHeight, dpi;  // the window created, its text line:
                   int width, height, textLeft, textTop, fontHeight; } cases[] = {
        {"nothing stored", 0, 0, 96, 320, 200, 12, 10, 11}, {"too narrow", -5, 1000, 96, 320, 1000, 12, 10, 11},
        {"as stored at 100 %", 800, 600, 96, 800, 600, 12, 10, 11}, {"125 %", 800, 600, 120, 1000, 750, 15, 13, 13},
        {"150 %", 800, 600, 144, 1200, 900, 18, 15, 16}, {"250 %", 800, 600, 240, 2000, 1500, 30, 25, 27},
        {"200 %, the least size doubled too", 100, 100, 192, 640, 400, 24, 20, 21},
        {"rounded to the nearest pixel", 801, 601, 120, 1001, 751, 15, 13, 13},
        {"no overflow", kMax, kMax, 192, kMax, kMax, 24, 20, 21},
    };
    for (const auto& c : cases) {
        const WindowSize size = mainWindowSize(c.storedWidth, c.storedHeight, c.dpi);
        const ClientTextLayout text = clientTextLayout(c.dpi);
        EXPECT_EQ(std::tuple(size.width, size.height, text.left, text.top, text.fontHeight),
                  std::tuple(c.width, c.height, c.textLeft, c.textTop, c.fontHeight)) << c.what;
    }
}

TEST(Startup, ADataFolderThatTakesNoFileIsNamedInAWarningAndTheProgramGoesOn) {
    TempDir dir;
    EXPECT_EQ(dataFolderProblemBox(dir.programDir()), std::nullopt);
    EXPECT_EQ(dir.fileCount(), 0u);  // the probe is gone again
    dir.write("Daten", "a file where the folder should be");
    const std::optional<BoxRequest> box = dataFolderProblemBox(dir.programPath("Daten\\"));
    ASSERT_TRUE(box.has_value());
    EXPECT_NE(box->text.find("\n" + dir.programPath("Daten\\") + "\nkeine Dateien anlegen."), std::string::npos);
    EXPECT_NE(box->text.find("Bitte den Ordner Wakeguard an einen Ort entpacken"), std::string::npos);
    // Before the main window exists.
    EXPECT_EQ(std::tuple(box->caption, box->ownedByMainWindow, box->buttons),
              std::tuple("Datenordner nicht beschreibbar", false, BoxButtons::Ok));
}

// Close box, "Abbrechen" and "OK" in turn: only "OK" closes the message dialog, the About box also its close box.
TEST(ShellDialogs, MessageDialogShowsAtMost1023CharactersAndTheButtonsCloseAsTheyShould) {
    AppState state;
    state.setMessageText(std::string(5000, 'x'));
    state.message.append("y");
    MessageDialog message(state);
    AboutDialog about;
    const struct { const char* what; DialogLogic& dialog; std::vector<int> closes; } cases[] = {
        {"message dialog", message, {button::kOk}}, {"About box", about, {button::kOk, button::kOk}}};
    for (const auto& c : cases) {
        FakeView view;
        c.dialog.opened(view);
        c.dialog.cancelRequested(view);
        c.dialog.clicked(view, button::kCancel);
        c.dialog.clicked(view, button::kOk);
        EXPECT_EQ(view.closes, c.closes) << c.what;
    }
    FakeView view;
    message.opened(view);
    EXPECT_EQ(view.texts[MessageDialog::kText], std::string(1023, 'x'));
}

TEST(StartOptions, TheOnlyArgumentIsTheLoggersPortAnythingElseIsExplainedAndComOneTaken) {
    struct Case { const char* what; std::vector<std::string> arguments; const char* port; const char* refused; } cases[] = {
        {"no argument", {}, "COM1", nullptr}, {"a port", {"COM4"}, "COM4", nullptr},
        {"a port above nine in lower case", {"com12"}, "COM12", nullptr},
        {"not a port", {"/port=COM4"}, "COM1", "\"/port=COM4\""},
        {"a port and more", {"COM4", "COM5"}, "COM1", "\"COM4 COM5\""},
        {"beyond the highest port", {"COM300"}, "COM1", "\"COM300\""},
    };
    for (const Case& c : cases) {
        const StartOptions options = startOptions(c.arguments);
        const std::string refusal = "Unbekannte Angabe beim Programmstart: " + std::string(c.refused ? c.refused : "") +
                                    "\nWakeguard nimmt als einzige Angabe die Schnittstelle des ERLG an, COM1 bis "
                                    "COM256, zum Beispiel:\n    Wakeguard.exe COM4\n"
                                    "Das Programm arbeitet jetzt mit COM1.";
        // Before the main window exists.
        EXPECT_EQ(std::tuple(options.loggerPort, options.problem ? options.problem->text : "-",
                             options.problem && options.problem->ownedByMainWindow),
                  std::tuple(c.port, c.refused ? refusal : "-", false)) << c.what;
    }
}

TEST(Commands, ThePortFromTheCommandLineIsShownAndUsed) {
    Program p;
    p.state.loggerPort = "COM12";
    Application app{p.state, p.shell, p.clock, p.ports};  // the port is taken when the program starts
    p.state.pcTime = PcTime{2026, 12, 1, 7, 9, 5, 3, 0};
    EXPECT_EQ(app.clientText(), "PC-Uhr (UTC): Mo. 07.12.26 09:05:03 · ERLG an COM12");
    p.ports.portNames = {"COM12"};
    p.state.login.loggedIn = true;
    p.shell.user = {enter("MASTER", IDC_LOGGER_PASSWORD_FIELD)};
    app.command(cmd::kMasterPassword);
    EXPECT_EQ(std::tuple(p.ports.opens.at(0).name, p.shell.shown), std::tuple("COM12", Texts{kPasswordOkText}));
}

// A message of a running exchange is shown; the close box, every other command, a message another program asks for
// while the program waits, and the end of the Windows session wait until the exchange is over.
TEST(Commands, WhileAnExchangeRunsOnlyItsOwnMessagesAreShownAndTheSessionWaits) {
    Program p;
    p.state.login.loggedIn = true;
    p.behaviour().fault = sim::Fault::Silent;
    p.shell.boxAnswers = {BoxAnswer::Yes, BoxAnswer::Yes};
    std::optional<std::string> sessionEndInside;
    p.shell.onCommand = [&](int id) {
        if (id != cmd::kShowMessage) return;
        p.app.closeRequested();
        p.app.command(cmd::kEraseLogger);  // would ask first
        p.app.command(cmd::kLoggerClock);  // would open its dialog
        p.app.command(cmd::kShowMessage, CommandArrival::DuringWait);
        sessionEndInside = p.app.sessionEndRefusal();
    };
    p.shell.user = {enter("MASTER", IDC_LOGGER_PASSWORD_FIELD)};
    p.app.command(cmd::kMasterPassword);
    EXPECT_EQ(std::tuple(p.shell.shown, p.shell.dialogsRun, p.shell.boxes.size(), p.shell.endRequests, sessionEndInside),
              std::tuple(Texts{kCommandFailedText}, Texts{"IDD_MasterPassWortEingabe"}, 0u, 0,
                         std::optional<std::string>(kSessionEndDuringExchangeText)));
    p.shell.onCommand = nullptr;
    EXPECT_EQ(p.app.sessionEndRefusal(), std::nullopt);
    p.app.closeRequested();  // once it is over the program can be ended
    EXPECT_EQ(p.shell.endRequests, 1);
    p.state.evaluationRun.finishUnsaved = true;  // a finish time typed and not saved
    EXPECT_EQ(p.app.sessionEndRefusal(), std::optional<std::string>(kSessionEndFinishUnsavedText));
}

// The session's end keeps the settings as a normal end does; a normal end that cannot write them says so.
TEST(Commands, TheSettingsAreKeptAtTheEndOfTheSessionAndAFailureIsSaid) {
    TempDir dir;
    for (const char* sub : {"bin", "init"}) dir.makeDirectory(sub);
    dir.write("init/Wakeguard.ini", "alt");
    const WorkingDirectory inBin(dir.programPath("bin"));
    Program p;
    p.state.settings.windowWidth = 1111;
    p.app.sessionEnding();
    EXPECT_NE(dir.read("init/Wakeguard.ini").find("1111"), std::string::npos);
    EXPECT_EQ(std::tuple(p.shell.boxes.size(), dir.fileCount()), std::tuple(0u, 1u));
#ifndef _WIN32
    p.state.settings.windowWidth = 2222;
    const std::string before = dir.read("init/Wakeguard.ini");
    {
        const DriveRoom full(0);
        p.app.shutdown();
    }
    EXPECT_EQ(std::tuple(dir.read("init/Wakeguard.ini"), dir.fileCount()), std::tuple(before, 1u));
    ASSERT_EQ(p.shell.boxes.size(), 1u);
    EXPECT_EQ(std::tuple(p.shell.boxes[0].caption, p.shell.boxes[0].ownedByMainWindow),
              std::tuple("Einstellungen nicht gespeichert", false));
    EXPECT_EQ(p.shell.boxes[0].text.find(writeFailureText("..\\init\\Wakeguard.ini", kStatusDriveFull)), 0u);
#endif
}

} // namespace
} // namespace wg::test
