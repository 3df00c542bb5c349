// After the race: a logger read out, the finish typed, the engine time
// worked out; then the stored file evaluated again without the logger.
#include "scenario.h"
#include "steps.h"
#include "ui.h"

namespace {

using namespace e2e;

// Regatta start 10:00:00 on 14.06.08.
const std::string kRegattaFile =
    "$Datei-Kennung                             Regattastammdaten\r\n"
    "$Startzeit-Minuten                         0\r\n"
    "$Startzeit-Stunden                         10\r\n"
    "$Startzeit-Tag                             14\r\n"
    "$Startzeit-Monat                           6\r\n"
    "$Startzeit-Jahr                            8\r\n"
    "$Zielzeit-Minuten                          0\r\n"
    "$Zielzeit-Stunden                          17\r\n"
    "$Zielzeit-Tag                              14\r\n"
    "$Zielzeit-Monat                            6\r\n"
    "$Zielzeit-Jahr                             8\r\n"
    "$Regattabezeichnung                        Sommer Regatta\r\n"
    "$Teilnehmerzahl                            17\r\n"
    "#";

const std::string kYachtFile =
    "$Dateikennung                           Yachtdaten\r\n"
    "$Yachtname                              Blue Star\r\n"
    "$Yacht-ID                               GER12\r\n"
    "$ERLG-Seriennummer                      100234\r\n"
    "$Betriebsart                            3\r\n"
    "$Siegel-Anzahl                          4\r\n";

// The engine runs 20 + 30 + 20 minutes between start and finish (14:00).
const char* const kRaceEvents[] = {
    "Generator Ein : 14.06.08 Sa 09:50:00", "Generator Aus : 14.06.08 Sa 10:20:00",
    "Getriebe Ein : 14.06.08 Sa 11:00:00",  "Getriebe Aus : 14.06.08 Sa 11:30:00",
    "Start : 14.06.08 Sa 12:00:00",         "Stecker abgezogen : 14.06.08 Sa 13:40:00",
    "Stecker angesteckt : 14.06.08 Sa 14:10:00",
};

std::string loggerSettings(const std::string& more = "") {
    std::string settings = "logged-in = 1\nserial = 100234\nyacht-id = GER12\ncoarse-minutes = 42\n";
    for (const char* event : kRaceEvents) settings += std::string("event = ") + event + "\n";
    return settings + more;
}

std::string expectedReadout() {
    std::string bytes = kYachtFile + "$";
    for (const char* event : kRaceEvents) bytes += std::string(event) + "\r\n$";
    return bytes + "Ereigniss Ende\r\n";
}

// Starts the program with the race's regatta (Sommer04.rsd, start 10:00 on
// 14.06.08) loaded through "Regatta-Stammdaten laden".
HWND startWithRace(Context& ctx, Program& program) {
    writeFile(ctx.tree.data() + "Sommer04.rsd", kRegattaFile);
    writeFile(ctx.tree.data() + "Sommer04-GER12.ysd", kYachtFile);
    HWND main = startLoggedIn(ctx, program, settingsFile("800", "600", "geheim", "0"), "geheim");
    if (!main) return nullptr;
    postCommand(main, 1015);
    if (!chooseInOpenDialog(ctx, program, "Regatta-Stammdaten, Datei öffnen", "Sommer04.rsd")) return nullptr;
    return main;
}

constexpr const char* kReadoutCaption = "ERLG Daten Auslesen und Auswerten";
constexpr const char* kDoneText = "Alle Daten ordnungsgemäß aus ERLG ausgelesen und gespeichert.";

} // namespace

