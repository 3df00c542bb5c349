// After the race: a readout, the finish typed, the engine time, the file evaluated again; a full memory at 4800 baud.
#include <algorithm>
#include <thread>

#include "platform/command_ids.h"
#include "resources/resource_ids.h"
#include "steps.h"

using namespace e2e;
namespace cmd = wg::cmd;

namespace {

// The engine runs 20 + 30 + 20 minutes between start (10:00) and finish (14:00).
const char* const kRaceEvents[] = {
    "Generator Ein : 14.06.08 Sa 09:50:00", "Generator Aus : 14.06.08 Sa 10:20:00",
    "Getriebe Ein : 14.06.08 Sa 11:00:00",  "Getriebe Aus : 14.06.08 Sa 11:30:00",
    "Start : 14.06.08 Sa 12:00:00",         "Stecker abgezogen : 14.06.08 Sa 13:40:00",
    "Stecker angesteckt : 14.06.08 Sa 14:10:00",
};

// The race's regatta (start 10:00, 14.06.08) and yacht loaded; the logger: `moreLines` early lines, the race.
HWND startWithRace(Context& ctx, Program& program, const std::string& logger, int moreLines = 0) {
    std::string settings = "serial = 100234\nyacht-id = GER12\ncoarse-minutes = 42\n" + logger;
    for (int i = 0; i < moreLines; ++i) settings += "event = Generator Ein : 14.06.08 Sa 09:10:00\n";
    for (const char* event : kRaceEvents) settings += std::string("event = ") + event + "\n";
    ctx.setLogger(settings);
    writeFile(ctx.tree.data() + "Sommer04-GER12.ysd", kYachtFile);
    return startWithRegatta(ctx, program, "0", regattaFile({0, 10, 14, 6, 8, 0, 17, 14, 6, 8}, "Sommer Regatta", 17));
}

} // namespace

SCENARIO("readout: logger read out, finish saved, engine time computed, shown again from the file") {
    Program program(ctx.tree);
    REQUIRE_WINDOW(main, startWithRace(ctx, program, "logged-in = 1\n"));
    REQUIRE_WINDOW(dialog, openDialog(program, main, cmd::kReadOutAndEvaluate, kReadoutCaption));
    clickItem(dialog, IDC_EV_READ);
    REQUIRE(waitFor([&] { return itemText(dialog, IDC_EV_STATUS, 2000) == kReadoutDone; }, 40000));
    CHECK_TEXT(ctx.loggerReceived(), "D\rT\rI\r");
    CHECK_TEXT(itemText(dialog, IDC_EV_COARSE) + " " + itemText(dialog, IDC_EV_FILE_NAME), "42 min Sommer04-GER12");
    CHECK_TEXT(itemText(dialog, IDC_EV_SERIAL) + " " + itemText(dialog, IDC_EV_YACHT_NAME), "100234 Blue Star");
    std::string expected = kYachtFile + "$";
    for (const char* event : kRaceEvents) expected += std::string(event) + "\r\n$";
    CHECK_TEXT(fileText(ctx.tree.data() + "Sommer04-GER12.yrd"), expected + "Ereigniss Ende\r\n");

    typeAll(dialog, {{IDC_EV_HOUR, "14"}, {IDC_EV_MINUTE, "0"}, {IDC_EV_SECOND, "0"}, {IDC_EV_DAY, "14"},
                     {IDC_EV_MONTH, "6"}, {IDC_EV_YEAR, "8"}});
    clickItem(dialog, IDC_EV_SAVE);
    clickItem(dialog, IDC_EV_COMPUTE);
    CHECK(waitFor([&] { return itemText(dialog, IDC_EV_DURATION) == "   70 min  0 sek"; }));
    CHECK_TEXT(itemText(dialog, IDC_EV_STATUS), "Zieldurchgangszeit in Datei Sommer04-GER12.yrd gespeichert.");
    CHECK_TEXT(itemText(dialog, IDC_EV_EVENTS), "3");
    ctx.shot("readout-dialog");
    CHECK(closeWith(dialog, IDCANCEL));

    REQUIRE_WINDOW(shown, openDialog(program, main, cmd::kShowEvaluation, "Yachtdaten berechnen und auswerten"));
    clickItem(shown, IDC_EV_LOAD);
    REQUIRE(chooseInOpenDialog(ctx, program, "Yacht-Regattadaten, Datei öffnen", "Sommer04-GER12.yrd"));
    clickItem(shown, IDC_EV_COMPUTE);
    CHECK(waitFor([&] { return itemText(shown, IDC_EV_DURATION) == "   70 min  0 sek"; }));
    CHECK_TEXT(itemText(shown, IDC_EV_FINISH_TIME) + " " + itemText(shown, IDC_EV_FINISH_DATE), "14:00:00 14.06.08");
    ctx.shot("evaluation-dialog");
    clickItem(shown, IDC_EV_VIEW);
    HWND editor = nullptr;
    CHECK(waitFor([&] { return (editor = FindWindowA("Notepad", nullptr)) != nullptr; }));
    CHECK(editor && windowText(editor).find("Sommer04-GER12") != std::string::npos);
    if (editor) PostMessageA(editor, WM_CLOSE, 0, 0);
    CHECK(closeWith(shown, IDCANCEL));
    endProgram(ctx, program, main);
}

