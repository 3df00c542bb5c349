#include <gtest/gtest.h>

#include "app/application.h"
#include "platform/command_ids.h"
#include "support/fake_shell.h"
#include "support/no_ports.h"
#include "support/virtual_clock.h"

namespace wg {
namespace {

struct Program {
    AppState state;
    test::FakeShell shell;
    test::VirtualClock clock;
    test::NoPorts ports;
    Application app{state, shell, clock, ports};
};

test::FakeShell::UserAction cancelPrompt() {
    return [](DialogLogic& logic, test::FakeView& view) { logic.clicked(view, button::kCancel); };
}

TEST(PreparationCommands, TimeDialogsOpenBehindTheLogin) {
    struct Case {
        int command;
        const char* dialog;
    } cases[] = {{cmd::kStartTime, "IDD_StartZeitEingabe"},
                 {cmd::kEndTime, "IDD_ZielZeitEingabe"},
                 {cmd::kLoggerClock, "IDD_AktZeitEingabe"}};
    for (const Case& c : cases) {
        Program closed;
        closed.state.settings.password = "geheim";
        closed.shell.user = {cancelPrompt()};
        closed.app.command(c.command);
        EXPECT_EQ(closed.shell.dialogsRun, std::vector<std::string>{"IDD_PassWortEingabe"}) << c.dialog;

        Program open;
        open.state.login.loggedIn = true;
        open.app.command(c.command);
        EXPECT_EQ(open.shell.dialogsRun, std::vector<std::string>{c.dialog});
    }
}

TEST(PreparationCommands, EraseAsksFirstAndOnlyYesOpensTheDialog) {
    Program no;
    no.app.command(cmd::kEraseLogger);
    ASSERT_EQ(no.shell.boxes.size(), 1u);
    EXPECT_EQ(no.shell.boxes[0].caption, "Warnung");
    EXPECT_TRUE(no.shell.dialogsRun.empty());

    Program yes;
    yes.shell.boxAnswers = {BoxAnswer::Yes};
    yes.app.command(cmd::kEraseLogger);
    EXPECT_EQ(yes.shell.dialogsRun, std::vector<std::string>{"IDD_ErlgLoeschen"});
}

TEST(PreparationCommands, YachtConfigurationOpensWithMasterDataOrWithoutLogin) {
    Program loaded;
    loaded.state.login.loggedIn = true;
    loaded.state.regatta.designation = "Kieler Woche";
    loaded.app.command(cmd::kConfigureYacht);
    EXPECT_EQ(loaded.shell.dialogsRun, std::vector<std::string>{"IDD_YachtKonfig"});

    Program cancelled;
    cancelled.state.settings.password = "geheim";
    cancelled.shell.user = {cancelPrompt()};
    cancelled.app.command(cmd::kConfigureYacht);
    EXPECT_EQ(cancelled.shell.dialogsRun,
              (std::vector<std::string>{"IDD_PassWortEingabe", "IDD_YachtKonfig"}));
}

} // namespace
} // namespace wg
