// Regatta master data: entered, saved, loaded and shown.
#include "scenario.h"
#include "steps.h"
#include "ui.h"

namespace {

using namespace e2e;

const std::string kKielFile =
    "$Datei-Kennung                             Regattastammdaten\r\n"
    "$Startzeit-Minuten                         0\r\n"
    "$Startzeit-Stunden                         0\r\n"
    "$Startzeit-Tag                             0\r\n"
    "$Startzeit-Monat                           0\r\n"
    "$Startzeit-Jahr                            0\r\n"
    "$Zielzeit-Minuten                          0\r\n"
    "$Zielzeit-Stunden                          0\r\n"
    "$Zielzeit-Tag                              0\r\n"
    "$Zielzeit-Monat                            0\r\n"
    "$Zielzeit-Jahr                             0\r\n"
    "$Regattabezeichnung                        Kieler Woche 2026\r\n"
    "$Teilnehmerzahl                            42\r\n"
    "#";

} // namespace

SCENARIO("regatta data: entered, saved under a typed name, shown") {
    Program program(ctx.tree);
    HWND main = startLoggedIn(ctx, program, settingsFile("800", "600", "geheim", "0"), "geheim");
    REQUIRE(main != nullptr);
    HWND entry = openDialog(program, main, 1017, "Regatta Stammdaten");
    REQUIRE(entry != nullptr);
    CHECK_TEXT(itemText(entry, 1250), "0");
    typeInto(entry, 1247, "Kieler Woche 2026");
    typeInto(entry, 1250, "42");
    ctx.shot("regatta-entry");
    clickItem(entry, 1249);
    HWND save = waitTopLevel(program.processId(), "#32770", "Daten speichern");
    REQUIRE(save != nullptr);
    CHECK_TEXT(itemText(save, 1252),
               "Namen für Regatta-Stammdaten Datei eingeben. Dateiendung immer .rsd, Verzeichnis ist ..\\daten");
    CHECK_TEXT(itemText(save, 1251), "");
    typeInto(save, 1251, "Kiel26");
    ctx.shot("file-save");
    clickItem(save, IDOK);
    CHECK(waitGone(save));
    CHECK(waitGone(entry));
    std::string written;
    CHECK(readFile(ctx.tree.data() + "Kiel26.rsd", written));
    CHECK_TEXT(written, kKielFile);

    HWND display = openDialog(program, main, 1007, "Regatta-Stammdaten");
    REQUIRE(display != nullptr);
    CHECK_TEXT(itemText(display, 1240), "00:00:00");
    CHECK_TEXT(itemText(display, 1241), "00:00:0");
    CHECK_TEXT(itemText(display, 1248), ":42");
    CHECK_TEXT(itemText(display, 1247), ":Kieler Woche 2026");
    ctx.shot("regatta-display");
    clickItem(display, IDOK);
    CHECK(waitGone(display));
    endProgram(ctx, program, main);
}

SCENARIO("regatta data: loaded through the open-file dialog, proposed when saving, unsafe name refused") {
    writeFile(ctx.tree.data() + "Sommer04.rsd", kSommerFile);
    Program program(ctx.tree);
    HWND main = startLoggedIn(ctx, program, settingsFile("800", "600", "geheim", "0"), "geheim");
    REQUIRE(main != nullptr);
    postCommand(main, 1015);
    REQUIRE(chooseInOpenDialog(ctx, program, "Regatta-Stammdaten, Datei öffnen", "Sommer04.rsd", "open-file"));

    HWND display = openDialog(program, main, 1007, "Regatta-Stammdaten");
    REQUIRE(display != nullptr);
    CHECK_TEXT(itemText(display, 1240), "09:05:00");
    CHECK_TEXT(itemText(display, 1241), "03:06:4");
    CHECK_TEXT(itemText(display, 1242), "17:30:00");
    CHECK_TEXT(itemText(display, 1243), "04:06:4");
    CHECK_TEXT(itemText(display, 1247), ":Sommer Regatta");
    clickItem(display, IDOK);
    CHECK(waitGone(display));

    HWND entry = openDialog(program, main, 1017, "Regatta Stammdaten");
    REQUIRE(entry != nullptr);
    CHECK_TEXT(itemText(entry, 1247), "Sommer Regatta");
    clickItem(entry, 1249);
    HWND save = waitTopLevel(program.processId(), "#32770", "Daten speichern");
    REQUIRE(save != nullptr);
    CHECK_TEXT(itemText(save, 1251), "Sommer04");
    typeInto(save, 1251, "..\\Weg");
    clickItem(save, IDOK);
    HWND message = waitTopLevel(program.processId(), "#32770", "Information");
    REQUIRE(message != nullptr);
    CHECK(itemText(message, 1233).find("Der Dateiname ist ungültig") == 0);
    ctx.shot("file-save-unsafe-name");
    clickItem(message, IDOK);
    CHECK(waitGone(message));
    // The refused name is gone, so "OK" then asks for a name.
    message = waitTopLevel(program.processId(), "#32770", "Information");
    REQUIRE(message != nullptr);
    CHECK_TEXT(itemText(message, 1233),
               "Kein Dateiname eingegeben, Bitte Namen eingeben oder mit <Abbruch> Dialog beenden.");
    clickItem(message, IDOK);
    CHECK(waitGone(message));
    clickItem(save, IDCANCEL);
    CHECK(waitGone(save));
    std::string unchanged;
    CHECK(readFile(ctx.tree.data() + "Sommer04.rsd", unchanged));
    CHECK_TEXT(unchanged, kSommerFile);
    CHECK(!readFile(ctx.tree.root + "Weg.rsd", unchanged));
    endProgram(ctx, program, main);
}