// What the main window answers when Windows asks whether the session may end (1: yes, 0: wait).
DWORD_PTR sessionEndAnswer(HWND main) {
    DWORD_PTR answer = 99;
    SendMessageTimeoutA(main, WM_QUERYENDSESSION, 0, ENDSESSION_CLOSEAPP, SMTO_NORMAL, 5000, &answer);
    return answer;
}

SCENARIO("readout: password first, then a full event memory at 4800 baud with progress; impatience and the end of the session wait") {
    constexpr int kFullMemory = 1080;  // lines: 41 KB, about 85 s at 480 bytes/s
    Program program(ctx.tree);
    REQUIRE_WINDOW(main, startWithRace(ctx, program, "pace = 1\n", kFullMemory));
    REQUIRE_WINDOW(dialog, openDialog(program, main, cmd::kReadOutAndEvaluate, kReadoutCaption));
    clickItem(dialog, IDC_EV_READ);
    CHECK_TEXT(nextMessage(ctx, program, "", 20000, "Passwortfehler"),
               "Master-Passwort fehlt!\nzuerst Master - Passwort eingeben.");
    CHECK(waitGone(dialog));
    REQUIRE_WINDOW(password, waitDialog(program, "ERLG Paßwort-Eingabe"));  // in its place
    typeInto(password, IDC_LOGGER_PASSWORD_FIELD, "MASTER");
    ctx.shot("logger-password");
    clickItem(password, IDOK);
    CHECK_TEXT(nextMessage(ctx, program), "Passwort OK!");

    REQUIRE((dialog = openDialog(program, main, cmd::kReadOutAndEvaluate, kReadoutCaption)) != nullptr);
    clickItem(dialog, IDC_EV_READ);
    std::string last;
    std::vector<unsigned long> bytes;  // as each new progress text shows them, "12 400" for 12400
    DWORD_PTR sessionEndDuringReadout = 99;
    CHECK(waitFor([&] {
        std::string text = itemText(dialog, IDC_EV_STATUS, 3000);
        if (text.rfind("Auslesen läuft: ", 0) == 0 && text != last) {
            last = text;
            text.erase(std::remove(text.begin(), text.end(), ' '), text.end());
            bytes.push_back(std::stoul(text.substr(text.find(':') + 1)));
            if (bytes.size() == 100) {
                ctx.shot("readout-running");
                // Impatience while the logger sends: "Abbrechen", closing, Alt+F4, and another "ERLG
                // Daten lesen" sent from a thread as another program would, reaching the dialog amid it.
                mouseClick(dialog, IDCANCEL);
                PostMessageA(main, WM_CLOSE, 0, 0);
                PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
                PostMessageA(dialog, WM_SYSKEYDOWN, VK_F4, 1 << 29);
                std::thread([&] { SendMessageA(GetDlgItem(dialog, IDC_EV_READ), BM_CLICK, 0, 0); }).join();
                // Another program asks for the message dialog, which must not open; the session's end must wait.
                DWORD_PTR ignored = 0;
                SendMessageTimeoutA(main, WM_COMMAND, MAKEWPARAM(cmd::kShowMessage, 0), 0, SMTO_NORMAL, 5000, &ignored);
                sessionEndDuringReadout = sessionEndAnswer(main);
            }
        }
        return text == kReadoutDone;
    }, 180000));
    CHECK(bytes.size() >= 100 && std::is_sorted(bytes.begin(), bytes.end()) && bytes[0] < bytes.back());
    ctx.notes.push_back("Fortschritt zuletzt: " + last);
    CHECK(!waitGone(dialog, 1000));  // none of it closed the dialog or the program afterwards
    for (const char* caption : {"Warnung", "Information"}) CHECK(!findTopLevel(program.processId(), "#32770", caption));
    CHECK(sessionEndDuringReadout == 0);
    const std::string readOut = fileText(ctx.tree.data() + "Sommer04-GER12.yrd");
    CHECK(std::count(readOut.begin(), readOut.end(), '\n') == 6 + kFullMemory + 7 + 1);
    const std::string wire = ctx.loggerReceived();
    CHECK(wire.rfind("D\r", 0) == 0 && std::count(wire.begin(), wire.end(), 'I') == 1);  // one readout

    // Once it is over the session may end, but not over a finish time typed and not yet saved.
    CHECK(sessionEndAnswer(main) == 1);
    typeAll(dialog, {{IDC_EV_HOUR, "14"}, {IDC_EV_MINUTE, "0"}});  // the hour taken as the user moves on
    CHECK(sessionEndAnswer(main) == 0);
    CHECK(closeWith(dialog, IDCANCEL));
    CHECK(sessionEndAnswer(main) == 1);
    // The session ends: the settings are kept as at a normal end.
    const std::string settings = fileText(ctx.tree.settingsFile());
    DeleteFileA(ctx.tree.settingsFile().c_str());
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(main, WM_ENDSESSION, TRUE, ENDSESSION_CLOSEAPP, SMTO_NORMAL, 5000, &ignored);
    CHECK_TEXT(fileText(ctx.tree.settingsFile()), settings);
    CHECK(!anyTemporaryFile(ctx.tree.data()) && !anyTemporaryFile(ctx.tree.init()));
    endProgram(ctx, program, main);
}
