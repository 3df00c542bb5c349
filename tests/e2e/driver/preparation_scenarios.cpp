// Preparing a logger before the race: regatta times, clock, yacht
// configuration and erase, against the simulated logger on COM1.
#include <cstdio>

#include "scenario.h"
#include "steps.h"
#include "ui.h"

namespace {

using namespace e2e;

std::string twoDigits(int value) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d", value % 100);
    return text;
}

// "E" and the digits of day, month, year and hour of a PC clock reading.
std::string clockPrefix(const SYSTEMTIME& t) {
    std::string prefix = "E";
    for (int value : {int(t.wDay), int(t.wMonth), int(t.wYear), int(t.wHour)}) prefix += twoDigits(value);
    return prefix;
}

} // namespace

SCENARIO("preparation: start and end time typed, refused once, sent as G and H") {
    ctx.setLogger("logged-in = 1\n");
    Program program(ctx.tree);
    HWND main = startWithRegatta(ctx, program, "0");
    REQUIRE(main != nullptr);

    HWND start = openDialog(program, main, 1005, "Startzeiteingabe");
    REQUIRE(start != nullptr);
    CHECK_TEXT(itemText(start, 1511), "09");
    CHECK_TEXT(itemText(start, 1512), "05");
    CHECK_TEXT(itemText(start, 1513), "03");
    CHECK_TEXT(itemText(start, 1514), "06");
    CHECK_TEXT(itemText(start, 1515), "04");
    typeInto(start, 1512, "30");
    typeInto(start, 1513, "32");
    // Leaving the day field refuses 32 (posted: the refusal shows a message).
    PostMessageA(start, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(start, 1514)), TRUE);
    CHECK_TEXT(nextMessage(ctx, program, "start-time-refused"),
               "Datumseingabe für Tag muß zwischen 1 und 31 liegen, bitte neu eingeben!");
    start = waitTopLevel(program.processId(), "#32770", "Startzeiteingabe");
    REQUIRE(start != nullptr);
    CHECK_TEXT(itemText(start, 1513), "01");
    CHECK_TEXT(itemText(start, 1512), "30");
    typeInto(start, 1513, "14");
    ctx.shot("start-time");
    clickItem(start, 1516);
    CHECK_TEXT(nextMessage(ctx, program), "Regatta-Startzeit geaendert");

    HWND end = openDialog(program, main, 1006, "Zielzeiteingabe");
    REQUIRE(end != nullptr);
    typeInto(end, 1511, "8");
    ctx.shot("end-time");
    clickItem(end, 1516);
    CHECK_TEXT(nextMessage(ctx, program), "Regatta-Endezeit geaendert");
    CHECK_TEXT(ctx.loggerReceived(), "G140604093000H040604083000");

    // Saved from the end time dialog, both times are in the file.
    end = openDialog(program, main, 1006, "Zielzeiteingabe");
    REQUIRE(end != nullptr);
    clickItem(end, 1249);
    HWND save = waitTopLevel(program.processId(), "#32770", "Daten speichern");
    REQUIRE(save != nullptr);
    CHECK_TEXT(itemText(save, 1252),
               "Namen für Regatta-Stammdaten Datei eingeben. Dateiendung immer .rsd, Verzeichnis ist ..\\daten");
    typeInto(save, 1251, "Sommer04b");
    clickItem(save, IDOK);
    CHECK(waitGone(save));
    CHECK(waitGone(end));
    std::string saved;
    CHECK(readFile(ctx.tree.data() + "Sommer04b.rsd", saved));
    CHECK(saved.find("$Startzeit-Minuten                         30\r\n") != std::string::npos);
    CHECK(saved.find("$Startzeit-Tag                             14\r\n") != std::string::npos);
    CHECK(saved.find("$Zielzeit-Stunden                          8\r\n") != std::string::npos);
    CHECK_TEXT(ctx.loggerReceived(), "G140604093000H040604083000");
    endProgram(ctx, program, main);
}

