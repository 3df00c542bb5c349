// The fault run: every fault the simulated logger can show, on every logger
// exchange of the program. Each exchange must end within its bound, tell the
// user something, leave the program usable and leave every file on disk
// either as it was or complete.
#include <cstdio>
#include <functional>
#include <thread>

#include "resources/resource_ids.h"
#include "scenario.h"
#include "steps.h"
#include "ui.h"

namespace {

using namespace e2e;

struct FaultMode {
    const char* name;
    const char* settings;
};

const FaultMode kFaults[] = {
    {"stumm", "fault = silent\n"},
    {"ohne Echo", "fault = drop-echo\n"},
    {"Echo mit Zusatzbyte", "fault = extra-byte\n"},
    {"Echo verfaelscht", "fault = garble\n"},
    {"Falsches Kommando", "fault = wrong-command\n"},
    {"Antwort am Echo", "fault = glued\n"},
    {"Auslesen bricht ab", "dump-limit = 150\n"},
};

const std::string kYachtFile =
    "$Dateikennung                           Yachtdaten\r\n"
    "$Yachtname                              Blue Star\r\n"
    "$Yacht-ID                               GER12\r\n"
    "$ERLG-Seriennummer                      100234\r\n"
    "$Betriebsart                            3\r\n"
    "$Siegel-Anzahl                          4\r\n";

const std::string kEarlierReadout = kYachtFile +
    "$Start : 14.06.08 Sa 09:00:00\r\n$Generator Ein : 14.06.08 Sa 10:20:00\r\n"
    "$Generator Aus : 14.06.08 Sa 10:40:00\r\n$Ereigniss Ende\r\n"
    "$Zielzeit_Stunde                        14\r\n";

// Caption of every window through which the program tells the user something.
const char* const kMessageCaptions[] = {"Information", "Passwortfehler", "Fehler", "Warnung",
                                        "Datei- und Auswerungsfehler", "Bedienungsfehler"};

HWND findMessage(DWORD pid) {
    for (const char* caption : kMessageCaptions)
        if (HWND window = findTopLevel(pid, "#32770", caption)) return window;
    return nullptr;
}

std::string messageText(HWND window) {
    std::string text = itemText(window, 1233);  // the message dialog
    return text.empty() ? boxText(window) : text;
}

std::string oneLine(std::string text) {
    for (char& c : text)
        if (c == '\n' || c == '\r') c = ' ';
    return text.size() > 60 ? text.substr(0, 57) + "..." : text;
}

struct Outcome {
    bool ended = false;
    double seconds = 0;
    std::vector<std::string> messages;
};

// Clicks a button the way a user does and answers every message the
// exchange behind it shows, until the button's handler has returned.
Outcome clickThrough(Program& program, HWND dialog, int button, DWORD boundMs) {
    Outcome outcome;
    bool done = false;
    const DWORD start = GetTickCount();
    std::thread user([&] {
        // Returns once the program has handled the click, exchange included.
        SendMessageA(GetDlgItem(dialog, button), BM_CLICK, 0, 0);
        done = true;
    });
    while (!done && GetTickCount() - start < boundMs + 10000) {
        if (HWND message = findMessage(program.processId())) {
            outcome.messages.push_back(messageText(message));
            clickItem(message, IDOK);
            waitGone(message, 5000);
        }
        waitFor([&] { return done; }, 50);
    }
    outcome.ended = done;
    outcome.seconds = (GetTickCount() - start) / 1000.0;
    if (done) {
        user.join();
    } else {
        program.kill();  // the handler hangs: end it so the thread returns
        user.join();
    }
    return outcome;
}

struct Exchange {
    const char* name;
    DWORD boundMs;
    // Runs the exchange through the program's windows; what the user saw.
    std::function<Outcome(Program&, HWND main, std::string& shown)> run;
};

Outcome inDialog(Program& program, HWND main, int command, const char* caption, int button, DWORD bound,
                 std::string& shown, int field = 0, int closeWith = 0) {
    HWND dialog = openDialog(program, main, command, caption);
    if (!dialog) return {};
    Outcome outcome = clickThrough(program, dialog, button, bound);
    if (field && IsWindow(dialog)) shown = itemText(dialog, field);
    if (closeWith && IsWindow(dialog)) {
        clickItem(dialog, closeWith);
        waitGone(dialog);
    }
    return outcome;
}

// In the order a logger meets them; the readout comes before the erase,
// which empties the event memory.
const Exchange kExchanges[] = {
    {"Anmeldung (X)", 20000,
     [](Program& program, HWND main, std::string&) {
         HWND dialog = openDialog(program, main, 1014, "ERLG Paßwort-Eingabe");
         if (!dialog) return Outcome{};
         typeInto(dialog, IDC_LOGGER_PASSWORD_FIELD, "MASTER");
         return clickThrough(program, dialog, IDOK, 20000);
     }},
    {"Uhr (E)", 20000,
     [](Program& program, HWND main, std::string& shown) {
         return inDialog(program, main, 1021, "ERLG Uhr stellen", IDC_CLOCK_SEND_PC, 20000, shown);
     }},
    {"Startzeit (G)", 20000,
     [](Program& program, HWND main, std::string& shown) {
         return inDialog(program, main, 1005, "Startzeiteingabe", IDC_RTIME_SEND, 20000, shown);
     }},
    {"Endezeit (H)", 20000,
     [](Program& program, HWND main, std::string& shown) {
         return inDialog(program, main, 1006, "Zielzeiteingabe", IDC_RTIME_SEND, 20000, shown);
     }},
    {"ERLG lesen (D, F)", 25000,
     [](Program& program, HWND main, std::string& shown) {
         Outcome outcome = inDialog(program, main, 1012, "Yacht Konfiguration", IDC_YACHT_READ, 25000, shown,
                                    IDC_YACHT_SERIAL, IDCANCEL);
         if (!shown.empty()) shown = "Seriennummer " + shown;
         return outcome;
     }},
    {"Betriebsart und Yacht-ID (F, D0)", 30000,
     [](Program& program, HWND main, std::string& shown) {
         HWND dialog = openDialog(program, main, 1012, "Yacht Konfiguration");
         if (!dialog) return Outcome{};
         typeInto(dialog, IDC_YACHT_NAME, "Blue Star");
         typeInto(dialog, IDC_YACHT_ID, "GER12");
         typeInto(dialog, IDC_YACHT_SEALS, "4");
         clickItem(dialog, IDC_YACHT_MODE3);
         Outcome outcome = clickThrough(program, dialog, IDC_YACHT_TRANSFER, 30000);
         if (IsWindow(dialog)) {
             shown = itemText(dialog, IDC_YACHT_INFO);
             if (shown.empty()) shown = itemText(dialog, IDC_YACHT_PASSWORD_OUT);
             clickItem(dialog, IDCANCEL);
             waitGone(dialog);
         }
         return outcome;
     }},
    {"Auslesen (D, T, I)", 60000,
     [](Program& program, HWND main, std::string& shown) {
         return inDialog(program, main, 1019, "ERLG Daten Auslesen und Auswerten", IDC_EV_READ, 60000, shown,
                         IDC_EV_STATUS, IDCANCEL);
     }},
    {"Loeschen (C)", 135000,
     [](Program& program, HWND main, std::string& shown) {
         HWND question = openDialog(program, main, 1018, "Warnung");
         if (!question) return Outcome{};
         clickItem(question, IDYES);
         HWND dialog = waitTopLevel(program.processId(), "#32770", "ERLG Löschen");
         if (!dialog) return Outcome{};
         Outcome outcome = clickThrough(program, dialog, IDC_ERASE_RUN, 135000);
         if (IsWindow(dialog)) {
             shown = itemText(dialog, IDC_ERASE_TEXT);
             clickItem(dialog, IDCANCEL);
             waitGone(dialog);
         }
         return outcome;
     }},
};

// A file is as it was, or complete.
bool intactOrComplete(const std::string& now, const std::string& before, const char* completeEnd) {
    if (now == before) return true;
    return now.rfind("$Dateikennung", 0) == 0 && now.find(completeEnd) != std::string::npos;
}

} // namespace

