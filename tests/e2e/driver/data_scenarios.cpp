// Regatta master data entered, saved and shown, and every dialog that
// refuses a typed value: its message read from the message dialog, and what
// the dialog shows afterwards.
#include "files/file_names.h"
#include "scenario.h"
#include "steps.h"
#include "ui.h"

namespace {

using namespace e2e;

struct Refusal {
    int command;
    const char* caption;
    // A dialog opened from the first by this button, which then refuses;
    // such a dialog stays open under its message.
    int via;
    const char* viaCaption;
    int field;
    std::string typed;
    int leaveBy;          // 0: Tab; else the button clicked
    const char* message;  // nullptr: the value is taken
    int shownField;
    std::string shown;    // in the dialog as it comes back
};

} // namespace

SCENARIO("regatta data: loaded through the open-file dialog, shown, entered, saved under a typed name") {
    Program program(ctx.tree);
    HWND main = startWithRegatta(ctx, program, "0");
    REQUIRE(main != nullptr);
    HWND display = openDialog(program, main, 1007, "Regatta-Stammdaten");
    REQUIRE(display != nullptr);
    const std::pair<int, const char*> shown[] = {
        {1240, "09:05:00"}, {1241, "03:06:4"}, {1242, "17:30:00"}, {1243, "04:06:4"}, {1248, ":17"}, {1247, ":Sommer Regatta"}};
    for (const auto& [id, text] : shown) CHECK_TEXT(itemText(display, id), text);
    ctx.shot("regatta-display");
    clickItem(display, IDOK);
    CHECK(waitGone(display));

    HWND entry = openDialog(program, main, 1017, "Regatta Stammdaten");
    REQUIRE(entry != nullptr);
    CHECK_TEXT(itemText(entry, 1247), "Sommer Regatta");
    typeAll(entry, {{1247, "Kieler Woche 2026"}, {1250, "42"}});
    ctx.shot("regatta-entry");
    clickItem(entry, 1249);
    HWND save = waitTopLevel(program.processId(), "#32770", "Daten speichern");
    REQUIRE(save != nullptr);
    CHECK_TEXT(itemText(save, 1252),
               "Namen für Regatta-Stammdaten Datei eingeben. Dateiendung immer .rsd, Verzeichnis ist ..\\daten");
    CHECK_TEXT(itemText(save, 1251), "Sommer04");  // proposed from the loaded file
    typeInto(save, 1251, "Kiel26");
    ctx.shot("file-save");
    clickItem(save, IDOK);
    CHECK(waitGone(save) && waitGone(entry));
    std::string written;
    CHECK(readFile(ctx.tree.data() + "Kiel26.rsd", written));
    CHECK_TEXT(written, regattaFile({5, 9, 3, 6, 4, 30, 17, 4, 6, 4}, "Kieler Woche 2026", 42));
    display = openDialog(program, main, 1007, "Regatta-Stammdaten");
    REQUIRE(display != nullptr);
    CHECK_TEXT(itemText(display, 1247), ":Kieler Woche 2026");
    clickItem(display, IDOK);
    CHECK(waitGone(display));
    endProgram(ctx, program, main);
}