SCENARIO("preparation: logger clock from the PC clock in UTC and in local time, and as typed") {
    ctx.setLogger("logged-in = 1\n");
    {
        Program program(ctx.tree);
        HWND main = startLoggedIn(ctx, program, settingsFile("800", "600", "geheim", "0"), "geheim");
        REQUIRE(main != nullptr);
        HWND clock = openDialog(program, main, 1021, "ERLG Uhr stellen");
        REQUIRE(clock != nullptr);
        ctx.shot("logger-clock");
        SYSTEMTIME utc;
        GetSystemTime(&utc);
        clickItem(clock, 1507);
        CHECK_TEXT(nextMessage(ctx, program, "logger-clock-set"), "ERLG Uhr gestellt");
        const std::string sent = ctx.loggerReceived();
        CHECK(sent.size() == 13);
        CHECK_TEXT(sent.substr(0, 9), clockPrefix(utc));

        clock = openDialog(program, main, 1021, "ERLG Uhr stellen");
        REQUIRE(clock != nullptr);
        typeInto(clock, 1501, "7");
        typeInto(clock, 1502, "5");
        typeInto(clock, 1503, "9");
        typeInto(clock, 1504, "1");
        typeInto(clock, 1505, "3");
        typeInto(clock, 1506, "7");
        clickItem(clock, 1508);
        CHECK_TEXT(nextMessage(ctx, program), "ERLG Uhr gestellt");
        CHECK_TEXT(ctx.loggerReceived().substr(13), "E010307070509");
        endProgram(ctx, program, main);
    }
    ctx.setLogger("logged-in = 1\n");
    Program program(ctx.tree);
    HWND main = startLoggedIn(ctx, program, settingsFile("800", "600", "geheim", "1"), "geheim");
    REQUIRE(main != nullptr);
    HWND clock = openDialog(program, main, 1021, "ERLG Uhr stellen");
    REQUIRE(clock != nullptr);
    SYSTEMTIME local;
    GetLocalTime(&local);
    clickItem(clock, 1507);
    CHECK_TEXT(nextMessage(ctx, program), "ERLG Uhr gestellt");
    CHECK_TEXT(ctx.loggerReceived().substr(0, 9), clockPrefix(local));
    endProgram(ctx, program, main);
}

SCENARIO("preparation: yacht configured with the master password, read back, file written") {
    Program program(ctx.tree);
    HWND main = startWithRegatta(ctx, program, "0");
    REQUIRE(main != nullptr);
    HWND yacht = openDialog(program, main, 1012, "Yacht Konfiguration");
    REQUIRE(yacht != nullptr);
    CHECK(!isEnabled(yacht, 1539));
    CHECK(!isChecked(yacht, 1537));

    typeInto(yacht, 1540, "MASTER");
    clickItem(yacht, 1542);
    CHECK(waitFor([&] { return itemText(yacht, 1541) == "Passwort OK!"; }, 20000));

    clickItem(yacht, 1543);
    CHECK(waitFor([&] { return itemText(yacht, 1533) == "100234" && isChecked(yacht, 1537); }, 20000));
    CHECK_TEXT(itemText(yacht, 1532), "GER12");
    CHECK_TEXT(itemText(yacht, 1545), "Sommer04-GER12");

    typeInto(yacht, 1531, "Blue Star");
    typeInto(yacht, 1532, "GER7");
    typeInto(yacht, 1534, "2");
    // Clicked after the typing: a posted click must not move the focus
    // between a field's focusing and its text.
    clickItem(yacht, 1535);
    clickItem(yacht, 1544);
    const std::string done = "Betriebsart geändert. Yacht-ID geaendert  Daten in Datei gespeichert";
    CHECK(waitFor([&] { return itemText(yacht, 1546) == done; }, 30000));
    CHECK_TEXT(itemText(yacht, 1546), done);
    CHECK_TEXT(itemText(yacht, 1545), "Sommer04-GER7");
    ctx.shot("yacht-configuration");
    std::string bytes;
    CHECK(readFile(ctx.tree.data() + "Sommer04-GER7.ysd", bytes));
    CHECK_TEXT(bytes,
               "$Dateikennung                           Yachtdaten\r\n"
               "$Yachtname                              Blue Star\r\n"
               "$Yacht-ID                               GER7\r\n"
               "$ERLG-Seriennummer                      100234\r\n"
               "$Betriebsart                            1\r\n"
               "$Siegel-Anzahl                          2\r\n");

    // The logger now holds mode 1 and the yacht ID GER7.
    clickItem(yacht, 1543);
    CHECK(waitFor([&] { return itemText(yacht, 1532) == "GER7" && isChecked(yacht, 1535); }, 20000));
    CHECK_TEXT(ctx.loggerReceived(), "X\rMASTER\rD\rF\rF1\rD0\rGER7\rD\rF\r");
    clickItem(yacht, IDCANCEL);
    CHECK(waitGone(yacht));
    endProgram(ctx, program, main);
}

