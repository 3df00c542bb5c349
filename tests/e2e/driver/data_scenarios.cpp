// Regatta data loaded, entered and saved; every dialog that refuses a typed value: its message, the dialog after it.
#include "app/shell_dialogs.h"
#include "files/file_names.h"
#include "platform/command_ids.h"
#include "resources/resource_ids.h"
#include "steps.h"

using namespace e2e;
namespace cmd = wg::cmd;

SCENARIO("regatta data loaded, entered, saved with umlauts; refused values shown at once, the dialog back") {
    Program program(ctx.tree);
    REQUIRE_WINDOW(main, startWithRegatta(ctx, program, "0"));
    const char* const entering = "Regatta Stammdaten";
    REQUIRE_WINDOW(entry, openDialog(program, main, cmd::kEnterRegattaData, entering));
    CHECK_TEXT(itemText(entry, IDC_DESIGNATION), "Sommer Regatta");
    // Umlauts, an en dash and "ß": one byte each in the file and its name, whatever the system's code page.
    const std::string designation = "Förde-Pokal – Kühlungsborn, Großboote";
    typeAll(entry, {{IDC_DESIGNATION, designation}, {IDC_STARTERS, "42"}});
    ctx.shot("regatta-entry");
    clickItem(entry, IDC_SAVE);
    REQUIRE_WINDOW(save, waitDialog(program, "Daten speichern"));
    CHECK_TEXT(itemText(save, IDC_SAVE_NAME), "Sommer04");  // proposed from the loaded file
    typeInto(save, IDC_SAVE_NAME, "Förde 26");
    ctx.shot("file-save");
    CHECK(closeWith(save, IDOK) && waitGone(entry));
    CHECK_TEXT(fileText(ctx.tree.data() + "Förde 26.rsd"), regattaFile({5, 9, 3, 6, 4, 30, 17, 4, 6, 4}, designation, 42));

    // via: the button of the first dialog that opens this one, which stays open under its message; leaveBy: 0 for Tab,
    // else the button clicked; message: nullptr where the value is taken; shownField and shown: the dialog afterwards.
    struct Refusal { int command; const char* caption; int via, field; std::string typed; int leaveBy;
                     const char* message; int shownField; std::string shown; };
    SYSTEMTIME utc;
    GetSystemTime(&utc);
    const char* const tooLong = "Bezeichnung darf maximal 255 Zeichen lang sein, bitte neu eingeben!";
    const char* const saving = "Daten speichern";
    const int enter = cmd::kEnterRegattaData, designationField = IDC_DESIGNATION;
    const Refusal table[] = {
        {enter, entering, 0, designationField, std::string(256, 'x'), 0, tooLong, designationField, designation},
        {enter, entering, 0, designationField, std::string(256, 'x'), IDOK, tooLong, designationField, designation},
        {cmd::kLoggerClock, "ERLG Uhr stellen", 0, IDC_CLOCK_YEAR, "2", 0,
         "Datumseingabe für Jahr muß zwischen 03 und 99 liegen, bitte neu eingeben!", IDC_CLOCK_YEAR,
         std::to_string(utc.wYear % 100)},  // the PC clock afresh
        {cmd::kStartTime, "Startzeiteingabe", 0, IDC_RTIME_DAY, "32", 0,
         "Datumseingabe für Tag muß zwischen 1 und 31 liegen, bitte neu eingeben!", IDC_RTIME_DAY, "01"},
        {cmd::kEndTime, "Zielzeiteingabe", 0, IDC_RTIME_MONTH, "13", IDC_RTIME_SEND,
         "Datumseingabe für Monat muß zwischen 1 und 12 liegen, bitte neu eingeben!", IDC_RTIME_MONTH, "01"},
        {cmd::kReadOutAndEvaluate, kReadoutCaption, 0, IDC_EV_SECOND, "60", IDC_EV_SAVE,
         "Sekundeneingabe muß zwischen 0 und 59 liegen, bitte neu eingeben!", IDC_EV_SECOND, ""},
        {cmd::kMasterPassword, "ERLG Paßwort-Eingabe", 0, IDC_LOGGER_PASSWORD_FIELD, "123456789", IDOK,
         "Paßwort darf maximal 8 Zeichen lang sein, bitte neu eingeben!", IDC_LOGGER_PASSWORD_PROMPT,
         "ERLG Master-Paßwort eingeben"},
        {enter, saving, IDC_SAVE, IDC_SAVE_NAME, std::string(241, 'n'), 0,
         "Eingabe zu lang, maximal 240 Zeichen erlaubt.", IDC_SAVE_NAME, std::string(241, 'n')},
        {enter, saving, IDC_SAVE, IDC_SAVE_NAME, "..\\Weg", 0, wg::kUnsafeFileNameMessage, IDC_SAVE_NAME, "..\\Weg"},
        {enter, entering, 0, designationField, std::string(255, 'y'), IDOK, nullptr, designationField,
         std::string(255, 'y')},
    };
    for (const Refusal& r : table) {
        const std::string where = r.caption + std::string(": ") + r.typed.substr(0, 12);
        REQUIRE_WINDOW(first, openDialog(program, main, r.command, r.via ? entering : r.caption));
        if (r.via) clickItem(first, r.via);
        REQUIRE_WINDOW(dialog, r.via ? waitDialog(program, r.caption) : first);
        typeInto(dialog, r.field, r.typed);
        r.leaveBy ? clickItem(dialog, r.leaveBy) : tabFrom(dialog);
        if (r.message) {
            REQUIRE_WINDOW(message, waitDialog(program, "Information"));
            // Closed and hidden first, so it never opens inside itself.
            ctx.check(IsWindowVisible(dialog) == (r.via != 0), where + ": hidden", __FILE__, __LINE__);
            ctx.checkEqual(itemText(message, wg::MessageDialog::kText), r.message, where + ": message", __FILE__,
                           __LINE__);
            ctx.shot(r.command == enter && !r.via ? "refused-designation" : "");
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
