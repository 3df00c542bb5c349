// The logger login over COM1 against the simulated logger.
#include "scenario.h"
#include "steps.h"
#include "ui.h"

namespace {

using namespace e2e;

// Logs in to the logger through "ERLG-Master Passwort eingeben" and returns
// the text of the message dialog that reports the outcome.
std::string loggerLogin(Context& ctx, Program& program, HWND main, const std::string& password,
                        const std::string& shotName, DWORD deadlineMs = 15000) {
    HWND dialog = openDialog(program, main, 1014, "ERLG Paßwort-Eingabe");
    if (!ctx.check(dialog != nullptr, "logger password dialog", __FILE__, __LINE__)) return "";
    ctx.check(itemText(dialog, 1261) == "ERLG Master-Paßwort eingeben", "prompt", __FILE__, __LINE__);
    typeInto(dialog, 1262, password);
    if (!shotName.empty()) ctx.shot(shotName);
    clickItem(dialog, IDOK);
    HWND message = waitTopLevel(program.processId(), "#32770", "Information", deadlineMs);
    if (!ctx.check(message != nullptr, "outcome message", __FILE__, __LINE__)) return "";
    std::string text = itemText(message, 1233);
    clickItem(message, IDOK);
    waitGone(message);
    return text;
}

} // namespace

SCENARIO("logger login: right master password, then a wrong one") {
    Program program(ctx.tree);
    HWND main = startLoggedIn(ctx, program, settingsFile("800", "600", "geheim", "0"), "geheim");
    REQUIRE(main != nullptr);
    CHECK_TEXT(loggerLogin(ctx, program, main, "MASTER", "logger-password"), "Passwort OK!");
    CHECK_TEXT(ctx.loggerReceived(), "X\nMASTER\r");
    CHECK_TEXT(loggerLogin(ctx, program, main, "FALSCH", ""), "Falsche Master- oder User-Paßwort eingegeben!");
    endProgram(ctx, program, main);
}

SCENARIO("logger login: a silent logger ends with a message, the program stays usable") {
    ctx.setLogger("fault = silent\n");
    Program program(ctx.tree);
    HWND main = startLoggedIn(ctx, program, settingsFile("800", "600", "geheim", "0"), "geheim");
    REQUIRE(main != nullptr);
    const DWORD start = GetTickCount();
    CHECK_TEXT(loggerLogin(ctx, program, main, "MASTER", "", 30000),
               "Fehlerhafte Befehlsverarbeitung, Eingabe wiederholen!");
    CHECK(GetTickCount() - start < 20000);
    postCommand(main, 1007);  // still answers the menu
    HWND display = waitTopLevel(program.processId(), "#32770", "Regatta-Stammdaten");
    REQUIRE(display != nullptr);
    clickItem(display, IDOK);
    CHECK(waitGone(display));
    endProgram(ctx, program, main);
}
