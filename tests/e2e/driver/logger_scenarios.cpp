// Every logger exchange of the program against the simulated logger on
// COM1: without a fault (the wire bytes), and under every fault the
// simulator can show. Each must end within its bound, tell the user what
// happened, never report success for what the logger did not do, leave the
// program usable and leave every file either as it was or complete.
#include <cstdio>
#include <iterator>
#include <thread>

#include "resources/resource_ids.h"
#include "scenario.h"
#include "steps.h"
#include "ui.h"

namespace {

using namespace e2e;

struct Exchange {
    const char* name;
    int command;
    const char* caption;
    int via;  // the erase: "Ja" in the question before its dialog
    Typed typed;
    int choose;  // a radio button clicked after the typing
    int button;
    int shownField;  // what the dialog shows when no message came
    const char* success;
    const char* wire;  // what a logger without fault receives
    DWORD boundMs;
};

// In the order a logger meets them; the readout comes before the erase,
// which empties the event memory.
const Exchange kExchanges[] = {
    {"Anmeldung (X)", 1014, "ERLG Paßwort-Eingabe", 0, {{1262, "MASTER"}}, 0, IDOK, 0, "Passwort OK!", "X\nMASTER\r",
     20000},
    {"Uhr (E)", 1021, "ERLG Uhr stellen", 0, {{1501, "7"}, {1502, "5"}, {1503, "9"}, {1504, "1"}, {1505, "3"}, {1506, "7"}},
     0, IDC_CLOCK_SEND_TYPED, 0, "ERLG Uhr gestellt", "E010307070509", 20000},
    {"Startzeit (G)", 1005, "Startzeiteingabe", 0, {{1512, "30"}, {1513, "14"}}, 0, IDC_RTIME_SEND, 0,
     "Regatta-Startzeit geaendert", "G140604093000", 20000},
    {"Endezeit (H)", 1006, "Zielzeiteingabe", 0, {{1511, "8"}}, 0, IDC_RTIME_SEND, 0, "Regatta-Endezeit geaendert",
     "H040604083000", 20000},
    {"ERLG lesen (D, F)", 1012, "Yacht Konfiguration", 0, {}, 0, IDC_YACHT_READ, IDC_YACHT_SERIAL, "100234", "D\rF\r",
     25000},
    {"Betriebsart und Yacht-ID (F, D0)", 1012, "Yacht Konfiguration", 0,
     {{IDC_YACHT_NAME, "Blue Star"}, {IDC_YACHT_ID, "GER12"}, {IDC_YACHT_SEALS, "4"}}, IDC_YACHT_MODE3,
     IDC_YACHT_TRANSFER, IDC_YACHT_INFO, "Betriebsart geändert. Yacht-ID geaendert  Daten in Datei gespeichert",
     "F3\rD0\rGER12\r", 30000},
    {"Auslesen (D, T, I)", 1019, "ERLG Daten Auslesen und Auswerten", 0, {}, 0, IDC_EV_READ, IDC_EV_STATUS,
     "Alle Daten ordnungsgemäß aus ERLG ausgelesen und gespeichert.", "D\rT\rI\r", 60000},
    {"Loeschen (C)", 1018, "Warnung", IDYES, {}, 0, IDC_ERASE_RUN, IDC_ERASE_TEXT, "ERLG - EEProm geloescht", "C\r",
     135000},
};

struct Fault {
    const char* name;
    const char* settings;
    // Per exchange: S its success, F "Fehlerhafte Befehlsverarbeitung", N
    // the erase not confirmed, A the readout broken off.
    const char* expected;
};

const Fault kFaults[] = {
    {"ohne Stoerung", "", "SSSSSSSS"},
    {"stumm", "fault = silent\n", "FFFFFFFF"},
    {"ohne Echo", "fault = drop-echo\n", "FFFFFFFF"},
    {"Echo mit Zusatzbyte", "fault = extra-byte\n", "FFFFSFSS"},
    {"Echo verfaelscht", "fault = garble\n", "FFFFFFFF"},
    {"Falsches Kommando", "fault = wrong-command\n", "FFFFFFFN"},
    {"Antwort am Echo", "fault = glued\n", "SFFFSSSS"},
    {"Auslesen bricht ab", "dump-limit = 150\n", "SSSSSSAS"},
};

const std::string kEarlierReadout = kYachtFile +
    "$Start : 14.06.08 Sa 09:00:00\r\n$Generator Ein : 14.06.08 Sa 10:20:00\r\n"
    "$Generator Aus : 14.06.08 Sa 10:40:00\r\n$Ereigniss Ende\r\n$Zielzeit_Stunde                        14\r\n";

// Caption of every window through which the program tells the user something.
HWND findMessage(DWORD pid) {
    for (const char* caption : {"Information", "Passwortfehler", "Fehler", "Warnung", "Datei- und Auswerungsfehler",
                                "Bedienungsfehler"})
        if (HWND window = findTopLevel(pid, "#32770", caption)) return window;
    return nullptr;
}

struct Outcome {
    bool ended = false;
    double seconds = 0;
    std::string seen;  // every message, " / " between them
};

// Clicks a button the way a user does and answers every message the
// exchange behind it shows, until the button's handler has returned.
Outcome clickThrough(Program& program, HWND dialog, int button, DWORD boundMs) {
    Outcome outcome;
    bool done = false;
    const DWORD start = GetTickCount();
    std::thread user([&] {
        SendMessageA(GetDlgItem(dialog, button), BM_CLICK, 0, 0);  // returns with the handler
        done = true;
    });
    while (!done && GetTickCount() - start < boundMs + 10000) {
        if (HWND message = findMessage(program.processId())) {
            std::string text = itemText(message, 1233);  // the message dialog, or a box
            if (!outcome.seen.empty()) outcome.seen += " / ";
            outcome.seen += text.empty() ? boxText(message) : text;
            clickItem(message, IDOK);
            waitGone(message, 5000);
        }
        waitFor([&] { return done; }, 50);
    }
    outcome.ended = done;
    outcome.seconds = (GetTickCount() - start) / 1000.0;
    if (!done) program.kill();  // the handler hangs: end it so the thread returns
    user.join();
    return outcome;
}

bool asExpected(char kind, const std::string& seen, const Exchange& exchange) {
    switch (kind) {
    case 'S': return seen.find(exchange.success) != std::string::npos;
    case 'F': return seen == "Fehlerhafte Befehlsverarbeitung, Eingabe wiederholen!";
    case 'N': return seen == "ERLG hat das Löschen nicht bestätigt. Bitte Löschen wiederholen!";
    default: return seen.rfind("Der ERLG sendet keine Daten mehr", 0) == 0;
    }
}

// A file is as it was, or complete.
bool intactOrComplete(const std::string& now, const std::string& before, const char* completeEnd) {
    return now == before || (now.rfind("$Dateikennung", 0) == 0 && now.find(completeEnd) != std::string::npos);
}

void runExchanges(Context& ctx, const Fault& fault) {
    ctx.setLogger(std::string("logged-in = 1\nerase-ms = 2000\n") + fault.settings);
    const std::string ysdPath = ctx.tree.data() + "Sommer04-GER12.ysd", yrdPath = ctx.tree.data() + "Sommer04-GER12.yrd";
    writeFile(ysdPath, kYachtFile);
    writeFile(yrdPath, kEarlierReadout);
    Program program(ctx.tree);
    HWND main = startWithRegatta(ctx, program, "0");
    REQUIRE(main != nullptr);
    for (std::size_t i = 0; i < std::size(kExchanges); ++i) {
        const Exchange& x = kExchanges[i];
        const std::string where = std::string(x.name) + " / " + fault.name;
        std::string ysd, yrd, ysdBefore, yrdBefore;
        readFile(ysdPath, ysdBefore);
        readFile(yrdPath, yrdBefore);
        const std::size_t sent = ctx.loggerReceived().size();
        HWND first = openDialog(program, main, x.command, x.caption);
        if (x.via && first) clickItem(first, x.via);
        HWND dialog = x.via ? waitTopLevel(program.processId(), "#32770", "ERLG Löschen") : first;
        REQUIRE(dialog != nullptr);
        typeAll(dialog, x.typed);
        if (x.choose) clickItem(dialog, x.choose);
        Outcome outcome = clickThrough(program, dialog, x.button, x.boundMs);
        if (outcome.seen.empty() && x.shownField && IsWindow(dialog)) outcome.seen = itemText(dialog, x.shownField);
        if (IsWindowVisible(dialog)) clickItem(dialog, IDCANCEL);
        waitGone(dialog);

        std::string line = outcome.ended ? outcome.seen : "HAENGT";
        for (char& c : line) c = c == '\n' || c == '\r' ? ' ' : c;
        char report[512];
        std::snprintf(report, sizeof report, "%-34s %-20s %6.1f s  %.60s", x.name, fault.name, outcome.seconds,
                      line.c_str());
        ctx.note(report);
        ctx.check(outcome.ended && outcome.seconds * 1000 <= x.boundMs + 5000, where + ": ended within its bound",
                  __FILE__, __LINE__);
        ctx.check(asExpected(fault.expected[i], outcome.seen, x), where + ": shows what happened", __FILE__, __LINE__);
        if (!*fault.settings)
            ctx.checkEqual(ctx.loggerReceived().substr(sent), x.wire, where + ": wire bytes", __FILE__, __LINE__);
        readFile(ysdPath, ysd);
        readFile(yrdPath, yrd);
        ctx.check(intactOrComplete(ysd, ysdBefore, "$Siegel-Anzahl"), where + ": .ysd as it was or complete",
                  __FILE__, __LINE__);
        ctx.check(intactOrComplete(yrd, yrdBefore, "\r\n$Ereigniss"), where + ": .yrd as it was or complete",
                  __FILE__, __LINE__);
        if (!outcome.ended) return;
    }
    HWND display = openDialog(program, main, 1007, "Regatta-Stammdaten");  // still usable
    REQUIRE(display != nullptr);
    clickItem(display, IDOK);
    CHECK(waitGone(display));
    endProgram(ctx, program, main);
}

const bool kExchangesRegistered = [] {
    for (const Fault& fault : kFaults)
        Register(std::string("logger exchanges: ") + fault.name, [&fault](Context& ctx) { runExchanges(ctx, fault); });
    return true;
}();

} // namespace

