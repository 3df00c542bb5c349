// The shell: start-up and the settings file, the program login, the
// screen size and the end of a run.
#include "steps.h"

using namespace e2e;

static const std::string kTitle =
    " Wakeguard ERLG - das Regatta-Motorueberwachungsprogramm - Release 1.0 - Vers.1.3";

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
    CHECK_TEXT(fileText(ctx.tree.settingsFile()), settingsFile("0", "0", "", "0"));
}

SCENARIO("shell: login cancelled, asked again by a gated command; screen size written at exit") {
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
    CHECK(closeWith(message, IDOK));

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
    CHECK(closeWith(entry, IDCANCEL));

    // The new size is written at exit; "Abbrechen" puts back what the dialog opened with.
    for (int button : {IDOK, IDCANCEL}) {
        HWND screen = openDialog(program, main, 1002, "Bildschirm konfigurieren");
        REQUIRE(screen != nullptr);
        CHECK_TEXT(itemText(screen, 1206), button == IDOK ? "800" : "1000");
        typeAll(screen, {{1206, button == IDOK ? "1000" : "1"}, {1207, "700"}});
        CHECK(closeWith(screen, button));
    }
    GetWindowRect(main, &rect);
    CHECK(rect.right == 800);  // the window keeps its size in this run
    closeBox(main);
    HWND question = waitTopLevel(program.processId(), "#32770", "Warnung");
    REQUIRE(question != nullptr);
    CHECK_TEXT(boxText(question), "Programm wirklich beenden?\nAlle nicht gespeicherte Daten gehen verloren!");
    CHECK(closeWith(question, IDNO));
    endProgram(ctx, program, main);  // "Programm Beenden" asks the same
    CHECK_TEXT(fileText(ctx.tree.settingsFile()), settingsFile("1000", "700", "geheim", "0"));
}