SCENARIO("readout: logger read out, finish saved, engine time computed, shown again from the file") {
    ctx.setLogger(loggerSettings());
    Program program(ctx.tree);
    HWND main = startWithRace(ctx, program);
    REQUIRE(main != nullptr);

    HWND dialog = openDialog(program, main, 1019, kReadoutCaption);
    REQUIRE(dialog != nullptr);
    CHECK_TEXT(itemText(dialog, 1415), " UTC");
    clickItem(dialog, 1417);
    REQUIRE(waitFor([&] { return itemText(dialog, 1416) == kDoneText; }, 40000));
    CHECK_TEXT(ctx.loggerReceived(), "D\rT\rI\r");
    CHECK_TEXT(itemText(dialog, 1412), "42 min");
    CHECK_TEXT(itemText(dialog, 1401), "Sommer04-GER12");
    CHECK_TEXT(itemText(dialog, 1402), "GER12");
    CHECK_TEXT(itemText(dialog, 1403), "100234");
    CHECK_TEXT(itemText(dialog, 1404), "Blue Star");
    CHECK_TEXT(itemText(dialog, 1405), "4");
    std::string readOut;
    CHECK(readFile(ctx.tree.data() + "Sommer04-GER12.yrd", readOut));
    CHECK_TEXT(readOut, expectedReadout());

    typeInto(dialog, 1406, "14");
    typeInto(dialog, 1407, "0");
    typeInto(dialog, 1408, "0");
    typeInto(dialog, 1409, "14");
    typeInto(dialog, 1410, "6");
    typeInto(dialog, 1411, "8");
    clickItem(dialog, 1418);
    CHECK(waitFor([&] {
        return itemText(dialog, 1416) == "Zieldurchgangszeit in Datei Sommer04-GER12.yrd gespeichert.";
    }));
    clickItem(dialog, 1419);
    CHECK(waitFor([&] { return itemText(dialog, 1413) == "   70 min  0 sek"; }));
    CHECK_TEXT(itemText(dialog, 1414), "3");
    ctx.shot("readout-dialog");
    clickItem(dialog, IDCANCEL);
    CHECK(waitGone(dialog));

    HWND shown = openDialog(program, main, 1023, "Yachtdaten berechnen und auswerten");
    REQUIRE(shown != nullptr);
    clickItem(shown, 1423);
    REQUIRE(chooseInOpenDialog(ctx, program, "Yacht-Regattadaten, Datei öffnen", "Sommer04-GER12.yrd"));
    CHECK(waitFor([&] { return itemText(shown, 1402) == "GER12"; }));
    CHECK_TEXT(itemText(shown, 1404), "Blue Star");
    clickItem(shown, 1419);
    CHECK(waitFor([&] { return itemText(shown, 1413) == "   70 min  0 sek"; }));
    CHECK_TEXT(itemText(shown, 1414), "3");
    CHECK_TEXT(itemText(shown, 1422), "1");
    CHECK_TEXT(itemText(shown, 1420), "14:00:00");
    CHECK_TEXT(itemText(shown, 1421), "14.06.08");
    ctx.shot("evaluation-dialog");

    clickItem(shown, 1424);
    HWND editor = nullptr;
    CHECK(waitFor([&] { return (editor = FindWindowA("Notepad", nullptr)) != nullptr; }));
    if (editor) {
        CHECK(windowText(editor).find("Sommer04-GER12") != std::string::npos);
        PostMessageA(editor, WM_CLOSE, 0, 0);
        waitGone(editor);
    }
    clickItem(shown, IDCANCEL);
    CHECK(waitGone(shown));
    endProgram(ctx, program, main);
}

SCENARIO("readout: a logger falling silent mid-dump ends with a message, the earlier file stays") {
    ctx.setLogger(loggerSettings("dump-limit = 100\n"));
    const std::string earlier = expectedReadout() + "$Zielzeit_Stunde                        14\r\n";
    writeFile(ctx.tree.data() + "Sommer04-GER12.yrd", earlier);
    Program program(ctx.tree);
    HWND main = startWithRace(ctx, program);
    REQUIRE(main != nullptr);

    HWND dialog = openDialog(program, main, 1019, kReadoutCaption);
    REQUIRE(dialog != nullptr);
    const DWORD start = GetTickCount();
    clickItem(dialog, 1417);
    HWND message = waitTopLevel(program.processId(), "#32770", "Information", 40000);
    REQUIRE(message != nullptr);
    const DWORD seconds = (GetTickCount() - start) / 1000;
    // Identification and coarse minutes take about 5 s each, the readout's
    // own waits about 3 s, then 5 s of silence end it.
    CHECK(seconds < 25);
    CHECK(itemText(message, 1233).find("Der ERLG sendet keine Daten mehr") == 0);
    CHECK(itemText(message, 1233).find("Sommer04-GER12.yrd bleibt unverändert") != std::string::npos);
    ctx.shot("readout-silent-logger");
    clickItem(message, IDOK);
    CHECK(waitGone(message));
    CHECK(itemText(dialog, 1416).empty());
    std::string now;
    CHECK(readFile(ctx.tree.data() + "Sommer04-GER12.yrd", now));
    CHECK_TEXT(now, earlier);
    std::string incomplete;
    CHECK(readFile(ctx.tree.data() + "Sommer04-GER12.yrd.unvollstaendig", incomplete));
    CHECK(incomplete.rfind(kYachtFile + "$Generator Ein", 0) == 0);
    clickItem(dialog, IDCANCEL);
    CHECK(waitGone(dialog));
    endProgram(ctx, program, main);
}

SCENARIO("readout: a logger that wants its master password closes the dialog and asks for it") {
    ctx.setLogger("serial = 100234\nyacht-id = GER12\n");  // not logged in
    Program program(ctx.tree);
    HWND main = startWithRace(ctx, program);
    REQUIRE(main != nullptr);
    HWND dialog = openDialog(program, main, 1019, kReadoutCaption);
    REQUIRE(dialog != nullptr);
    clickItem(dialog, 1417);
    HWND box = waitTopLevel(program.processId(), "#32770", "Passwortfehler", 20000);
    REQUIRE(box != nullptr);
    CHECK_TEXT(boxText(box), "Master-Passwort fehlt!\nzuerst Master - Passwort eingeben.");
    clickItem(box, IDOK);
    CHECK(waitGone(box));
    CHECK(waitGone(dialog));
    HWND password = waitTopLevel(program.processId(), "#32770", "ERLG Paßwort-Eingabe");
    REQUIRE(password != nullptr);
    CHECK_TEXT(ctx.loggerReceived(), "D\r");
    clickItem(password, IDCANCEL);
    CHECK(waitGone(password));
    std::string none;
    CHECK(!readFile(ctx.tree.data() + "Sommer04-GER12.yrd", none));
    endProgram(ctx, program, main);
}