SCENARIO("preparation: logger clock from the PC clock in UTC, then in local time once the zone is chosen") {
    ctx.setLogger("logged-in = 1\n");
    Program program(ctx.tree);
    HWND main = startLoggedIn(ctx, program, settingsFile("800", "600", "geheim", "0"), "geheim");
    REQUIRE(main != nullptr);
    for (bool local : {false, true}) {
        if (local) {
            HWND zone = openDialog(program, main, 1008, "Zeitzone wählen");
            REQUIRE(zone != nullptr);
            CHECK(isChecked(zone, 1308) && !isChecked(zone, 1309));
            clickItem(zone, 1309);
            CHECK(waitFor([&] { return isChecked(zone, 1309) && !isChecked(zone, 1308); }));
            ctx.shot("time-zone-dialog");
            closeBox(zone);  // no cancel: the close box does nothing
            CHECK(!waitGone(zone, 500));
            clickItem(zone, IDOK);
            CHECK(waitGone(zone));
        }
        HWND clock = openDialog(program, main, 1021, "ERLG Uhr stellen");
        REQUIRE(clock != nullptr);
        if (!local) ctx.shot("logger-clock");
        SYSTEMTIME t;
        local ? GetLocalTime(&t) : GetSystemTime(&t);
        const std::size_t sent = ctx.loggerReceived().size();
        clickItem(clock, IDC_CLOCK_SEND_PC);
        CHECK_TEXT(nextMessage(ctx, program), "ERLG Uhr gestellt");
        char prefix[16];
        std::snprintf(prefix, sizeof prefix, "E%02d%02d%02d%02d", t.wDay, t.wMonth, t.wYear % 100, t.wHour);
        CHECK_TEXT(ctx.loggerReceived().substr(sent, 9), prefix);
    }
    endProgram(ctx, program, main);
    std::string written;
    readFile(ctx.tree.settingsFile(), written);
    CHECK_TEXT(written, settingsFile("800", "600", "geheim", "1"));
}

