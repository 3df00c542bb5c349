// The shell: start-up and the settings file, the program login and the end of a run.
#include <algorithm>

#include "app/password_prompt.h"
#include "app/shell_dialogs.h"
#include "platform/command_ids.h"
#include "steps.h"
#include "platform/wide_text.h"

using namespace e2e;
namespace cmd = wg::cmd;

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
    REQUIRE(dismissLogin(ctx, program));  // the login follows even in the smallest window
    CHECK_TEXT(windowText(main), kTitle);
    endProgram(ctx, program, main);
    CHECK_TEXT(fileText(ctx.tree.settingsFile()), settingsFile("0", "0", "", "0"));
}

SCENARIO("shell: login cancelled, asked again by a gated command; the exit question; settings written") {
    writeFile(ctx.tree.settingsFile(), settingsFile("800", "600", "geheim", "0"));
    Program program(ctx.tree);
    REQUIRE(program.start());
    REQUIRE_WINDOW(main, program.waitMainWindow());
    REQUIRE_WINDOW(prompt, waitDialog(program, "Passwortabfrage"));
    ctx.shot("login-prompt");
    closeBox(prompt);  // acts as "Abbrechen"
    REQUIRE_WINDOW(message, waitDialog(program, "Information"));
    CHECK_TEXT(itemText(message, wg::MessageDialog::kText),
               "Kein Paßwort eingeben. Sie haben keine Berechtigung Werte im Programm zu ändern!");
    closeBox(message);  // only OK closes the message dialog
    CHECK(!waitGone(message, 500));
    CHECK(closeWith(message, IDOK));

    REQUIRE((prompt = openDialog(program, main, cmd::kEnterRegattaData, "Passwortabfrage")) != nullptr);  // gated
    typeInto(prompt, wg::PasswordPrompt::kPassword, "falsch");
    clickItem(prompt, IDOK);
    CHECK_TEXT(nextMessage(ctx, program), "Falsches Paßwort eingeben. Eingabe bitte wiederholen.");
    REQUIRE(dismissLogin(ctx, program, "geheim"));  // asked again: the right entry
    REQUIRE_WINDOW(entry, waitDialog(program, "Regatta Stammdaten"));
    CHECK(closeWith(entry, IDCANCEL));

    closeBox(main);
    REQUIRE_WINDOW(question, waitDialog(program, "Warnung"));
    CHECK_TEXT(boxText(question), "Programm wirklich beenden?\nAlle nicht gespeicherte Daten gehen verloren!");
    CHECK(closeWith(question, IDNO));
    endProgram(ctx, program, main);  // "Programm Beenden" asks the same
    CHECK_TEXT(fileText(ctx.tree.settingsFile()), settingsFile("800", "600", "geheim", "0"));
}

// The menu as the resource compiler cannot check it: every item one of the program's commands, every command an item,
// umlauts in the program's code page; read from the exe under test, as menus cannot be read across processes here.
static void menuItems(HMENU menu, std::vector<std::pair<int, std::string>>& items) {
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        wchar_t wideText[128] = {};
        GetMenuStringW(menu, i, wideText, 128, MF_BYPOSITION);
        std::string text;
        wg::narrow(wideText, text);
        if (HMENU popup = GetSubMenu(menu, i)) menuItems(popup, items);
        else if (!(GetMenuState(menu, i, MF_BYPOSITION) & MF_SEPARATOR)) items.push_back({GetMenuItemID(menu, i), text});
    }
}

SCENARIO("shell: the menu's commands and texts") {
    Program program(ctx.tree);
    REQUIRE_WINDOW(main, startLoggedIn(ctx, program, settingsFile("800", "600", "geheim", "0"), "geheim"));
    REQUIRE(GetMenu(main) != nullptr);
    const std::wstring path = wg::wide(ctx.tree.bin() + "Wakeguard.exe");
    HMODULE exe = LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    HMENU menu = exe ? LoadMenuW(exe, L"HAUPTMENU_D") : nullptr;
    REQUIRE(menu != nullptr);
    std::vector<std::pair<int, std::string>> items;
    menuItems(menu, items);
    DestroyMenu(menu);
    FreeLibrary(exe);
    std::vector<int> commands;
    for (const auto& item : items) commands.push_back(item.first);
    std::sort(commands.begin(), commands.end());
    CHECK(commands == std::vector<int>({cmd::kExit, cmd::kChangeProgramPassword, cmd::kScreenConfiguration, cmd::kAbout,
                                        cmd::kHelp, cmd::kStartTime, cmd::kEndTime, cmd::kShowRegattaData,
                                        cmd::kTimeZone, cmd::kLoadYacht, cmd::kSaveYacht, cmd::kConfigureYacht,
                                        cmd::kChangeLoggerPassword, cmd::kMasterPassword, cmd::kLoadRegattaData,
                                        cmd::kSaveRegattaData, cmd::kEnterRegattaData, cmd::kEraseLogger,
                                        cmd::kReadOutAndEvaluate, cmd::kUserPassword, cmd::kLoggerClock,
                                        cmd::kPortSelection, cmd::kShowEvaluation, cmd::kFleetPreparation}));
    // The program's own item comes after the specified ones of "Konfiguration".
    const auto fleet = std::find(items.begin(), items.end(), std::pair<int, std::string>(cmd::kFleetPreparation,
                                                                                         "Serienvorbereitung"));
    CHECK(fleet != items.begin() && fleet != items.end() && (fleet - 1)->first == cmd::kUserPassword);
    const std::pair<int, const char*> withUmlauts[] = {
        {cmd::kEraseLogger, "ERLG-Daten löschen"}, {cmd::kChangeProgramPassword, "Programm-Passwort ändern"},
        {cmd::kUserPassword, "ERLG-User-Paßwort eingeben"}, {cmd::kAbout, "Info &über..."}};
    for (const auto& [command, text] : withUmlauts)
        CHECK(std::find(items.begin(), items.end(), std::pair<int, std::string>(command, text)) != items.end());
    ctx.shot("main-window-logged-in");
    endProgram(ctx, program, main);
}
