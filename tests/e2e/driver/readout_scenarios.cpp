// After the race: a logger read out, the finish typed, the engine time
// worked out, the stored file evaluated again without the logger; a full
// event memory at 4800 baud with its progress.
#include <algorithm>

#include "resources/resource_ids.h"
#include "scenario.h"
#include "steps.h"
#include "ui.h"

namespace {

using namespace e2e;

// The engine runs 20 + 30 + 20 minutes between start (10:00) and finish (14:00).
const char* const kRaceEvents[] = {
    "Generator Ein : 14.06.08 Sa 09:50:00", "Generator Aus : 14.06.08 Sa 10:20:00",
    "Getriebe Ein : 14.06.08 Sa 11:00:00",  "Getriebe Aus : 14.06.08 Sa 11:30:00",
    "Start : 14.06.08 Sa 12:00:00",         "Stecker abgezogen : 14.06.08 Sa 13:40:00",
    "Stecker angesteckt : 14.06.08 Sa 14:10:00",
};
constexpr int kFullMemoryLines = 1080;  // 41 KB, about 85 s at 480 bytes/s
constexpr const char* kCaption = "ERLG Daten Auslesen und Auswerten";
constexpr const char* kDoneText = "Alle Daten ordnungsgemäß aus ERLG ausgelesen und gespeichert.";

// The race's regatta (start 10:00 on 14.06.08) and yacht loaded; the logger
// holds `events`, or the race when none are given.
HWND startWithRace(Context& ctx, Program& program, const std::string& logger, int fullMemoryLines = 0) {
    std::string settings = "serial = 100234\nyacht-id = GER12\ncoarse-minutes = 42\n" + logger;
    for (const char* event : kRaceEvents) settings += std::string("event = ") + event + "\n";
    for (int i = 0; i < fullMemoryLines; ++i) settings += "event = Generator Ein : 14.06.08 Sa 09:10:00\n";
    ctx.setLogger(settings);
    writeFile(ctx.tree.data() + "Sommer04-GER12.ysd", kYachtFile);
    return startWithRegatta(ctx, program, "0", regattaFile({0, 10, 14, 6, 8, 0, 17, 14, 6, 8}, "Sommer Regatta", 17));
}

} // namespace

SCENARIO("readout: logger read out, finish saved, engine time computed, shown again from the file") {
    Program program(ctx.tree);
    HWND main = startWithRace(ctx, program, "logged-in = 1\n");
    REQUIRE(main != nullptr);
    HWND dialog = openDialog(program, main, 1019, kCaption);
    REQUIRE(dialog != nullptr);
    CHECK_TEXT(itemText(dialog, IDC_EV_TIME_ZONE), " UTC");
    clickItem(dialog, IDC_EV_READ);
    REQUIRE(waitFor([&] { return itemText(dialog, IDC_EV_STATUS, 2000) == kDoneText; }, 40000));
    CHECK_TEXT(ctx.loggerReceived(), "D\rT\rI\r");
    const std::pair<int, const char*> shown[] = {{IDC_EV_COARSE, "42 min"},   {IDC_EV_FILE_NAME, "Sommer04-GER12"},
                                                 {IDC_EV_YACHT_ID, "GER12"},  {IDC_EV_SERIAL, "100234"},
                                                 {IDC_EV_YACHT_NAME, "Blue Star"}, {IDC_EV_SEALS, "4"}};
    for (const auto& [id, text] : shown) CHECK_TEXT(itemText(dialog, id), text);
    std::string expected = kYachtFile + "$", readOut;
    for (const char* event : kRaceEvents) expected += std::string(event) + "\r\n$";
    CHECK(readFile(ctx.tree.data() + "Sommer04-GER12.yrd", readOut));
    CHECK_TEXT(readOut, expected + "Ereigniss Ende\r\n");

    typeAll(dialog, {{IDC_EV_HOUR, "14"}, {IDC_EV_MINUTE, "0"}, {IDC_EV_SECOND, "0"}, {IDC_EV_DAY, "14"},
                     {IDC_EV_MONTH, "6"}, {IDC_EV_YEAR, "8"}});
    clickItem(dialog, IDC_EV_SAVE);
    CHECK(waitFor([&] {
        return itemText(dialog, IDC_EV_STATUS) == "Zieldurchgangszeit in Datei Sommer04-GER12.yrd gespeichert.";
    }));
    clickItem(dialog, IDC_EV_COMPUTE);
    CHECK(waitFor([&] { return itemText(dialog, IDC_EV_DURATION) == "   70 min  0 sek"; }));
    CHECK_TEXT(itemText(dialog, IDC_EV_EVENTS), "3");
    ctx.shot("readout-dialog");
    clickItem(dialog, IDCANCEL);
    CHECK(waitGone(dialog));

    HWND shownAgain = openDialog(program, main, 1023, "Yachtdaten berechnen und auswerten");
    REQUIRE(shownAgain != nullptr);
    clickItem(shownAgain, IDC_EV_LOAD);
    REQUIRE(chooseInOpenDialog(ctx, program, "Yacht-Regattadaten, Datei öffnen", "Sommer04-GER12.yrd"));
    CHECK(waitFor([&] { return itemText(shownAgain, IDC_EV_YACHT_NAME) == "Blue Star"; }));
    clickItem(shownAgain, IDC_EV_COMPUTE);
    CHECK(waitFor([&] { return itemText(shownAgain, IDC_EV_DURATION) == "   70 min  0 sek"; }));
    CHECK_TEXT(itemText(shownAgain, IDC_EV_POWER_ON), "1");
    CHECK_TEXT(itemText(shownAgain, IDC_EV_FINISH_TIME), "14:00:00");
    CHECK_TEXT(itemText(shownAgain, IDC_EV_FINISH_DATE), "14.06.08");
    ctx.shot("evaluation-dialog");
    clickItem(shownAgain, IDC_EV_VIEW);
    HWND editor = nullptr;
    CHECK(waitFor([&] { return (editor = FindWindowA("Notepad", nullptr)) != nullptr; }));
    if (editor) {
        CHECK(windowText(editor).find("Sommer04-GER12") != std::string::npos);
        PostMessageA(editor, WM_CLOSE, 0, 0);
        waitGone(editor);
    }
    clickItem(shownAgain, IDCANCEL);
    CHECK(waitGone(shownAgain));
    endProgram(ctx, program, main);
}

