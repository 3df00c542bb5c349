// Every logger exchange without a fault (its wire bytes) and under every fault of the simulated logger: each ends in
// its bound, says what happened, never claims what the logger did not do, leaves the program usable and files whole.
#include <atomic>
#include <cstdio>
#include <iterator>
#include <thread>

#include "app/shell_dialogs.h"
#include "platform/command_ids.h"
#include "resources/resource_ids.h"
#include "steps.h"

namespace {

using namespace e2e;
namespace cmd = wg::cmd;

// via: the erase's "Ja" before its dialog; choose: a radio button clicked after typing; shown: where the dialog tells
// the outcome without a message; wire: what a logger without fault receives; shot: taken before the click, no fault.
struct Exchange { const char* name; int command; const char* caption; int via; Typed typed; int choose, button;
                  std::vector<int> shown; const char *success, *wire; DWORD boundMs; const char* shot = ""; };

// In the order a logger meets them; the readout comes before the erase, which empties the event memory.
const Exchange kExchanges[] = {
    {"Anmeldung (X)", cmd::kMasterPassword, "ERLG Paßwort-Eingabe", 0, {{IDC_LOGGER_PASSWORD_FIELD, "MASTER"}}, 0,
     IDOK, {}, "Passwort OK!", "X\nMASTER\r", 20000},
    {"Uhr (E)", cmd::kLoggerClock, "ERLG Uhr stellen", 0,
     {{IDC_CLOCK_HOUR, "7"}, {IDC_CLOCK_MINUTE, "5"}, {IDC_CLOCK_SECOND, "9"}, {IDC_CLOCK_DAY, "1"},
      {IDC_CLOCK_MONTH, "3"}, {IDC_CLOCK_YEAR, "7"}},
     0, IDC_CLOCK_SEND_TYPED, {}, "ERLG Uhr gestellt", "E010307070509", 20000},
    {"Startzeit (G)", cmd::kStartTime, "Startzeiteingabe", 0, {{IDC_RTIME_MINUTE, "30"}, {IDC_RTIME_DAY, "14"}}, 0,
     IDC_RTIME_SEND, {}, "Regatta-Startzeit geaendert", "G140604093000", 20000, "start-time"},
    {"Endezeit (H)", cmd::kEndTime, "Zielzeiteingabe", 0, {{IDC_RTIME_HOUR, "8"}}, 0, IDC_RTIME_SEND, {},
     "Regatta-Endezeit geaendert", "H040604083000", 20000},
    {"Anmeldung im Yachtdialog (X)", cmd::kConfigureYacht, "Yacht Konfiguration", 0, {{IDC_YACHT_PASSWORD, "MASTER"}},
     0, IDC_YACHT_LOGIN, {IDC_YACHT_PASSWORD_OUT}, "Passwort OK!", "X\rMASTER\r", 20000},
    {"ERLG lesen (D, F)", cmd::kConfigureYacht, "Yacht Konfiguration", 0, {}, 0, IDC_YACHT_READ, {IDC_YACHT_SERIAL},
     "100234", "D\rF\r", 25000},
    {"Betriebsart und Yacht-ID (F, D0)", cmd::kConfigureYacht, "Yacht Konfiguration", 0,
     {{IDC_YACHT_NAME, "Blue Star"}, {IDC_YACHT_ID, "GER12"}, {IDC_YACHT_SEALS, "5"}}, IDC_YACHT_MODE3,
     IDC_YACHT_TRANSFER, {IDC_YACHT_INFO, IDC_YACHT_PASSWORD_OUT},
     "Betriebsart geändert. Yacht-ID geaendert  Daten in Datei gespeichert", "F3\rD0\rGER12\r", 30000,
     "yacht-configuration"},
    {"Auslesen (D, T, I)", cmd::kReadOutAndEvaluate, kReadoutCaption, 0, {}, 0, IDC_EV_READ, {IDC_EV_STATUS},
     kReadoutDone, "D\rT\rI\r", 60000},
    {"Loeschen (C)", cmd::kEraseLogger, "Warnung", IDYES, {}, 0, IDC_ERASE_RUN, {IDC_ERASE_TEXT},
     "ERLG - EEProm geloescht", "C\r", 135000},
};

struct Fault { const char* name; const char* settings; const char* expected; };  // expected: outcome letters, below

// Outcome letters, one per exchange in the order of kExchanges, each under the letter of its command (X login, E clock,
// G start, H end, D identification, F mode and yacht ID, I readout, C erase): S success, F "Fehlerhafte
// Befehlsverarbeitung, Eingabe wiederholen!", N erase not confirmed, A readout broken off.
constexpr Fault kFaults[] = {
    //                                                  XEGHXDFIC
    {"ohne Stoerung",       "",                        "SSSSSSSSS"},
    {"stumm",               "fault = silent\n",        "FFFFFFFFF"},
    {"ohne Echo",           "fault = drop-echo\n",     "FFFFFFFFF"},
    {"Echo mit Zusatzbyte", "fault = extra-byte\n",    "FFFFFSFSS"},
    {"Echo verfaelscht",    "fault = garble\n",        "FFFFFFFFF"},
    {"Falsches Kommando",   "fault = wrong-command\n", "FFFFFFFFN"},
    {"Antwort am Echo",     "fault = glued\n",         "SFFFSSSSS"},
    {"Auslesen bricht ab",  "dump-limit = 150\n",      "SSSSSSSAS"},
};

constexpr bool everyFaultHasAnOutcomePerExchange() {
    for (const Fault& fault : kFaults)
        if (std::char_traits<char>::length(fault.expected) != std::size(kExchanges)) return false;
    return true;
}
static_assert(everyFaultHasAnOutcomePerExchange(), "one outcome letter per exchange");

// Windows calls a program hung after 5 s without an answer; this one answers within a blink.
constexpr DWORD kLongestUnansweredMs = 250;

// Clicks a button as a user does and answers every message until its handler returned: the seconds, or -1 if it hung;
// `seen`: the messages; `hidesDialog`: a message lay exactly over the dialog, so that it seemed gone.
double clickThrough(Program& program, HWND dialog, int button, DWORD boundMs, std::string& seen, bool& hidesDialog) {
    std::atomic<bool> done{false};
    const DWORD start = GetTickCount();
    std::thread user([&] {
        SendMessageA(GetDlgItem(dialog, button), BM_CLICK, 0, 0);  // returns with the handler
        done = true;
    });
    // Every window through which the program tells the user something.
    const char* const captions[] = {"Information", "Passwortfehler", "Fehler", "Datei- und Auswerungsfehler"};
    while (!done && GetTickCount() - start < boundMs + 10000) {
        for (const char* caption : captions) {
            HWND message = findTopLevel(program.processId(), "#32770", caption);
            if (!message) continue;
            RECT messageRect, dialogRect;
            if (IsWindowVisible(dialog) && GetWindowRect(message, &messageRect) && GetWindowRect(dialog, &dialogRect))
                hidesDialog = hidesDialog || EqualRect(&messageRect, &dialogRect);
            std::string text = itemText(message, wg::MessageDialog::kText);  // the message dialog, or a box
            seen += (seen.empty() ? "" : " / ") + (text.empty() ? boxText(message) : text);
            clickItem(message, IDOK);
            waitGone(message, 5000);
        }
        waitFor([&] { return done.load(); }, 50);
    }
    const double seconds = done ? (GetTickCount() - start) / 1000.0 : -1;
    if (!done) program.kill();  // the handler hangs: end it so the thread returns
    user.join();
    return seconds;
}

bool asExpected(char kind, const std::string& seen, const Exchange& exchange) {
    switch (kind) {
    case 'S': return seen.find(exchange.success) != std::string::npos;
    case 'F': return seen == "Fehlerhafte Befehlsverarbeitung, Eingabe wiederholen!";
    case 'N': return seen == "ERLG hat das Löschen nicht bestätigt. Bitte Löschen wiederholen!";
    case 'A': return seen.rfind("Der ERLG sendet keine Daten mehr", 0) == 0;
    default: return false;
    }
}

// What the user met in one exchange: its seconds (-1: it hung), the messages, the main window's longest wait for an
// answer meanwhile, whether its clock line changed on the screen or lay covered, a message exactly over the dialog.
struct Walked { double seconds; std::string seen; DWORD longestUnansweredMs; bool clockTicked, clockCovered,
                messageHidesDialog; };

// Opens the exchange's dialog, types, clicks and answers every message until its handler returned.
Walked walk(Context& ctx, Program& program, HWND main, const Exchange& x, bool shots) {
    Walked walked{-1, "", 0, false, true, false};
    HWND first = openDialog(program, main, x.command, x.caption);
    if (x.via && first) clickItem(first, x.via);
    HWND dialog = x.via ? waitDialog(program, "ERLG Löschen") : first;
    if (!ctx.check(dialog != nullptr, std::string(x.name) + ": dialog " + x.caption, __FILE__, __LINE__)) return walked;
    typeAll(dialog, x.typed);
    if (x.choose) clickItem(dialog, x.choose);
    if (shots) ctx.shot(x.shot);
    const RECT clock = visibleClockLine(main);
    const std::string clockBefore = screenPixels(clock);
    AnswerWatch watch(main);
    walked.seconds = clickThrough(program, dialog, x.button, x.boundMs, walked.seen, walked.messageHidesDialog);
    walked.longestUnansweredMs = watch.longestMs();
    walked.clockCovered = clockBefore.empty() || visibleClockLine(main).right == 0;
    walked.clockTicked = !walked.clockCovered && screenPixels(clock) != clockBefore;
    for (int id : x.shown)
        if (walked.seen.empty() && IsWindow(dialog)) walked.seen = itemText(dialog, id);
    if (IsWindowVisible(dialog)) clickItem(dialog, IDCANCEL);
    waitGone(dialog);
    return walked;
}

// One line of the run's report, and what every exchange must show: it ends in its bound, the program never hangs.
void report(Context& ctx, const Exchange& x, const char* faultName, const Walked& walked) {
    std::string line = walked.seconds >= 0 ? walked.seen : "HAENGT";
    for (char& c : line) c = c == '\n' || c == '\r' ? ' ' : c;
    char text[512];
    // Legend of the clock column: "tickt" it ticked, "verdeckt" out of sight, "steht" it stood still.
    const char* clock = walked.clockCovered ? "verdeckt" : walked.clockTicked ? "tickt" : "steht";
    std::snprintf(text, sizeof text, "%-34s %-20s %6.1f s  %4lu ms  %-8s  %.48s", x.name, faultName, walked.seconds,
                  static_cast<unsigned long>(walked.longestUnansweredMs), clock, line.c_str());
    ctx.notes.push_back(text);
    const auto expect = [&](bool ok, const char* what) {
        ctx.check(ok, std::string(x.name) + " / " + faultName + ": " + what, __FILE__, __LINE__);
    };
    expect(walked.seconds >= 0 && walked.seconds * 1000 <= x.boundMs + 5000, "ended within its bound");
    expect(walked.longestUnansweredMs <= kLongestUnansweredMs, "the main window answered within 250 ms");
    // A clock line out of sight, or an exchange too short for a tick, shows nothing either way.
    expect(walked.clockCovered || walked.seconds < 2.5 || walked.clockTicked, "the main window's clock ticked");
    expect(!walked.messageHidesDialog, "no message lay exactly over the dialog");
}

void runExchanges(Context& ctx, const Fault& fault) {
    ctx.setLogger(std::string("logged-in = 1\nerase-ms = 2000\n") + fault.settings);
    // Each file must stay as it was or be complete: its complete end.
    const std::pair<std::string, const char*> files[] = {{ctx.tree.data() + "Sommer04-GER12.ysd", "$Siegel-Anzahl"},
                                                         {ctx.tree.data() + "Sommer04-GER12.yrd", "\r\n$Ereigniss"}};
    writeFile(files[0].first, kYachtFile);
    // An earlier readout; without its header the file would stay as it was whatever went wrong.
    writeFile(files[1].first, kYachtFile + "$Start : 14.06.08 Sa 09:00:00\r\n$Generator Ein : 14.06.08 Sa 10:20:00\r\n"
                                           "$Generator Aus : 14.06.08 Sa 10:40:00\r\n$Ereigniss Ende\r\n"
                                           "$Zielzeit_Stunde                        14\r\n");
    REQUIRE(fileText(files[1].first).rfind("$Dateikennung", 0) == 0);
    Program program(ctx.tree);
    REQUIRE_WINDOW(main, startWithRegatta(ctx, program, "0"));
    for (std::size_t i = 0; i < std::size(kExchanges); ++i) {
        const Exchange& x = kExchanges[i];
        const auto expect = [&](bool ok, const char* what) {
            ctx.check(ok, std::string(x.name) + " / " + fault.name + ": " + what, __FILE__, __LINE__);
        };
        const std::string before[2] = {fileText(files[0].first), fileText(files[1].first)};
        const std::size_t sent = ctx.loggerReceived().size();
        const Walked walked = walk(ctx, program, main, x, !*fault.settings);
        report(ctx, x, fault.name, walked);
        expect(asExpected(fault.expected[i], walked.seen, x), "shows what happened");
        expect(*fault.settings || ctx.loggerReceived().substr(sent) == x.wire, "wire bytes without fault");
        for (int f = 0; f < 2; ++f) {
            const std::string now = fileText(files[f].first);
            expect(now == before[f] || (now.rfind("$Dateikennung", 0) == 0 && now.find(files[f].second) != now.npos),
                   "files as they were or complete");
        }
        if (walked.seconds < 0) return;
    }
    if (!*fault.settings) CHECK_TEXT(fileText(files[0].first), yachtFile("Blue Star", "GER12", 3, 5));
    endProgram(ctx, program, main);  // still answers its menu
}

const bool kExchangesRegistered = [] {
    for (const Fault& fault : kFaults)
        Register(std::string("logger exchanges: ") + fault.name, [&fault](Context& ctx) { runExchanges(ctx, fault); });
    return true;
}();

// A logger's road on the port the program was started with: the logger there takes every byte, COM1's none.
void walkRoadOn(Context& ctx, const char* port) {
    ctx.setLogger("", Logger::OnCom4AndCom12);
    Program program(ctx.tree, "Wakeguard.exe", port);
    REQUIRE_WINDOW(main, startWithRegatta(ctx, program, "0"));
    std::string wire;
    // The login, the clock, "ERLG lesen", the transfer and the readout.
    for (std::size_t row : {0, 1, 5, 6, 7}) {
        const Exchange& x = kExchanges[row];
        const Walked walked = walk(ctx, program, main, x, false);
        report(ctx, x, port, walked);
        CHECK(asExpected('S', walked.seen, x));
        wire += x.wire;
    }
    CHECK_TEXT(ctx.loggerReceived(Logger::OnCom4AndCom12), wire);
    CHECK_TEXT(ctx.loggerReceived(), "");
    CHECK(fileText(ctx.tree.data() + "Sommer04-GER12.yrd").find("$Ereigniss Ende") != std::string::npos);
    endProgram(ctx, program, main);
}

} // namespace

