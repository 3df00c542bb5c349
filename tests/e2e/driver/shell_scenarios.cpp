// The program login, the menu and the small dialogs of the shell.
#include "scenario.h"
#include "steps.h"
#include "ui.h"

namespace {

using namespace e2e;

const char* const kWrong = "Falsches Paßwort eingeben. Eingabe bitte wiederholen.";

std::string menuText(HMENU menu, UINT position) {
    char text[128] = {};
    GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
    return text;
}

} // namespace

SCENARIO("login: wrong entry asks again, right entry is confirmed, gated commands then open") {
    Program program(ctx.tree);
    writeFile(ctx.tree.settingsFile(), settingsFile("800", "600", "geheim", "0"));
    REQUIRE(program.start());
    HWND main = program.waitMainWindow();
    REQUIRE(main != nullptr);
    HWND prompt = waitTopLevel(program.processId(), "#32770", "Passwortabfrage");
    REQUIRE(prompt != nullptr);
    typeInto(prompt, 1232, "falsch");
    ctx.shot("login-prompt");
    clickItem(prompt, IDOK);
    HWND message = waitTopLevel(program.processId(), "#32770", "Information");
    REQUIRE(message != nullptr);
    CHECK_TEXT(itemText(message, 1233), kWrong);
    ctx.shot("login-wrong-message");
    clickItem(message, IDOK);
    prompt = waitTopLevel(program.processId(), "#32770", "Passwortabfrage");
    REQUIRE(prompt != nullptr);
    typeInto(prompt, 1232, "geheim");
    clickItem(prompt, IDOK);
    HWND box = waitTopLevel(program.processId(), "#32770", "Information");
    REQUIRE(box != nullptr);
    CHECK_TEXT(boxText(box), "Benutzerpaßwort wurde korrekt eingegeben!");
    clickItem(box, IDOK);
    waitGone(box);

    // Logged in: the password change asks for the new password at once.
    prompt = openDialog(program, main, 1001, "Passwortabfrage");
    REQUIRE(prompt != nullptr);
    CHECK_TEXT(itemText(prompt, 1234), "Neues Paßwort eingeben");
    typeInto(prompt, 1232, "segeln");
    clickItem(prompt, IDOK);
    waitGone(prompt);
    prompt = waitTopLevel(program.processId(), "#32770", "Passwortabfrage");
    REQUIRE(prompt != nullptr);
    CHECK_TEXT(itemText(prompt, 1234), "Neues Paßwort nochmals zur Kontrolle eingeben");
    typeInto(prompt, 1232, "segeln");
    clickItem(prompt, IDOK);
    waitGone(prompt);
    endProgram(ctx, program, main);
    std::string written;
    readFile(ctx.tree.settingsFile(), written);
    CHECK_TEXT(written, settingsFile("800", "600", "segeln", "0"));
}

SCENARIO("login cancelled: no permission message") {
    Program program(ctx.tree);
    writeFile(ctx.tree.settingsFile(), settingsFile("800", "600", "geheim", "0"));
    REQUIRE(program.start());
    HWND main = program.waitMainWindow();
    REQUIRE(main != nullptr);
    HWND prompt = waitTopLevel(program.processId(), "#32770", "Passwortabfrage");
    REQUIRE(prompt != nullptr);
    closeBox(prompt);  // the close box acts as "Abbrechen"
    HWND message = waitTopLevel(program.processId(), "#32770", "Information");
    REQUIRE(message != nullptr);
    CHECK_TEXT(itemText(message, 1233),
               "Kein Paßwort eingeben. Sie haben keine Berechtigung Werte im Programm zu ändern!");
    closeBox(message);  // does nothing: only OK closes the message dialog
    CHECK(!waitGone(message, 500));
    clickItem(message, IDOK);
    CHECK(waitGone(message));
    endProgram(ctx, program, main);
}