SCENARIO("readout: a logger that wants its master password closes the dialog and asks for it") {
    Program program(ctx.tree);
    HWND main = startWithRace(ctx, program, "");  // not logged in
    REQUIRE(main != nullptr);
    HWND dialog = openDialog(program, main, 1019, kCaption);
    REQUIRE(dialog != nullptr);
    clickItem(dialog, IDC_EV_READ);
    HWND box = waitTopLevel(program.processId(), "#32770", "Passwortfehler", 20000);
    REQUIRE(box != nullptr);
    CHECK_TEXT(boxText(box), "Master-Passwort fehlt!\nzuerst Master - Passwort eingeben.");
    clickItem(box, IDOK);
    CHECK(waitGone(box) && waitGone(dialog));
    HWND password = waitTopLevel(program.processId(), "#32770", "ERLG Paßwort-Eingabe");
    REQUIRE(password != nullptr);
    typeInto(password, IDC_LOGGER_PASSWORD_FIELD, "MASTER");
    ctx.shot("logger-password");
    clickItem(password, IDCANCEL);
    CHECK(waitGone(password));
    CHECK_TEXT(ctx.loggerReceived(), "D\r");
    endProgram(ctx, program, main);
}

SCENARIO("readout: a full event memory at 4800 baud shows its progress; a click meanwhile is dropped") {
    Program program(ctx.tree);
    HWND main = startWithRace(ctx, program, "logged-in = 1\npace = 1\n", kFullMemoryLines);
    REQUIRE(main != nullptr);
    HWND dialog = openDialog(program, main, 1019, kCaption);
    REQUIRE(dialog != nullptr);
    clickItem(dialog, IDC_EV_READ);
    std::vector<std::string> progress;
    bool answered = true;
    CHECK(waitFor([&] {
        const std::string text = itemText(dialog, IDC_EV_STATUS, 3000);
        if (text.rfind("Auslesen läuft: ", 0) == 0 && (progress.empty() || progress.back() != text)) {
            // Once the event memory comes, the window always answers at once.
            answered = answered && answers(dialog, 2000);
            progress.push_back(text);
            if (progress.size() == 20) {
                ctx.shot("readout-running");
                mouseClick(dialog, IDCANCEL);  // "Abbrechen" while the logger sends
            }
        }
        return text == kDoneText;
    }, 180000));
    CHECK(answered);
    CHECK(progress.size() >= 20);
    // Bytes as the text shows them, "12 400" for 12400.
    std::vector<unsigned long> bytes;
    for (std::string text : progress) {
        text.erase(std::remove(text.begin(), text.end(), ' '), text.end());
        bytes.push_back(std::stoul(text.substr(text.find(':') + 1)));
    }
    CHECK(std::is_sorted(bytes.begin(), bytes.end()) && bytes.front() < bytes.back());
    ctx.note("Fortschritt zuletzt: " + progress.back());
    CHECK(!waitGone(dialog, 1000));  // the click did not close it afterwards
    std::string readOut;
    CHECK(readFile(ctx.tree.data() + "Sommer04-GER12.yrd", readOut));
    CHECK(std::count(readOut.begin(), readOut.end(), '\n') == 6 + 7 + kFullMemoryLines + 1);
    clickItem(dialog, IDCANCEL);
    CHECK(waitGone(dialog));
    endProgram(ctx, program, main);
}
