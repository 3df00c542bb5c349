// On the Windows that offices run: any system code page, any display scaling, a data folder that takes no file.
#include "app/password_prompt.h"
#include "app/shell_dialogs.h"
#include "app/startup.h"
#include "platform/command_ids.h"
#include "platform/file_system.h"
#include "platform/foreign_text.h"
#include "resources/resource_ids.h"
#include "steps.h"
#include "platform/wide_text.h"

using namespace e2e;
namespace cmd = wg::cmd;

namespace {

constexpr const char* kEntryCaption = "Regatta Stammdaten";
constexpr const char* kOpenRegattaTitle = "Regatta-Stammdaten, Datei öffnen";

std::string designationShown(Program& program, HWND main) {
    HWND shown = openDialog(program, main, cmd::kShowRegattaData, "Regatta-Stammdaten");
    if (!shown) return "";
    const std::string text = itemText(shown, IDC_DESIGNATION);
    closeWith(shown, IDOK);
    return text;
}

// Room beside a control's text at 96 dpi (frame, check mark, inset); -1 where it may run on (scrolled edits, pictures).
int margin(const std::wstring& kind, LONG style) {
    const LONG button = style & BS_TYPEMASK;
    if (kind == L"Static") return (style & SS_TYPEMASK) <= SS_RIGHT ? 0 : -1;
    if (kind == L"Edit") return style & ES_MULTILINE ? -1 : 6;
    if (kind != L"Button") return -1;
    return button <= BS_DEFPUSHBUTTON ? 6 : button == BS_GROUPBOX ? 16 : 17;
}

// Controls whose text does not fit in the dialogs' font at `dpi`, or that reach out of the dialog, as "<id> <text>".
std::string cutOff(HWND dialog, int dpi) {
    HDC dc = GetDC(nullptr);
    HFONT font = CreateFontW(-MulDiv(8, dpi, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"MS Shell Dlg");
    HGDIOBJ old = SelectObject(dc, font);
    RECT client;
    GetClientRect(dialog, &client);
    MapWindowPoints(dialog, nullptr, reinterpret_cast<POINT*>(&client), 2);
    std::string found;
    for (HWND control = GetWindow(dialog, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT)) {
        wchar_t type[32] = {};
        GetClassNameW(control, type, 32);
        const LONG style = GetWindowLongW(control, GWL_STYLE);
        const int room = MulDiv(margin(type, style), dpi, 96);
        const bool isStatic = type == std::wstring(L"Static");
        const bool wraps = isStatic || (type == std::wstring(L"Button") && style & BS_MULTILINE);
        RECT box, need = {0, 0, 0, 0};
        GetWindowRect(control, &box);
        const std::string text = windowText(control, 2000);
        bool fits = box.left >= client.left && box.top >= client.top && box.right <= client.right &&
                    box.bottom <= client.bottom;
        if (room >= 0 && !text.empty()) {
            need.right = box.right - box.left - room;
            DrawTextW(dc, wg::wide(text).c_str(), -1, &need, DT_CALCRECT | DT_EXPANDTABS |
                      (wraps ? DT_WORDBREAK : DT_SINGLELINE) | (isStatic && style & SS_NOPREFIX ? DT_NOPREFIX : 0));
            fits = fits && need.right <= box.right - box.left - room && need.bottom <= box.bottom - box.top;
        }
        if (!fits) found += std::to_string(GetDlgCtrlID(control)) + " " + text + "\n";
    }
    SelectObject(dc, old);
    DeleteObject(font);
    ReleaseDC(nullptr, dc);
    return found;
}

} // namespace

SCENARIO("code page: what code page 1252 cannot hold refused where it was typed or chosen; a file name with an "
         "umlaut") {
    ctx.notes.push_back("system code page " + std::to_string(GetACP()));
    Program program(ctx.tree);
    REQUIRE_WINDOW(main, startWithRegatta(ctx, program, "0"));  // its title with "ö" found

    // Typed: a Russian word is refused with its warning, the field emptied, the click that left it dropped.
    REQUIRE_WINDOW(entry, openDialog(program, main, cmd::kEnterRegattaData, kEntryCaption));
    typeInto(entry, IDC_DESIGNATION, std::wstring(L"\u041a\u0438\u043b\u044c"));
    clickItem(entry, IDC_SAVE);
    CHECK_TEXT(nextMessage(ctx, program, "", kDefaultDeadlineMs, wg::kForeignEntryCaption), wg::kForeignEntryText);
    CHECK(waitDialog(program, "Daten speichern", 1000) == nullptr && itemText(entry, IDC_DESIGNATION).empty());

    // A file named with an umlaut, found by that name and read.
    const std::string designation = "Förde-Pokal für Jüngstenboote";
    writeFile(ctx.tree.data() + "Förde Pokal.rsd", regattaFile({5, 9, 3, 6, 4, 30, 17, 4, 6, 4}, designation, 17));
    CHECK(closeWith(entry, IDCANCEL));
    postCommand(main, cmd::kLoadRegattaData);
    REQUIRE(chooseInOpenDialog(ctx, program, kOpenRegattaTitle, "Förde Pokal.rsd"));
    CHECK_TEXT(designationShown(program, main), ":" + designation);

    // Chosen: a file named in Polish is refused where it was chosen; the regatta stays.
    const std::wstring polish = wg::wide(ctx.tree.data()) + L"\u0141eba.rsd";
    REQUIRE(CopyFileW((wg::wide(ctx.tree.data()) + L"F\u00f6rde Pokal.rsd").c_str(), polish.c_str(), FALSE));
    postCommand(main, cmd::kLoadRegattaData);
    CHECK(chooseInOpenDialog(ctx, program, kOpenRegattaTitle, std::wstring(L"\u0141eba.rsd")));
    CHECK_TEXT(nextMessage(ctx, program, "", kDefaultDeadlineMs, wg::kForeignFileCaption), wg::kForeignFileText);
    CHECK_TEXT(designationShown(program, main), ":" + designation);
    DeleteFileW(polish.c_str());  // a name the driver's folder listing leaves out, as the program's does
    endProgram(ctx, program, main);
}

SCENARIO("display scaling: window size and every dialog at the display's DPI, nothing cut off") {
    const int dpi = screenDpi();
    const std::string suffix = std::string("-").append(std::to_string(dpi)).append("dpi");
    ctx.notes.push_back(std::to_string(dpi) + " dpi");
    Program program(ctx.tree);
    REQUIRE_WINDOW(main, startWithRegatta(ctx, program, "0"));
    writeFile(ctx.tree.data() + "Sommer04-Meldeliste.csv", "Yacht-ID;Yachtname\r\nGER12;Blue Star\r\n");
    // At the top left, the stored size (pixels at 96 dpi) scaled.
    RECT rect;
    GetWindowRect(main, &rect);
    const wg::WindowSize size = wg::mainWindowSize(800, 600, dpi);
    CHECK(rect.left == 0 && rect.top == 0 && rect.right == size.width && rect.bottom == size.height);
    ctx.shot("main-window" + suffix);

    // Each dialog opened by its command (or a button of the first) and closed as Escape or Enter do.
    // via: the button of the first dialog that opens it; field: one that shows what it was opened with, or 0.
    struct Dialog { int command, via; const char* caption; int closeBy, field; const char* shown; };
    const Dialog dialogs[] = {
        {cmd::kReadOutAndEvaluate, 0, kReadoutCaption, IDCANCEL, IDC_EV_TIME_ZONE, " UTC"},
        {cmd::kShowEvaluation, 0, "Yachtdaten berechnen und auswerten", IDCANCEL, 0, nullptr},
        {cmd::kConfigureYacht, 0, "Yacht Konfiguration", IDCANCEL, 0, nullptr},
        {cmd::kFleetPreparation, 0, "Serienvorbereitung", IDCANCEL, IDC_FLEET_SELECTED, "GER12 Blue Star: Betriebsart 3, 0 Siegel \x96 offen"},
        {cmd::kEnterRegattaData, 0, kEntryCaption, IDCANCEL, IDC_DESIGNATION, "Sommer Regatta"},
        {cmd::kEnterRegattaData, IDC_SAVE, "Daten speichern", IDCANCEL, IDC_SAVE_NAME, "Sommer04"},
        {cmd::kShowRegattaData, 0, "Regatta-Stammdaten", IDOK, IDC_DESIGNATION, ":Sommer Regatta"},
        {cmd::kStartTime, 0, "Startzeiteingabe", IDCANCEL, 0, nullptr},
        {cmd::kEndTime, 0, "Zielzeiteingabe", IDCANCEL, 0, nullptr},
        {cmd::kLoggerClock, 0, "ERLG Uhr stellen", IDCANCEL, 0, nullptr},
        {cmd::kMasterPassword, 0, "ERLG Paßwort-Eingabe", IDCANCEL, IDC_LOGGER_PASSWORD_PROMPT,
         "ERLG Master-Paßwort eingeben"},
        {cmd::kTimeZone, 0, "Zeitzone wählen", IDOK, 0, nullptr},
        {cmd::kScreenConfiguration, 0, "Bildschirm konfigurieren", IDCANCEL, wg::ScreenDialog::kWidth, "800"},
        {cmd::kAbout, 0, "", IDCANCEL, wg::AboutDialog::kName, " Wakeguard ERLG - das Regatta-Motorueberwachungsprogramm"},
        {cmd::kChangeProgramPassword, 0, "Passwortabfrage", IDCANCEL, wg::PasswordPrompt::kPrompt,
         "Neues Paßwort eingeben"},  // asked twice
    };
    for (const Dialog& d : dialogs) {
        HWND first = openDialog(program, main, d.command, d.via ? kEntryCaption : d.caption);
        if (first && d.via) clickItem(first, d.via);
        HWND dialog = first && d.via ? waitDialog(program, d.caption) : first;
        if (!ctx.check(dialog != nullptr, std::string("dialog ") + d.caption, __FILE__, __LINE__)) continue;
        if (d.field) ctx.checkEqual(itemText(dialog, d.field), d.shown, d.caption, __FILE__, __LINE__);
        ctx.checkEqual(cutOff(dialog, dpi), "", std::string(d.caption) + ": cut off", __FILE__, __LINE__);
        if (d.command == cmd::kReadOutAndEvaluate) ctx.shot("readout-dialog" + suffix);
        postCommand(dialog, d.closeBy);
        ctx.check(waitGone(dialog) && waitGone(first), std::string(d.caption) + ": closed", __FILE__, __LINE__);
    }
    REQUIRE_WINDOW(again, waitDialog(program, "Passwortabfrage"));
    CHECK(closeWith(again, IDCANCEL));
    endProgram(ctx, program, main);
}

SCENARIO("start-up: a data folder that takes no file is named in a warning, and the program goes on") {
    const Tree readOnly{wg::fullDirectoryPath(ctx.tree.root + "..\\Schreibgeschuetzt\\")};
    // The run's script made this Daten read-only; a file must not go in.
    REQUIRE(!writeFile(readOnly.data() + "Probe.txt", "x"));
    writeFile(readOnly.settingsFile(), settingsFile("800", "600", "geheim", "0"));
    Program program(readOnly);
    REQUIRE(program.start());
    REQUIRE_WINDOW(box, waitDialog(program, "Datenordner nicht beschreibbar"));
    CHECK(findTopLevel(program.processId(), "HAUPTMENU_D", wg::mainWindowTitle()) == nullptr);
    CHECK_TEXT(boxText(box), wg::dataFolderProblemBox(readOnly.data())->text);  // which names that folder
    ctx.shot("startup-data-folder-read-only");
    clickItem(box, IDOK);
    REQUIRE_WINDOW(main, program.waitMainWindow());
    REQUIRE(dismissLogin(ctx, program, "geheim"));
    endProgram(ctx, program, main);
}