SCENARIO("preparation: yacht configured with the master password, read back, file written") {
    Program program(ctx.tree);
    HWND main = startWithRegatta(ctx, program, "0");
    REQUIRE(main != nullptr);
    HWND yacht = openDialog(program, main, 1012, "Yacht Konfiguration");
    REQUIRE(yacht != nullptr);
    typeInto(yacht, IDC_YACHT_PASSWORD, "MASTER");
    clickItem(yacht, IDC_YACHT_LOGIN);
    CHECK(waitFor([&] { return itemText(yacht, IDC_YACHT_PASSWORD_OUT) == "Passwort OK!"; }, 20000));
    clickItem(yacht, IDC_YACHT_READ);
    CHECK(waitFor([&] { return itemText(yacht, IDC_YACHT_SERIAL) == "100234" && isChecked(yacht, IDC_YACHT_MODE3); },
                  20000));
    CHECK_TEXT(itemText(yacht, IDC_YACHT_ID), "GER12");
    CHECK_TEXT(itemText(yacht, IDC_YACHT_FILE), "Sommer04-GER12");
    typeAll(yacht, {{IDC_YACHT_NAME, "Blue Star"}, {IDC_YACHT_ID, "GER7"}, {IDC_YACHT_SEALS, "2"}});
    // Clicked after the typing: a posted click must not take the focus mid-entry.
    clickItem(yacht, IDC_YACHT_MODE1);
    clickItem(yacht, IDC_YACHT_TRANSFER);
    CHECK(waitFor([&] {
        return itemText(yacht, IDC_YACHT_INFO) == "Betriebsart geändert. Yacht-ID geaendert  Daten in Datei gespeichert";
    }, 30000));
    CHECK_TEXT(itemText(yacht, IDC_YACHT_FILE), "Sommer04-GER7");
    ctx.shot("yacht-configuration");
    std::string bytes;
    CHECK(readFile(ctx.tree.data() + "Sommer04-GER7.ysd", bytes));
    CHECK_TEXT(bytes, yachtFile("Blue Star", "GER7", 1, 2));
    clickItem(yacht, IDC_YACHT_READ);  // the logger now holds mode 1 and GER7
    CHECK(waitFor([&] { return itemText(yacht, IDC_YACHT_ID) == "GER7" && isChecked(yacht, IDC_YACHT_MODE1); }, 20000));
    CHECK_TEXT(ctx.loggerReceived(), "X\rMASTER\rD\rF\rF1\rD0\rGER7\rD\rF\r");
    clickItem(yacht, IDCANCEL);
    CHECK(waitGone(yacht));
    endProgram(ctx, program, main);
}

