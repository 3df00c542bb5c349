#include <gtest/gtest.h>

#include "app/application.h"
#include "platform/command_ids.h"
#include "support/fake_shell.h"
#include "support/no_ports.h"
#include "support/virtual_clock.h"

namespace wg {
namespace {

using test::FakeShell;
using test::FakeView;

FakeShell::UserAction enter(const std::string& password) {
    return [password](DialogLogic& logic, FakeView& view) {
        view.type(logic, 1232, password);
        logic.clicked(view, 1);
    };
}
FakeShell::UserAction cancel() {
    return [](DialogLogic& logic, FakeView& view) { logic.clicked(view, 2); };
}
FakeShell::UserAction closeBox() {
    return [](DialogLogic& logic, FakeView& view) { logic.cancelRequested(view); };
}
FakeShell::UserAction okEmpty() {
    return [](DialogLogic& logic, FakeView& view) { logic.clicked(view, 1); };
}

// A program with the given program password, its shell scripted per test.
struct Program {
    AppState state;
    FakeShell shell;
    test::VirtualClock clock;
    test::NoPorts ports;
    Application app{state, shell, clock, ports};
    std::vector<std::string> messages;  // texts shown in the message dialog

    explicit Program(const std::string& password) {
        state.settings.password = password;
        shell.onCommand = [this](int id) {
            if (id == cmd::kShowMessage) messages.push_back(state.messageText());
        };
    }
    int informationBoxes() const {
        int n = 0;
        for (const BoxRequest& box : shell.boxes)
            n += box.caption == "Information" && box.text == "Benutzerpaßwort wurde korrekt eingegeben!";
        return n;
    }
};

const char* const kWrong = "Falsches Paßwort eingeben. Eingabe bitte wiederholen.";
const char* const kNoPassword =
    "Kein Paßwort eingeben. Sie haben keine Berechtigung Werte im Programm zu ändern!";

struct LoginCase {
    const char* what;
    std::string password;
    std::vector<FakeShell::UserAction> user;
    bool loggedIn;
    std::vector<std::string> messages;
    int informationBoxes;
};

class LoginCases : public ::testing::TestWithParam<LoginCase> {};

TEST_P(LoginCases, FirstPaintLogin) {
    const LoginCase& c = GetParam();
    Program program(c.password);
    for (const auto& action : c.user) program.shell.user.push_back(action);
    program.app.painted();
    program.app.painted();  // later paints do not ask again
    EXPECT_EQ(program.state.login.loggedIn, c.loggedIn) << c.what;
    EXPECT_EQ(program.messages, c.messages) << c.what;
    EXPECT_EQ(program.informationBoxes(), c.informationBoxes) << c.what;
    EXPECT_EQ(program.shell.dialogsRun.size(), c.user.size()) << c.what;
    EXPECT_TRUE(program.shell.user.empty()) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    ProgramLogin, LoginCases,
    ::testing::Values(
        LoginCase{"right entry", "geheim", {enter("geheim")}, true, {}, 1},
        LoginCase{"wrong, then right", "geheim", {enter("falsch"), enter("geheim")}, true, {kWrong}, 1},
        LoginCase{"wrong three times, then cancelled", "geheim",
                  {enter("a"), enter("b"), enter("c"), cancel()}, false, {kWrong, kWrong, kWrong, kNoPassword}, 0},
        LoginCase{"close box acts as Abbrechen", "geheim", {closeBox()}, false, {kNoPassword}, 0},
        LoginCase{"case matters", "geheim", {enter("GEHEIM"), cancel()}, false, {kWrong, kNoPassword}, 0},
        LoginCase{"longer entry never matches by its start", "geheim12",
                  {enter("geheim123"), enter("geheim12")}, true, {kWrong}, 1},
        LoginCase{"empty program password cannot be matched", "", {okEmpty(), cancel()}, false,
                  {kWrong, kNoPassword}, 0}));

TEST(ProgramLogin, PromptShowsTheMessageTextAsPrompt) {
    Program program("geheim");
    std::vector<std::string> prompts;
    auto seePrompt = [&prompts](DialogLogic& logic, FakeView& view) {
        prompts.push_back(view.texts[1234]);
        view.type(logic, 1232, "geheim");
        logic.clicked(view, 1);
    };
    program.shell.user = {seePrompt, seePrompt, seePrompt};
    program.app.command(cmd::kChangeProgramPassword);
    EXPECT_EQ(prompts, (std::vector<std::string>{"", "Neues Paßwort eingeben",
                                                 "Neues Paßwort nochmals zur Kontrolle eingeben"}));
    EXPECT_EQ(program.shell.dialogsRun.at(0), "IDD_PassWortEingabe");
}

TEST(ProgramLogin, GatedCommandRunsLoginOnceThenNotAgain) {
    Program program("geheim");
    program.shell.user = {enter("geheim"), enter("neu1"), enter("neu1")};
    program.app.command(cmd::kChangeProgramPassword);
    EXPECT_EQ(program.state.settings.password, "neu1");
    EXPECT_EQ(program.shell.dialogsRun.size(), 3u);

    program.shell.user = {enter("neu2"), enter("neu2")};
    program.app.command(cmd::kChangeProgramPassword);
    EXPECT_EQ(program.state.settings.password, "neu2");
    EXPECT_EQ(program.shell.dialogsRun.size(), 5u);  // no login prompt this time
}

struct ChangeCase {
    const char* what;
    std::vector<FakeShell::UserAction> user;
    std::string password;  // afterwards
    std::vector<std::string> messages;
};

class PasswordChangeCases : public ::testing::TestWithParam<ChangeCase> {};

TEST_P(PasswordChangeCases, ChangesOnlyOnTwoEqualEntries) {
    const ChangeCase& c = GetParam();
    Program program("alt");
    program.state.login.loggedIn = true;
    program.state.login.entered = "alt";
    for (const auto& action : c.user) program.shell.user.push_back(action);
    program.app.command(cmd::kChangeProgramPassword);
    EXPECT_EQ(program.state.settings.password, c.password) << c.what;
    EXPECT_EQ(program.messages, c.messages) << c.what;
    EXPECT_TRUE(program.shell.user.empty()) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    ProgramLogin, PasswordChangeCases,
    ::testing::Values(
        ChangeCase{"two equal entries", {enter("neu"), enter("neu")}, "neu", {}},
        ChangeCase{"different entries ask again", {enter("neu"), enter("nue"), enter("neu"), enter("neu")}, "neu",
                   {kWrong}},
        ChangeCase{"empty prompts keep the current password", {okEmpty(), okEmpty()}, "alt", {}},
        // "Abbrechen" keeps the old password (and logs out).
        ChangeCase{"cancelled second prompt", {enter("neu"), cancel()}, "alt", {}},
        ChangeCase{"cancelled first prompt", {cancel(), enter("neu")}, "alt", {}},
        ChangeCase{"entry longer than 8 is refused",
                   {enter("neunzehn9"), enter("neunzehn9"), enter("alt"), enter("kurz"), enter("kurz")}, "kurz",
                   {kWrong}},
        ChangeCase{"entry with a blank is refused", {enter("a b"), enter("a b"), enter("ab"), enter("ab")}, "ab",
                   {kWrong}}));

} // namespace
} // namespace wg
