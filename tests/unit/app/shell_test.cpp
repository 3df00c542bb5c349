#include <gtest/gtest.h>

#include "app/application.h"
#include "platform/command_ids.h"
#include "logger/pc_clock.h"
#include "app/shell_dialogs.h"
#include "app/startup.h"
#include "app/text_viewer.h"
#include "support/fake_shell.h"
#include "support/no_ports.h"
#include "support/virtual_clock.h"

namespace wg {
namespace {

using test::FakeShell;
using test::FakeView;

TEST(PcClock, SamplingFollowsTheTimeZoneSetting) {
    FakeShell shell;
    struct Case { int setting; int expectedHour; };
    for (Case c : {Case{0, 20}, Case{1, 21}, Case{2, 7}}) {
        PcTime sample;
        sample.hour = 7;  // the previous sample
        samplePcClock(shell, c.setting, sample);
        EXPECT_EQ(sample.hour, c.expectedHour) << "setting " << c.setting;
    }
}

TEST(PcClock, LineNamesTheTimeBase) {
    PcTime t{2026, 12, 1, 7, 9, 5, 3, 0};
    EXPECT_EQ(pcClockLine(0, t), "PC-Uhr (UTC): Mo. 07.12.26 09:05:03");
    EXPECT_EQ(pcClockLine(1, t), "PC-Uhr (Lokalzeit): Mo. 07.12.26 09:05:03");
    EXPECT_NE(pcClockLine(2, t).find("weder UTC noch Lokalzeit"), std::string::npos);
    EXPECT_EQ(pcClockLine(0, PcTime{}), "PC-Uhr (UTC): --");
}

TEST(TimeZoneDialog, TakesEachClickAtOnceAndCannotBeCancelled) {
    struct Case { int setting; int selected; };
    for (Case c : {Case{0, 1308}, Case{1, 1309}, Case{2, 0}}) {
        Settings settings;
        settings.timeZone = c.setting;
        TimeZoneDialog dialog(settings);
        FakeView view;
        dialog.opened(view);
        EXPECT_EQ(view.isChecked(1308), c.selected == 1308) << c.setting;
        EXPECT_EQ(view.isChecked(1309), c.selected == 1309) << c.setting;
    }
    Settings settings;
    TimeZoneDialog dialog(settings);
    FakeView view;
    dialog.opened(view);
    dialog.clicked(view, 1308);
    dialog.clicked(view, 1309);
    EXPECT_EQ(settings.timeZone, 1);
    EXPECT_TRUE(view.isChecked(1309));
    dialog.clicked(view, 1308);
    dialog.cancelRequested(view);
    EXPECT_FALSE(view.closed());
    dialog.clicked(view, 1);
    EXPECT_TRUE(view.closed());
    EXPECT_EQ(settings.timeZone, 0);
}

TEST(ScreenDialog, AbbrechenRestoresOkKeeps) {
    for (int button : {1, 2}) {
        Settings settings{1024, 768, "", 0};
        ScreenDialog dialog(settings);
        FakeView view;
        dialog.opened(view);
        EXPECT_EQ(view.texts[1206], "1024");
        EXPECT_EQ(view.texts[1207], "768");
        view.type(dialog, 1206, "800");
        view.type(dialog, 1207, "");  // empty changes nothing
        EXPECT_EQ(settings.windowWidth, 800);
        EXPECT_EQ(settings.windowHeight, 768);
        view.type(dialog, 1207, "600");
        dialog.clicked(view, button);
        EXPECT_TRUE(view.closed());
        EXPECT_EQ(settings.windowWidth, button == 1 ? 800 : 1024);
        EXPECT_EQ(settings.windowHeight, button == 1 ? 600 : 768);
    }
    Settings settings{1024, 768, "", 0};
    ScreenDialog dialog(settings);
    FakeView view;
    dialog.opened(view);
    view.type(dialog, 1206, "0");
    dialog.cancelRequested(view);  // close box and Escape act as Abbrechen
    EXPECT_EQ(settings.windowWidth, 1024);
}

TEST(MessageDialog, ShowsTheMessageTextAndOnlyOkCloses) {
    AppState state;
    state.setMessageText("Passwort OK!");
    MessageDialog dialog(state);
    FakeView view;
    dialog.opened(view);
    EXPECT_EQ(view.texts[1233], "Passwort OK!");
    dialog.cancelRequested(view);
    EXPECT_FALSE(view.closed());
    dialog.clicked(view, 1);
    EXPECT_TRUE(view.closed());
}

TEST(MessageText, KeepsAtMost1023Characters) {
    MessageText text;
    text.set(std::string(5000, 'x'));
    EXPECT_EQ(text.text().size(), 1023u);
    text.set("abc");
    text.append(std::string(2000, 'y'));
    EXPECT_EQ(text.text().size(), 1023u);
    EXPECT_EQ(text.text().substr(0, 4), "abcy");
}

TEST(AboutDialog, ShowsNameAndReleaseAndEscapeCloses) {
    AboutDialog dialog;
    FakeView view;
    dialog.opened(view);
    EXPECT_EQ(view.texts[1203], " Wakeguard ERLG - das Regatta-Motorueberwachungsprogramm");
    EXPECT_EQ(view.texts[1200], " - Release 1.0 - Vers.1.3");
    dialog.cancelRequested(view);
    EXPECT_TRUE(view.closed());
}

TEST(TextViewer, StartsTheEditorOnlyForEventFiles) {
    struct Case { std::string path; bool starts; bool processStarts; const char* caption; const char* text; };
    for (const Case& c : {
             Case{"..\\Daten\\Kiel-GER1.yrd", true, true, nullptr, nullptr},
             Case{"C:\\X\\KIEL-GER1.YRD", true, true, nullptr, nullptr},
             Case{"..\\Daten\\Kiel-GER1.yrd", true, false, "Fehler", "Notepad.exe kann nicht geöffnet werden"},
             Case{"", false, true, "Warnung", "Keine Yacht-Regattadatendatei gewählt!"},
             Case{"..\\Daten\\Kiel-GER1.ysd", false, true, "Warnung", "Keine Yacht-Regattadatendatei gewählt!"}}) {
        FakeShell shell;
        shell.processStarts = c.processStarts;
        viewEventFile(shell, c.path);
        EXPECT_EQ(shell.processes.size(), c.starts ? 1u : 0u) << c.path;
        if (c.starts) {
            EXPECT_EQ(shell.processes[0], "notepad.exe " + c.path);
        }
        if (c.caption) {
            ASSERT_EQ(shell.boxes.size(), 1u) << c.path;
            EXPECT_EQ(shell.boxes[0].caption, c.caption);
            EXPECT_EQ(shell.boxes[0].text, c.text);
            EXPECT_TRUE(shell.boxes[0].topmost);
            EXPECT_FALSE(shell.boxes[0].ownedByMainWindow);
        } else {
            EXPECT_TRUE(shell.boxes.empty()) << c.path;
        }
    }
}

TEST(MainWindow, SizeNeverHidesMenuAndClientArea) {
    struct Case { int width, height, expectedWidth, expectedHeight; };
    for (Case c : {Case{0, 0, 320, 200}, Case{800, 600, 800, 600}, Case{-5, 1000, 320, 1000}}) {
        WindowSize size = mainWindowSize(c.width, c.height);
        EXPECT_EQ(size.width, c.expectedWidth);
        EXPECT_EQ(size.height, c.expectedHeight);
    }
}

TEST(Application, ExitQuestionNoKeepsRunningYesEnds) {
    AppState state;
    FakeShell shell;
    test::VirtualClock clock;
    test::NoPorts ports;
    Application app(state, shell, clock, ports);
    shell.boxAnswers = {BoxAnswer::No};
    app.command(cmd::kExit);
    EXPECT_EQ(shell.endRequests, 0);
    ASSERT_EQ(shell.boxes.size(), 1u);
    EXPECT_EQ(shell.boxes[0].caption, "Warnung");
    EXPECT_EQ(shell.boxes[0].buttons, BoxButtons::YesNo);
    shell.boxAnswers = {BoxAnswer::Yes};
    app.closeRequested();
    EXPECT_EQ(shell.endRequests, 1);
}

TEST(Application, UnknownAndInertCommands) {
    AppState state;
    FakeShell shell;
    test::VirtualClock clock;
    test::NoPorts ports;
    Application app(state, shell, clock, ports);
    for (int id : {1004, 1010, 1011, 1013, 1016, 1020, 1022}) {
        EXPECT_TRUE(app.command(id)) << id;
    }
    EXPECT_FALSE(app.command(999));
    EXPECT_FALSE(app.command(1024));
    EXPECT_TRUE(shell.dialogsRun.empty());
    EXPECT_TRUE(shell.boxes.empty());
}

} // namespace
} // namespace wg

