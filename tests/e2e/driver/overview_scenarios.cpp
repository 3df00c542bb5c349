// The regatta overview against the evaluation dialog on the same files.
#include <vector>

#include "overview/output_text.h"
#include "platform/wide_text.h"
#include "platform/command_ids.h"
#include "regatta_generator.h"
#include "resources/resource_ids.h"
#include "steps.h"
#include "support/csv_rows.h"

using namespace e2e;

SCENARIO("overview: 40 yachts, three of them as \"Auswertung anzeigen\" shows them") {
    std::vector<wg::gen::GeneratedYacht> yachts;
    REQUIRE(wg::gen::generateRegatta(ctx.tree.data(), {}, &yachts).empty());
    Program program(ctx.tree);
    REQUIRE_WINDOW(main, startLoggedIn(ctx, program, settingsFile("800", "600", "geheim", "0"), "geheim"));
    Program overview(ctx.tree, "Uebersicht.exe");
    DWORD exitCode = 99;
    REQUIRE(overview.start() && overview.waitExit(exitCode, 60000));
    CHECK(exitCode == 0);
    const std::string table = fileText(ctx.tree.data() + "Test-Uebersicht.csv");
    auto rows = wg::test::csvRows(table);
    CHECK(rows.size() == 40 + 8);  // with the head's lines and the column titles

    // Again with the table open in a spreadsheet (shared for reading and writing, not deleting) and a yacht file named
    // beyond code page 1252: the page new, the table kept beside the open one, the file that cannot be opened named.
    const std::wstring foreign = wg::wide(ctx.tree.data() + "Test-GER") + L"\u0141.yrd";
    CloseHandle(CreateFileW(foreign.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
    const std::string tablePath = ctx.tree.data() + "Test-Uebersicht.csv";
    const HANDLE sheet = CreateFileA(tablePath.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                     OPEN_EXISTING, 0, nullptr);
    DeleteFileA((ctx.tree.data() + "Test-Uebersicht.html").c_str());
    Program again(ctx.tree, "Uebersicht.exe");
    REQUIRE(again.start() && again.waitExit(exitCode, 60000));
    CloseHandle(sheet);
    DeleteFileW(foreign.c_str());
    CHECK(exitCode == 1 && fileText(tablePath) == table);
    CHECK(wg::test::csvRows(fileText(ctx.tree.data() + "Test-Uebersicht.neu.csv")).size() == 40 + 9);  // and a warning
    CHECK(fileText(ctx.tree.data() + "Test-Uebersicht.html").find("Nicht gelesen: Test-GER?.yrd.") != std::string::npos);

    postCommand(main, wg::cmd::kLoadRegattaData);
    REQUIRE(chooseInOpenDialog(ctx, program, "Regatta-Stammdaten, Datei öffnen", "Test.rsd"));
    REQUIRE_WINDOW(shown, openDialog(program, main, wg::cmd::kShowEvaluation, "Yachtdaten berechnen und auswerten"));
    using wg::gen::YachtKind;
    const struct { YachtKind kind; bool reset; const char* status; } picks[] = {
        {YachtKind::Evaluated, true, "ausgewertet"},
        {YachtKind::Changed, false, "nach dem Auslesen verändert"},
        {YachtKind::NoFingerprint, false, "ohne Prüfsumme"}};
    for (const auto& pick : picks) {
        std::string id;
        for (const auto& y : yachts)
            if (id.empty() && y.kind == pick.kind && (y.reset || !pick.reset)) id = y.id;
        REQUIRE(!id.empty());
        clickItem(shown, IDC_EV_LOAD);
        REQUIRE(chooseInOpenDialog(ctx, program, "Yacht-Regattadaten, Datei öffnen", "Test-" + id + ".yrd"));
        REQUIRE(waitFor([&] { return itemText(shown, IDC_EV_YACHT_ID) == id; }));
        clickItem(shown, IDC_EV_COMPUTE);
        int resetBoxes = 0;
        for (HWND box; waitFor([&] {
                 box = findTopLevel(program.processId(), "#32770", "Schwerer Benutzerfehler");
                 return box || !itemText(shown, IDC_EV_FINISH_TIME).empty();
             }) && box;
             ++resetBoxes) {
            closeBox(box);
            waitGone(box);
        }
        const std::vector<std::string>& row = rows[id];
        REQUIRE(row.size() == 15);
        CHECK_TEXT(row[6] + " " + row[9] + " " + row[10] + " " + row[11] + " " + row[13],
                   itemText(shown, IDC_EV_DURATION) + " " + itemText(shown, IDC_EV_EVENTS) + " " +
                       itemText(shown, IDC_EV_POWER_ON) + " " + std::to_string(resetBoxes) + " " +
                       wg::utf8FromCp1252(pick.status));
    }
    CHECK(closeWith(shown, IDCANCEL));
    endProgram(ctx, program, main);
}
