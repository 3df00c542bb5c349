// The shell: start-up and the settings file, the program login and the end
// of a run.
#include "steps.h"

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
    RECT rect;
    GetWindowRect(main, &rect);
    CHECK(rect.left == 0 && rect.top == 0 && rect.right == 800 && rect.bottom == 600);
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