namespace wg {
namespace {

struct MenuProgram {
    AppState state;
    test::FakeShell shell;
    test::VirtualClock clock;
    test::NoPorts ports;
    Application app{state, shell, clock, ports};
};

FakeShell::UserAction cancelPrompt() {
    return [](DialogLogic& logic, FakeView& view) { logic.clicked(view, 2); };
}

TEST(MenuCommands, GatedCommandStaysClosedAfterACancelledLogin) {
    MenuProgram p;
    p.state.settings.password = "geheim";
    p.shell.user = {cancelPrompt()};
    p.app.command(cmd::kEnterRegattaData);
    EXPECT_EQ(p.shell.dialogsRun, (std::vector<std::string>{"IDD_PassWortEingabe"}));
}

TEST(MenuCommands, DisplayNeedsNoLogin) {
    MenuProgram p;
    p.app.command(cmd::kShowRegattaData);
    EXPECT_EQ(p.shell.dialogsRun, (std::vector<std::string>{"IDD_AnzeigeParameter"}));
}

TEST(MenuCommands, YachtConfigurationWithoutMasterDataOffersTheRegattaFile) {
    MenuProgram p;
    p.state.login.loggedIn = true;
    p.app.command(cmd::kConfigureYacht);
    ASSERT_EQ(p.shell.boxes.size(), 1u);
    EXPECT_EQ(p.shell.boxes[0].caption, "Bedienungsfehl");
    ASSERT_EQ(p.shell.chooseCalls.size(), 1u);
    EXPECT_EQ(p.shell.chooseCalls[0].kind, 1);
    EXPECT_EQ(p.shell.chooseCalls[0].title, "Regatta-Stammdaten, Datei öffnen");
}

TEST(MenuCommands, ReadoutWithoutRegattaFileOffersOneFirst) {
    MenuProgram p;
    p.app.command(cmd::kReadOutAndEvaluate);
    ASSERT_EQ(p.shell.boxes.size(), 1u);
    EXPECT_EQ(p.shell.boxes[0].text,
              "Es ist noch keine Regatta-Stammdatendatei geladen,\nzuerst Regatta-Stammdaten laden!");
    EXPECT_EQ(p.shell.chooseCalls.size(), 1u);

    MenuProgram loaded;
    loaded.state.regatta.path = "..\\Daten\\Kiel.rsd";
    loaded.app.command(cmd::kReadOutAndEvaluate);
    EXPECT_TRUE(loaded.shell.boxes.empty());
    EXPECT_TRUE(loaded.shell.chooseCalls.empty());
}

} // namespace
} // namespace wg