SCENARIO("fault run: every logger fault on every exchange ends in time with a message, files intact") {
    ctx.note("Ausgang je Austausch und Störung (Meldung oder Anzeige, Dauer):");
    for (const FaultMode& fault : kFaults) {
        ctx.setLogger(std::string("logged-in = 1\nerase-ms = 2000\n") + fault.settings);
        writeFile(ctx.tree.data() + "Sommer04-GER12.ysd", kYachtFile);
        writeFile(ctx.tree.data() + "Sommer04-GER12.yrd", kEarlierReadout);
        Program program(ctx.tree);
        HWND main = startWithRegatta(ctx, program, "0");
        REQUIRE(main != nullptr);
        for (const Exchange& exchange : kExchanges) {
            std::string ysdBefore, yrdBefore;
            readFile(ctx.tree.data() + "Sommer04-GER12.ysd", ysdBefore);
            readFile(ctx.tree.data() + "Sommer04-GER12.yrd", yrdBefore);
            std::string shown;
            const Outcome outcome = exchange.run(program, main, shown);
            std::string seen;
            for (const std::string& message : outcome.messages) seen += (seen.empty() ? "" : " / ") + oneLine(message);
            if (seen.empty()) seen = oneLine(shown);
            char line[512];
            std::snprintf(line, sizeof line, "%-34s %-20s %6.1f s  %s", exchange.name, fault.name,
                          outcome.seconds, outcome.ended ? seen.c_str() : "HAENGT");
            ctx.note(line);
            const std::string where = std::string(exchange.name) + " / " + fault.name;
            ctx.check(outcome.ended && outcome.seconds * 1000 <= exchange.boundMs + 5000,
                      where + ": ended within its bound", __FILE__, __LINE__);
            ctx.check(!seen.empty(), where + ": the user is told something", __FILE__, __LINE__);
            std::string ysd, yrd;
            readFile(ctx.tree.data() + "Sommer04-GER12.ysd", ysd);
            readFile(ctx.tree.data() + "Sommer04-GER12.yrd", yrd);
            ctx.check(intactOrComplete(ysd, ysdBefore, "$Siegel-Anzahl"), where + ": .ysd as it was or complete",
                      __FILE__, __LINE__);
            ctx.check(intactOrComplete(yrd, yrdBefore, "\r\n$Ereigniss"), where + ": .yrd as it was or complete",
                      __FILE__, __LINE__);
            if (!outcome.ended) return;
        }
        // Still usable: the menu answers and the run ends normally.
        HWND display = openDialog(program, main, 1007, "Regatta-Stammdaten");
        ctx.check(display != nullptr, std::string(fault.name) + ": menu still answers", __FILE__, __LINE__);
        if (display) {
            clickItem(display, IDOK);
            waitGone(display);
        }
        endProgram(ctx, program, main);
    }
}
