// The shell: start-up and the settings file, the program login, the menu
// and the small dialogs, and the end of a run.
#include "scenario.h"
#include "steps.h"
#include "ui.h"

namespace {

using namespace e2e;

const std::string kTitle =
    " Wakeguard ERLG - das Regatta-Motorueberwachungsprogramm - Release 1.0 - Vers.1.3";

// The menu resource, read from the very exe under test: menus cannot be
// read across processes here.
void checkMenu(Context& ctx) {
    HMODULE exe = LoadLibraryExA((ctx.tree.bin() + "Wakeguard.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    HMENU menu = exe ? LoadMenuA(exe, "HAUPTMENU_D") : nullptr;
    REQUIRE(menu != nullptr);
    const struct { int popup, position; const char* text; } items[] = {
        {-1, 0, "Datei"}, {-1, 1, "Auswerten"}, {-1, 2, "Konfiguration"}, {-1, 3, "Servi&ce"}, {-1, 4, "&Hilfe"},
        {0, 2, "Teilnehmer laden"}, {1, 1, "ERLG-Daten auslesen und auswerten"}, {2, 7, "ERLG-User-Paßwort eingeben"},
        {3, 0, "Programm-Passwort ändern"}, {4, 0, "Info &über..."}};
    for (const auto& item : items) {
        char text[128] = {};
        GetMenuStringA(item.popup < 0 ? menu : GetSubMenu(menu, item.popup), item.position, text, sizeof text,
                       MF_BYPOSITION);
        CHECK_TEXT(std::string(text), item.text);
    }
    const struct { int popup, command; UINT state; } states[] = {
        {0, 1010, MF_GRAYED}, {0, 1016, MF_GRAYED}, {2, 1020, MF_DISABLED}, {3, 1013, MF_GRAYED}, {3, 1022, MF_GRAYED}};
    for (const auto& item : states)
        CHECK(GetMenuState(GetSubMenu(menu, item.popup), item.command, MF_BYCOMMAND) & item.state);
    DestroyMenu(menu);
    FreeLibrary(exe);
}

} // namespace

SCENARIO("start without settings file: message before the window, login, settings written at exit") {
    Program program(ctx.tree);
    REQUIRE(program.start());
    HWND box = waitTopLevel(program.processId(), "#32770", "WG32 FATAL_ERROR 0006)");
    REQUIRE(box != nullptr);
    CHECK(findTopLevel(program.processId(), "HAUPTMENU_D", kTitle) == nullptr);
    CHECK_TEXT(boxText(box), "Initialisierungsdatei <Wakeguard.ini> kann nicht geöffnet werden.\n"
                             "Versuche ohne Initialisierungsdaten zu starten");
    ctx.shot("startup-missing-settings");
    clickItem(box, IDOK);
    HWND main = program.waitMainWindow();
    REQUIRE(main != nullptr);
    dismissLogin(program);  // the login follows even in the smallest window
    CHECK_TEXT(windowText(main), kTitle);
    endProgram(ctx, program, main);
    std::string written;
    CHECK(readFile(ctx.tree.settingsFile(), written));
    CHECK_TEXT(written, settingsFile("0", "0", "", "0"));
}

SCENARIO("shell: login cancelled, asked again by a gated command; password, screen size, menu, exit") {
    writeFile(ctx.tree.settingsFile(), settingsFile("800", "600", "geheim", "0"));
    Program program(ctx.tree);
    REQUIRE(program.start());
    HWND main = program.waitMainWindow();
    REQUIRE(main != nullptr);
    RECT rect;
    GetWindowRect(main, &rect);
    CHECK(rect.left == 0 && rect.top == 0 && rect.right == 800 && rect.bottom == 600);
    HWND prompt = waitTopLevel(program.processId(), "#32770", "Passwortabfrage");
    REQUIRE(prompt != nullptr);
    ctx.shot("login-prompt");
    closeBox(prompt);  // acts as "Abbrechen"
    HWND message = waitTopLevel(program.processId(), "#32770", "Information");
    REQUIRE(message != nullptr);
    CHECK_TEXT(itemText(message, 1233),
               "Kein Paßwort eingeben. Sie haben keine Berechtigung Werte im Programm zu ändern!");
    closeBox(message);  // only OK closes the message dialog
    CHECK(!waitGone(message, 500));
    clickItem(message, IDOK);
    CHECK(waitGone(message));

    prompt = openDialog(program, main, 1017, "Passwortabfrage");  // gated: asks first
    REQUIRE(prompt != nullptr);
    typeInto(prompt, 1232, "falsch");
    clickItem(prompt, IDOK);
    CHECK_TEXT(nextMessage(ctx, program), "Falsches Paßwort eingeben. Eingabe bitte wiederholen.");
    REQUIRE((prompt = waitTopLevel(program.processId(), "#32770", "Passwortabfrage")) != nullptr);
    typeInto(prompt, 1232, "geheim");
    clickItem(prompt, IDOK);
    HWND box = waitTopLevel(program.processId(), "#32770", "Information");
    REQUIRE(box != nullptr);
    CHECK_TEXT(boxText(box), "Benutzerpaßwort wurde korrekt eingegeben!");
    clickItem(box, IDOK);
    HWND entry = waitTopLevel(program.processId(), "#32770", "Regatta Stammdaten");
    REQUIRE(entry != nullptr);
    clickItem(entry, IDCANCEL);
    CHECK(waitGone(entry));

    postCommand(main, 1001);
    for (const char* asked : {"Neues Paßwort eingeben", "Neues Paßwort nochmals zur Kontrolle eingeben"}) {
        REQUIRE((prompt = waitTopLevel(program.processId(), "#32770", "Passwortabfrage")) != nullptr);
        CHECK_TEXT(itemText(prompt, 1234), asked);
        typeInto(prompt, 1232, "segeln");
        clickItem(prompt, IDOK);
        CHECK(waitGone(prompt));
    }
    // The new size is written at exit; "Abbrechen" puts back what the dialog opened with.
    for (int button : {IDOK, IDCANCEL}) {
        HWND screen = openDialog(program, main, 1002, "Bildschirm konfigurieren");
        REQUIRE(screen != nullptr);
        CHECK_TEXT(itemText(screen, 1206), button == IDOK ? "800" : "1000");
        typeAll(screen, {{1206, button == IDOK ? "1000" : "1"}, {1207, "700"}});
        clickItem(screen, button);
        CHECK(waitGone(screen));
    }
    GetWindowRect(main, &rect);
    CHECK(rect.right == 800);  // the window keeps its size in this run
    HWND about = openDialog(program, main, 1003, "");
    REQUIRE(about != nullptr);
    CHECK_TEXT(itemText(about, 1203), " Wakeguard ERLG - das Regatta-Motorueberwachungsprogramm");
    CHECK_TEXT(itemText(about, 1200), " - Release 1.0 - Vers.1.3");
    PostMessageA(about, WM_COMMAND, IDCANCEL, 0);  // what Escape sends
    CHECK(waitGone(about));
    checkMenu(ctx);

    closeBox(main);
    HWND question = waitTopLevel(program.processId(), "#32770", "Warnung");
    REQUIRE(question != nullptr);
    CHECK_TEXT(boxText(question), "Programm wirklich beenden?\nAlle nicht gespeicherte Daten gehen verloren!");
    clickItem(question, IDNO);
    CHECK(waitGone(question));
    endProgram(ctx, program, main);  // "Programm Beenden" asks the same
    std::string written;
    readFile(ctx.tree.settingsFile(), written);
    CHECK_TEXT(written, settingsFile("1000", "700", "segeln", "0"));
}