SCENARIO("preparation: erase with progress") {
    ctx.setLogger("erase-ms = 4000\n");
    Program program(ctx.tree);
    HWND main = startLoggedIn(ctx, program, settingsFile("800", "600", "geheim", "0"), "geheim");
    REQUIRE(main != nullptr);
    HWND question = openDialog(program, main, 1018, "Warnung");
    REQUIRE(question != nullptr);
    ctx.shot("erase-question");
    clickItem(question, IDYES);
    HWND erase = waitTopLevel(program.processId(), "#32770", "ERLG Löschen");
    REQUIRE(erase != nullptr);
    CHECK_TEXT(itemText(erase, 1521),
               "ERLG wirklich alle Daten löschen? Daten gehen endgültig verloren! Kein Löschen = Taste "
               "<Dialog verlassen> betätigen");
    ctx.shot("erase-warning");
    clickItem(erase, 1522);
    CHECK(waitFor([&] {
        return itemText(erase, 1521) == " ERLG - EEProm wird geloescht, bitte 2 Minuten Geduld  EEProm Size = 8192";
    }, 20000));
    ctx.shot("erase-running");
    CHECK(waitFor([&] { return itemText(erase, 1521) == "ERLG - EEProm geloescht"; }, 20000));
    ctx.shot("erase-done");
    CHECK_TEXT(ctx.loggerReceived(), "C\r");
    clickItem(erase, IDCANCEL);
    CHECK(waitGone(erase));
    endProgram(ctx, program, main);
}

SCENARIO("preparation: yacht transfer to a logger that demands its password writes nothing") {
    Program program(ctx.tree);
    HWND main = startWithRegatta(ctx, program, "0");
    REQUIRE(main != nullptr);
    HWND yacht = openDialog(program, main, 1012, "Yacht Konfiguration");
    REQUIRE(yacht != nullptr);
    typeInto(yacht, 1532, "GER7");
    clickItem(yacht, 1536);
    clickItem(yacht, 1544);
    HWND box = waitTopLevel(program.processId(), "#32770", "Passwortfehler", 20000);
    REQUIRE(box != nullptr);
    CHECK_TEXT(boxText(box), "Master Passwort fehlt!\nZuerst Masterpasswort eingeben und danach ERLG auslesen.");
    ctx.shot("yacht-password-missing");
    clickItem(box, IDOK);
    CHECK(waitGone(box));
    CHECK_TEXT(ctx.loggerReceived(), "F2\r");
    CHECK_TEXT(itemText(yacht, 1546), "");
    std::string bytes;
    CHECK(!readFile(ctx.tree.data() + "Sommer04-GER7.ysd", bytes));
    clickItem(yacht, IDCANCEL);
    CHECK(waitGone(yacht));
    endProgram(ctx, program, main);
}