SCENARIO("port: the logger road on COM4") { walkRoadOn(ctx, "COM4"); }
SCENARIO("port: the logger road on com12, above COM9") { walkRoadOn(ctx, "com12"); }

SCENARIO("preparation: erase with progress, a click meanwhile dropped; logger clock from the PC in UTC and local time") {
    ctx.setLogger("logged-in = 1\nerase-ms = 4000\n");
    Program program(ctx.tree);
    REQUIRE_WINDOW(main, startLoggedIn(ctx, program, settingsFile("800", "600", "geheim", "0"), "geheim"));
    REQUIRE_WINDOW(question, openDialog(program, main, cmd::kEraseLogger, "Warnung"));
    clickItem(question, IDYES);
    REQUIRE_WINDOW(erase, waitDialog(program, "ERLG Löschen"));
    clickItem(erase, IDC_ERASE_RUN);
    const auto shows = [&](const char* text) { return itemText(erase, IDC_ERASE_TEXT, 2000) == text; };
    CHECK(waitFor([&] { return shows(" ERLG - EEProm wird geloescht, bitte 2 Minuten Geduld  EEProm Size = 8192"); }));
    ctx.shot("erase-running");
    mouseClick(erase, IDCANCEL);  // "Dialog verlassen" while the logger works
    CHECK(waitFor([&] { return shows("ERLG - EEProm geloescht"); }));
    CHECK(!waitGone(erase, 1000));
    CHECK_TEXT(ctx.loggerReceived(), "C\r");
    CHECK(closeWith(erase, IDCANCEL));
    for (bool local : {false, true}) {
        using Zone = wg::TimeZoneDialog;
        HWND zone = local ? openDialog(program, main, cmd::kTimeZone, "Zeitzone wählen") : nullptr;
        if (local) {
            REQUIRE(zone != nullptr && isChecked(zone, Zone::kUtc));
            clickItem(zone, Zone::kLocal);
            CHECK(waitFor([&] { return isChecked(zone, Zone::kLocal) && !isChecked(zone, Zone::kUtc); }));
            ctx.shot("time-zone-dialog");
            CHECK(closeWith(zone, IDOK));
        }
        REQUIRE_WINDOW(clock, openDialog(program, main, cmd::kLoggerClock, "ERLG Uhr stellen"));
        ctx.shot(local ? "" : "logger-clock");
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
    CHECK_TEXT(fileText(ctx.tree.settingsFile()), settingsFile("800", "600", "geheim", "1"));
}
