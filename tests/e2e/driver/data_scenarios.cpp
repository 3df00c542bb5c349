// Regatta master data loaded, entered and saved; every dialog that refuses a typed value: its
// message read from the message dialog, and what the dialog shows as it comes back.
#include "files/file_names.h"
#include "steps.h"

using namespace e2e;

SCENARIO("regatta data loaded, entered, saved with umlauts; refused values shown at once, the dialog back") {
    Program program(ctx.tree);
    REQUIRE_WINDOW(main, startWithRegatta(ctx, program, "0"));
    REQUIRE_WINDOW(entry, openDialog(program, main, 1017, "Regatta Stammdaten"));
    CHECK_TEXT(itemText(entry, 1247), "Sommer Regatta");
    // Umlauts, an en dash and "ß": one byte each in the file and its name, whatever the system's code page.
    const std::string designation = "Förde-Pokal – Kühlungsborn, Großboote";
    typeAll(entry, {{1247, designation}, {1250, "42"}});
    ctx.shot("regatta-entry");
    clickItem(entry, 1249);
    REQUIRE_WINDOW(save, waitDialog(program, "Daten speichern"));
    CHECK_TEXT(itemText(save, 1251), "Sommer04");  // proposed from the loaded file
    typeInto(save, 1251, "Förde 26");
    ctx.shot("file-save");
    CHECK(closeWith(save, IDOK) && waitGone(entry));
    CHECK_TEXT(fileText(ctx.tree.data() + "Förde 26.rsd"), regattaFile({5, 9, 3, 6, 4, 30, 17, 4, 6, 4}, designation, 42));

    // Every dialog that refuses a typed value.
    struct Refusal {
        int command;
        const char* caption;
        int via;  // a dialog opened from the first by this button stays open under its message
        int field;
        std::string typed;
        int leaveBy;          // 0: Tab; else the button clicked
        const char* message;  // nullptr: the value is taken
        int shownField;
        std::string shown;
    };
    SYSTEMTIME utc;
    GetSystemTime(&utc);
    const char* const tooLong = "Bezeichnung darf maximal 255 Zeichen lang sein, bitte neu eingeben!";
    const char* const saving = "Daten speichern";
    const Refusal table[] = {
        {1017, "Regatta Stammdaten", 0, 1247, std::string(256, 'x'), 0, tooLong, 1247, designation},
        {1017, "Regatta Stammdaten", 0, 1247, std::string(256, 'x'), IDOK, tooLong, 1247, designation},
        {1021, "ERLG Uhr stellen", 0, 1506, "2", 0,
         "Datumseingabe für Jahr muß zwischen 03 und 99 liegen, bitte neu eingeben!", 1506,
         std::to_string(utc.wYear % 100)},  // the PC clock afresh
        {1005, "Startzeiteingabe", 0, 1513, "32", 0,
         "Datumseingabe für Tag muß zwischen 1 und 31 liegen, bitte neu eingeben!", 1513, "01"},
        {1006, "Zielzeiteingabe", 0, 1514, "13", 1516,
         "Datumseingabe für Monat muß zwischen 1 und 12 liegen, bitte neu eingeben!", 1514, "01"},
        {1019, "ERLG Daten Auslesen und Auswerten", 0, 1408, "60", 1418,
         "Sekundeneingabe muß zwischen 0 und 59 liegen, bitte neu eingeben!", 1408, ""},
        {1014, "ERLG Paßwort-Eingabe", 0, 1262, "123456789", IDOK,
         "Paßwort darf maximal 8 Zeichen lang sein, bitte neu eingeben!", 1261, "ERLG Master-Paßwort eingeben"},
        {1017, saving, 1249, 1251, std::string(241, 'n'), 0, "Eingabe zu lang, maximal 240 Zeichen erlaubt.", 1251,
         std::string(241, 'n')},
        {1017, saving, 1249, 1251, "..\\Weg", 0, wg::kUnsafeFileNameMessage, 1251, "..\\Weg"},
        {1017, "Regatta Stammdaten", 0, 1247, std::string(255, 'y'), IDOK, nullptr, 1247, std::string(255, 'y')},
    };
    for (const Refusal& r : table) {
        const std::string where = r.caption + std::string(": ") + r.typed.substr(0, 12);
        REQUIRE_WINDOW(first, openDialog(program, main, r.command, r.via ? "Regatta Stammdaten" : r.caption));
        if (r.via) clickItem(first, r.via);
        REQUIRE_WINDOW(dialog, r.via ? waitDialog(program, r.caption) : first);
        typeInto(dialog, r.field, r.typed);
        r.leaveBy ? clickItem(dialog, r.leaveBy) : tabFrom(dialog);
        if (r.message) {
            REQUIRE_WINDOW(message, waitDialog(program, "Information"));
            // Closed and hidden first, so it never opens inside itself.
            ctx.check(IsWindowVisible(dialog) == (r.via != 0), where + ": hidden", __FILE__, __LINE__);
            ctx.checkEqual(itemText(message, 1233), r.message, where + ": message", __FILE__, __LINE__);
            ctx.shot(r.command == 1017 && !r.via ? "refused-designation" : "");
            CHECK(closeWith(message, IDOK));
            if (!r.via) dialog = waitDialog(program, r.caption);  // reopened
        } else {
            CHECK(waitGone(dialog));
            dialog = openDialog(program, main, r.command, r.caption);
        }
        REQUIRE(dialog != nullptr);
        ctx.checkEqual(itemText(dialog, r.shownField), r.shown, where + ": shown afterwards", __FILE__, __LINE__);
        CHECK(closeWith(dialog, IDCANCEL) && waitGone(first));
    }
    // No click that left a refused field went on to its button.
    CHECK_TEXT(ctx.loggerReceived(), "");
    endProgram(ctx, program, main);
}
