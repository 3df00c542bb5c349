// The shell: start-up and the settings file, the program login and the end
// of a run.
#include "steps.h"
#include "win32/wide_text.h"

using namespace e2e;

static const std::string kTitle = " Wakeguard ERLG - das Regatta-Motorueberwachungsprogramm - Release 1.0 - Vers.1.3";

SCENARIO("start without settings file: message before the window, login, settings written at exit") {
    Program program(ctx.tree);
    REQUIRE(program.start());
    REQUIRE_WINDOW(box, waitDialog(program, "WG32 FATAL_ERROR 0006)"));
    CHECK(findTopLevel(program.processId(), "HAUPTMENU_D", kTitle) == nullptr);
    CHECK_TEXT(boxText(box), "Initialisierungsdatei <Wakeguard.ini> kann nicht geöffnet werden.\n"
                             "Versuche ohne Initialisierungsdaten zu starten");
    ctx.shot("startup-missing-settings");
    clickItem(box, IDOK);
    REQUIRE_WINDOW(main, program.waitMainWindow());
    dismissLogin(program);  // the login follows even in the smallest window
    CHECK_TEXT(windowText(main), kTitle);
    endProgram(ctx, program, main);
    CHECK_TEXT(fileText(ctx.tree.settingsFile()), settingsFile("0", "0", "", "0"));
}

SCENARIO("shell: login cancelled, asked again by a gated command; the exit question; settings written") {
    writeFile(ctx.tree.settingsFile(), settingsFile("800", "600", "geheim", "0"));
    Program program(ctx.tree);
    REQUIRE(program.start());
    REQUIRE_WINDOW(main, program.waitMainWindow());
    REQUIRE_WINDOW(prompt, waitDialog(program, "Passwortabfrage"));
    ctx.shot("login-prompt");
    closeBox(prompt);  // acts as "Abbrechen"
    REQUIRE_WINDOW(message, waitDialog(program, "Information"));
    CHECK_TEXT(itemText(message, 1233),
               "Kein Paßwort eingeben. Sie haben keine Berechtigung Werte im Programm zu ändern!");
    closeBox(message);  // only OK closes the message dialog
    CHECK(!waitGone(message, 500));
    CHECK(closeWith(message, IDOK));

    prompt = openDialog(program, main, 1017, "Passwortabfrage");  // gated: asks first
    REQUIRE(prompt != nullptr);
    typeInto(prompt, 1232, "falsch");
    clickItem(prompt, IDOK);
    CHECK_TEXT(nextMessage(ctx, program), "Falsches Paßwort eingeben. Eingabe bitte wiederholen.");
    REQUIRE((prompt = waitDialog(program, "Passwortabfrage")) != nullptr);
    typeInto(prompt, 1232, "geheim");
    clickItem(prompt, IDOK);
    CHECK_TEXT(nextMessage(ctx, program), "Benutzerpaßwort wurde korrekt eingegeben!");  // a box
    REQUIRE_WINDOW(entry, waitDialog(program, "Regatta Stammdaten"));
    CHECK(closeWith(entry, IDCANCEL));

    closeBox(main);
    REQUIRE_WINDOW(question, waitDialog(program, "Warnung"));
    CHECK_TEXT(boxText(question), "Programm wirklich beenden?\nAlle nicht gespeicherte Daten gehen verloren!");
    CHECK(closeWith(question, IDNO));
    endProgram(ctx, program, main);  // "Programm Beenden" asks the same
    CHECK_TEXT(fileText(ctx.tree.settingsFile()), settingsFile("800", "600", "geheim", "0"));
}

// Menus cannot be read across processes here, so the menu resource is read
// from the very exe under test, item by item: text, command, state.
static std::string menuListing(HMENU menu, const std::string& indent = "") {
    std::string out;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        wchar_t wideText[128] = {};
        GetMenuStringW(menu, i, wideText, 128, MF_BYPOSITION);
        std::string text;
        wg::narrow(wideText, text);
        HMENU popup = GetSubMenu(menu, i);
        // A popup's state carries its item count in the high byte.
        const UINT state = GetMenuState(menu, i, MF_BYPOSITION) & (popup ? 0xFFu : ~0u);
        const bool separator = state & MF_SEPARATOR;
        // Appended piece by piece: GCC 12 misjudges the string operator here.
        out.append(indent).append(separator ? "-" : text);
        if (!popup && !separator) out.append(" ").append(std::to_string(GetMenuItemID(menu, i)));
        if (!popup && !separator) out.append(state & MF_GRAYED ? " grau" : state & MF_DISABLED ? " gesperrt" : "");
        out.append("\n");
        if (popup) out.append(menuListing(popup, std::string(indent).append("  ")));
    }
    return out;
}

SCENARIO("shell: the menu item by item") {
    Program program(ctx.tree);
    REQUIRE_WINDOW(main, startLoggedIn(ctx, program, settingsFile("800", "600", "geheim", "0"), "geheim"));
    REQUIRE(GetMenu(main) != nullptr);
    const std::wstring path = wg::wide(ctx.tree.bin() + "Wakeguard.exe");
    HMODULE exe = LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    HMENU menu = exe ? LoadMenuW(exe, L"HAUPTMENU_D") : nullptr;
    REQUIRE(menu != nullptr);
    CHECK_TEXT(menuListing(menu),
               "Datei\n  -\n  -\n  Teilnehmer laden 1009\n  Teilnehmer speichern 1010 grau\n  -\n"
               "  Regatta-Stammdaten laden 1015\n  Regatta-Stammdaten speichern 1016 grau\n  -\n"
               "  Programm Beenden 1000\n"
               "Auswerten\n  ERLG-Daten löschen 1018\n  ERLG-Daten auslesen und auswerten 1019\n"
               "  Auswertung anzeigen 1023\n"
               "Konfiguration\n  Startzeiteingabe 1005\n  Regatta-Endezeiteingabe 1006\n"
               "  Regattastammdaten eingeben 1017\n  ERLG Uhr stellen 1021\n  Yacht konfigurieren 1012\n"
               "  Regattastammdaten anzeigen 1007\n  ERLG-Master Passwort eingeben 1014\n"
               "  ERLG-User-Paßwort eingeben 1020 gesperrt\n"
               "Servi&ce\n  Programm-Passwort ändern 1001\n  Bildschirmparameter 1002\n"
               "  Uhr - Zeitzone wählen 1008\n  ERLG-Passwort ändern 1013 grau\n  Schnittstellenauswahl 1022 grau\n"
               "&Hilfe\n  Info &über... 1003\n  Hilfe 1004\n");
    DestroyMenu(menu);
    FreeLibrary(exe);
    ctx.shot("main-window-logged-in");
    endProgram(ctx, program, main);
}
