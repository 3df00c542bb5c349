// Start-up, the settings file and the end of a run.
#include "scenario.h"
#include "steps.h"
#include "ui.h"

namespace {

const std::string kTitle =
    " Wakeguard ERLG - das Regatta-Motorueberwachungsprogramm - Release 1.0 - Vers.1.3";

using e2e::settingsFile;

struct BadSettings {
    const char* name;
    std::string bytes;
    const char* caption;
    const char* text;
};

void startsAfterSettingsBox(e2e::Context& ctx, const BadSettings& bad, const std::string& shotName) {
    if (!bad.bytes.empty()) e2e::writeFile(ctx.tree.settingsFile(), bad.bytes);
    e2e::Program program(ctx.tree);
    REQUIRE(program.start());
    // The box comes before any window exists; the 'n' case waits out the
    // reader's 10-second limit first.
    HWND box = e2e::waitTopLevel(program.processId(), "#32770", bad.caption, 25000);
    REQUIRE(box != nullptr);
    CHECK(e2e::findTopLevel(program.processId(), "HAUPTMENU_D", kTitle) == nullptr);
    CHECK_TEXT(e2e::boxText(box), bad.text);
    ctx.shot(shotName);
    e2e::clickItem(box, IDOK);
    HWND main = program.waitMainWindow();
    REQUIRE(main != nullptr);
    // The login prompt follows even in the smallest window.
    CHECK(e2e::waitTopLevel(program.processId(), "#32770", "Passwortabfrage") != nullptr);
    e2e::dismissLogin(program);
    CHECK_TEXT(e2e::windowText(main), kTitle);
    e2e::endProgram(ctx, program, main);
}

} // namespace

SCENARIO("start without settings file: message, minimal window, exit question, settings written") {
    startsAfterSettingsBox(ctx,
                           {"missing", "", "WG32 FATAL_ERROR 0006)",
                            "Initialisierungsdatei <Wakeguard.ini> kann nicht geöffnet werden.\n"
                            "Versuche ohne Initialisierungsdaten zu starten"},
                           "startup-missing-settings");
    std::string written;
    CHECK(e2e::readFile(ctx.tree.settingsFile(), written));
    CHECK_TEXT(written, settingsFile("0", "0", "", "0"));
}

SCENARIO("start with a bad character in the settings file") {
    startsAfterSettingsBox(ctx,
                           {"bad", "$Windowgroesse_x 640\r\nkaputt\r\n#", "WG32 FATAL_ERROR 0005)",
                            "Fehlerhaftes Zeichen beim Einlesen der Initialisierungsdarei <Wakeguard.ini> "
                            "aufgetreten\nEventuell nicht alle Initialisierungsdaten vorhanden"},
                           "startup-bad-settings");
}

SCENARIO("start with a settings file without end marker") {
    startsAfterSettingsBox(ctx,
                           {"no end", "$Windowgroesse_x 640\r\n", "WG32 FATAL_ERROR 0003)",
                            "Dateiendezeichen <#> nicht gefunden.\n"
                            "Möglicherweise nicht alle Initialisierungsdaten gelesen."},
                           "startup-no-end-marker");
}

SCENARIO("window at the top left with the stored size; No keeps the program running") {
    const std::string stored = settingsFile("800", "600", "geheim", "2");
    e2e::writeFile(ctx.tree.settingsFile(), stored);
    e2e::Program program(ctx.tree);
    REQUIRE(program.start());
    HWND main = program.waitMainWindow();
    REQUIRE(main != nullptr);
    e2e::dismissLogin(program, "geheim");
    RECT rect;
    GetWindowRect(main, &rect);
    CHECK(rect.left == 0 && rect.top == 0);
    CHECK(rect.right - rect.left == 800 && rect.bottom - rect.top == 600);
    CHECK_TEXT(e2e::windowText(main), kTitle);
    // Clicks into the client area do nothing.
    PostMessageA(main, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 100));
    PostMessageA(main, WM_LBUTTONUP, 0, MAKELPARAM(100, 100));
    ctx.shot("main-window");

    e2e::closeBox(main);
    HWND question = e2e::waitTopLevel(program.processId(), "#32770", "Warnung");
    REQUIRE(question != nullptr);
    CHECK_TEXT(e2e::boxText(question),
               "Programm wirklich beenden?\nAlle nicht gespeicherte Daten gehen verloren!");
    ctx.shot("exit-question");
    e2e::clickItem(question, IDNO);
    CHECK(e2e::waitGone(question));
    CHECK(IsWindow(main));

    // "Programm Beenden" asks the same question; Yes ends with exit code 0.
    e2e::postCommand(main, 1000);
    question = e2e::waitTopLevel(program.processId(), "#32770", "Warnung");
    REQUIRE(question != nullptr);
    e2e::clickItem(question, IDYES);
    DWORD code = 99;
    CHECK(program.waitExit(code));
    CHECK(code == 0);
    std::string written;
    CHECK(e2e::readFile(ctx.tree.settingsFile(), written));
    CHECK_TEXT(written, stored);
}