SCENARIO("menu: popups, items, mnemonics and states") {
    Program program(ctx.tree);
    HWND main = startLoggedIn(ctx, program, settingsFile("800", "600", "geheim", "0"), "geheim");
    REQUIRE(main != nullptr);
    REQUIRE(GetMenu(main) != nullptr);
    // Menus cannot be read across processes here, so the menu resource is
    // read from the very exe under test.
    HMODULE exe = LoadLibraryExA((ctx.tree.bin() + "Wakeguard.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    REQUIRE(exe != nullptr);
    HMENU menu = LoadMenuA(exe, "HAUPTMENU_D");
    REQUIRE(menu != nullptr);
    CHECK(GetMenuItemCount(menu) == 5);
    CHECK_TEXT(menuText(menu, 0), "Datei");
    CHECK_TEXT(menuText(menu, 1), "Auswerten");
    CHECK_TEXT(menuText(menu, 2), "Konfiguration");
    CHECK_TEXT(menuText(menu, 3), "Servi&ce");
    CHECK_TEXT(menuText(menu, 4), "&Hilfe");
    HMENU file = GetSubMenu(menu, 0);
    CHECK(GetMenuItemCount(file) == 9);
    CHECK_TEXT(menuText(file, 2), "Teilnehmer laden");
    CHECK(GetMenuState(file, 1010, MF_BYCOMMAND) & MF_GRAYED);
    CHECK(GetMenuState(file, 1016, MF_BYCOMMAND) & MF_GRAYED);
    HMENU config = GetSubMenu(menu, 2);
    CHECK_TEXT(menuText(config, 7), "ERLG-User-Paßwort eingeben");
    CHECK(GetMenuState(config, 1020, MF_BYCOMMAND) & MF_DISABLED);
    HMENU service = GetSubMenu(menu, 3);
    CHECK_TEXT(menuText(service, 0), "Programm-Passwort ändern");
    CHECK(GetMenuState(service, 1013, MF_BYCOMMAND) & MF_GRAYED);
    CHECK(GetMenuState(service, 1022, MF_BYCOMMAND) & MF_GRAYED);
    HMENU help = GetSubMenu(menu, 4);
    CHECK_TEXT(menuText(help, 0), "Info &über...");
    DestroyMenu(menu);
    FreeLibrary(exe);
    ctx.shot("main-window-logged-in");
    endProgram(ctx, program, main);
}

SCENARIO("time zone: local time chosen, kept in the settings file") {
    Program program(ctx.tree);
    HWND main = startLoggedIn(ctx, program, settingsFile("800", "600", "geheim", "0"), "geheim");
    REQUIRE(main != nullptr);
    HWND dialog = openDialog(program, main, 1008, "Zeitzone wählen");
    REQUIRE(dialog != nullptr);
    CHECK(isChecked(dialog, 1308));
    CHECK(!isChecked(dialog, 1309));
    clickItem(dialog, 1309);
    CHECK(waitFor([&] { return isChecked(dialog, 1309) && !isChecked(dialog, 1308); }));
    ctx.shot("time-zone-dialog");
    closeBox(dialog);  // no cancel: the close box does nothing
    CHECK(!waitGone(dialog, 500));
    clickItem(dialog, IDOK);
    CHECK(waitGone(dialog));
    endProgram(ctx, program, main);
    std::string written;
    readFile(ctx.tree.settingsFile(), written);
    CHECK_TEXT(written, settingsFile("800", "600", "geheim", "1"));
}

SCENARIO("screen configuration: OK keeps the size for the next start, Abbrechen restores") {
    Program program(ctx.tree);
    HWND main = startLoggedIn(ctx, program, settingsFile("800", "600", "geheim", "0"), "geheim");
    REQUIRE(main != nullptr);
    HWND dialog = openDialog(program, main, 1002, "Bildschirm konfigurieren");
    REQUIRE(dialog != nullptr);
    CHECK_TEXT(itemText(dialog, 1206), "800");
    CHECK_TEXT(itemText(dialog, 1207), "600");
    typeInto(dialog, 1206, "1000");
    typeInto(dialog, 1207, "700");
    ctx.shot("screen-dialog");
    clickItem(dialog, IDOK);
    CHECK(waitGone(dialog));
    RECT rect;
    GetWindowRect(main, &rect);
    CHECK(rect.right - rect.left == 800);  // the window keeps its size in this run

    dialog = openDialog(program, main, 1002, "Bildschirm konfigurieren");
    REQUIRE(dialog != nullptr);
    CHECK_TEXT(itemText(dialog, 1206), "1000");
    typeInto(dialog, 1206, "1");
    typeInto(dialog, 1207, "2");
    clickItem(dialog, IDCANCEL);
    CHECK(waitGone(dialog));
    endProgram(ctx, program, main);
    std::string written;
    readFile(ctx.tree.settingsFile(), written);
    CHECK_TEXT(written, settingsFile("1000", "700", "geheim", "0"));
}

SCENARIO("about box: name, release, icon; Escape closes it") {
    Program program(ctx.tree);
    HWND main = startLoggedIn(ctx, program, settingsFile("800", "600", "geheim", "0"), "geheim");
    REQUIRE(main != nullptr);
    HWND about = openDialog(program, main, 1003, "");
    REQUIRE(about != nullptr);
    CHECK_TEXT(itemText(about, 1203), " Wakeguard ERLG - das Regatta-Motorueberwachungsprogramm");
    CHECK_TEXT(itemText(about, 1200), " - Release 1.0 - Vers.1.3");
    ctx.shot("about-box");
    PostMessageA(about, WM_COMMAND, IDCANCEL, 0);  // what Escape sends
    CHECK(waitGone(about));
    endProgram(ctx, program, main);
}