SCENARIO("refused values: the message shows at once, the dialog comes back; nothing reaches the logger") {
    Program program(ctx.tree);
    HWND main = startWithRegatta(ctx, program, "0");
    REQUIRE(main != nullptr);
    SYSTEMTIME utc;
    GetSystemTime(&utc);
    const char* const tooLong = "Bezeichnung darf maximal 255 Zeichen lang sein, bitte neu eingeben!";
    const Refusal table[] = {
        {1017, "Regatta Stammdaten", 0, nullptr, 1247, std::string(256, 'x'), 0, tooLong, 1247, "Sommer Regatta"},
        {1017, "Regatta Stammdaten", 0, nullptr, 1247, std::string(256, 'x'), IDOK, tooLong, 1247, "Sommer Regatta"},
        {1021, "ERLG Uhr stellen", 0, nullptr, 1506, "2", 0,
         "Datumseingabe für Jahr muß zwischen 03 und 99 liegen, bitte neu eingeben!", 1506,
         std::to_string(utc.wYear % 100)},  // the PC clock afresh
        {1005, "Startzeiteingabe", 0, nullptr, 1513, "32", 0,
         "Datumseingabe für Tag muß zwischen 1 und 31 liegen, bitte neu eingeben!", 1513, "01"},
        {1006, "Zielzeiteingabe", 0, nullptr, 1514, "13", 1516,
         "Datumseingabe für Monat muß zwischen 1 und 12 liegen, bitte neu eingeben!", 1514, "01"},
        {1019, "ERLG Daten Auslesen und Auswerten", 0, nullptr, 1408, "60", 1418,
         "Sekundeneingabe muß zwischen 0 und 59 liegen, bitte neu eingeben!", 1408, ""},
        {1014, "ERLG Paßwort-Eingabe", 0, nullptr, 1262, "123456789", IDOK,
         "Paßwort darf maximal 8 Zeichen lang sein, bitte neu eingeben!", 1261, "ERLG Master-Paßwort eingeben"},
        {1017, "Regatta Stammdaten", 1249, "Daten speichern", 1251, std::string(241, 'n'), 0,
         "Eingabe zu lang, maximal 240 Zeichen erlaubt.", 1252,
         "Namen für Regatta-Stammdaten Datei eingeben. Dateiendung immer .rsd, Verzeichnis ist ..\\daten"},
        {1017, "Regatta Stammdaten", 1249, "Daten speichern", 1251, "..\\Weg", 0, wg::kUnsafeFileNameMessage, 1251,
         "..\\Weg"},
        {1017, "Regatta Stammdaten", 0, nullptr, 1247, std::string(255, 'y'), IDOK, nullptr, 1247,
         std::string(255, 'y')},
    };
    int row = 0;
    for (const Refusal& r : table) {
        const std::string caption = r.via ? r.viaCaption : r.caption;
        const std::string where = caption + " " + std::to_string(++row);
        HWND first = openDialog(program, main, r.command, r.caption);
        REQUIRE(first != nullptr);
        if (r.via) clickItem(first, r.via);
        HWND dialog = r.via ? waitTopLevel(program.processId(), "#32770", caption) : first;
        REQUIRE(dialog != nullptr);
        typeInto(dialog, r.field, r.typed);
        r.leaveBy ? clickItem(dialog, r.leaveBy) : tabFrom(dialog);
        if (r.message) {
            HWND message = waitTopLevel(program.processId(), "#32770", "Information");
            REQUIRE(message != nullptr);
            // Closed and hidden first, unless it stays open under its message.
            ctx.check(IsWindowVisible(dialog) == (r.via != 0), where + ": hidden under its message", __FILE__, __LINE__);
            ctx.checkEqual(itemText(message, 1233), r.message, where + ": message", __FILE__, __LINE__);
            ctx.shot("refused-" + std::to_string(row));
            clickItem(message, IDOK);
            CHECK(waitGone(message));
        } else {
            CHECK(waitGone(dialog));
        }
        if (!r.message || !r.via) dialog = r.message ? waitTopLevel(program.processId(), "#32770", caption)
                                                     : openDialog(program, main, r.command, caption);
        REQUIRE(dialog != nullptr);
        ctx.checkEqual(itemText(dialog, r.shownField), r.shown, where + ": shown afterwards", __FILE__, __LINE__);
        clickItem(dialog, IDCANCEL);
        CHECK(waitGone(dialog) && waitGone(first));
    }
    // No click that left a refused field went on to its button.
    CHECK_TEXT(ctx.loggerReceived(), "");
    CHECK(findTopLevel(program.processId(), "#32770", "Bedienungsfehler") == nullptr);
    endProgram(ctx, program, main);
}