SCENARIO("preparation: erase with progress; a click meanwhile is dropped") {
    ctx.setLogger("erase-ms = 4000\n");
    Program program(ctx.tree);
    HWND main = startLoggedIn(ctx, program, settingsFile("800", "600", "geheim", "0"), "geheim");
    REQUIRE(main != nullptr);
    HWND question = openDialog(program, main, 1018, "Warnung");
    REQUIRE(question != nullptr);
    clickItem(question, IDYES);
    HWND erase = waitTopLevel(program.processId(), "#32770", "ERLG Löschen");
    REQUIRE(erase != nullptr);
    CHECK_TEXT(itemText(erase, IDC_ERASE_TEXT), "ERLG wirklich alle Daten löschen? Daten gehen endgültig verloren! "
                                                "Kein Löschen = Taste <Dialog verlassen> betätigen");
    clickItem(erase, IDC_ERASE_RUN);
    CHECK(waitFor([&] {
        return itemText(erase, IDC_ERASE_TEXT, 2000) ==
               " ERLG - EEProm wird geloescht, bitte 2 Minuten Geduld  EEProm Size = 8192";
    }, 20000));
    ctx.shot("erase-running");
    mouseClick(erase, IDCANCEL);  // "Dialog verlassen" while the logger works
    CHECK(waitFor([&] { return itemText(erase, IDC_ERASE_TEXT, 2000) == "ERLG - EEProm geloescht"; }, 20000));
    CHECK(!waitGone(erase, 1000));
    CHECK_TEXT(ctx.loggerReceived(), "C\r");
    clickItem(erase, IDCANCEL);
    CHECK(waitGone(erase));
    endProgram(ctx, program, main);
}
