#include <gtest/gtest.h>

#include "app/application.h"
#include "resources/resource_ids.h"
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

TEST(EvaluationCommands, ReadoutOpensItsDialogEvenAfterACancelledChoice) {
    Program p;
    p.app.command(cmd::kReadOutAndEvaluate);
    EXPECT_EQ(p.shell.chooseCalls.size(), 1u);
    EXPECT_EQ(p.shell.dialogsRun, std::vector<std::string>{"IDD_ErlgLesen"});
}

TEST(EvaluationCommands, ReadoutDialogNamesTheTimeZoneOfTheSettings) {
    Program p;
    p.state.regatta.path = "..\\Daten\\Kiel.rsd";
    p.state.settings.timeZone = 1;
    p.shell.user = {[](DialogLogic&, test::FakeView&) {}};
    p.app.command(cmd::kReadOutAndEvaluate);
    EXPECT_EQ(p.shell.lastView.texts[IDC_EV_TIME_ZONE], "Lokalzeit");
}

TEST(EvaluationCommands, EvaluationDialogHandsItsFileToTheTextViewer) {
    Program p;
    p.state.evaluationRun.chosenPath = "C:\\Wakeguard\\Daten\\Kiel-GER1.yrd";
    p.shell.user = {[](DialogLogic& logic, test::FakeView& view) { logic.clicked(view, IDC_EV_VIEW); }};
    p.app.command(cmd::kShowEvaluation);
    EXPECT_EQ(p.shell.dialogsRun, std::vector<std::string>{"IDD_Berechnen"});
    EXPECT_EQ(p.shell.processes, std::vector<std::string>{"notepad.exe C:\\Wakeguard\\Daten\\Kiel-GER1.yrd"});
}

} // namespace
} // namespace wg
