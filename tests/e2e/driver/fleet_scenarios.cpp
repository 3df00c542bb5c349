// The fleet's loggers prepared one after another from the entry list: each logger's bytes, the yacht file and record
// whole, failures named with the yacht left open, the user's actions per logger; two copies at once into one Daten.
#include "steps.h"

#include <commctrl.h>

#include <memory>
#include <vector>

#include "files/fingerprint.h"
#include "files/preparation_record.h"
#include "platform/command_ids.h"
#include "platform/file_system.h"
#include "platform/native_file.h"
#include "platform/program_version.h"
#include "resources/resource_ids.h"

using namespace e2e;

namespace {

constexpr const char* kCaption = "Serienvorbereitung";
const std::string kEntryList = "Yacht-ID;Yachtname;Siegel;Betriebsart\r\nGER1;Eins;4;1\r\nGER2;Zwei;2;2\r\n"
                               "NED3;Drei;3;\r\nDEN4;Vier;1;4\r\nSWE5;F\xC3\xBCnf;5;2\r\n";

// One yacht of the entry list, its logger's simulator settings and what the user reads after (nullptr: prepared).
struct Yacht { const char *id, *name; int seals, mode; const char *logger, *failure; };
const Yacht kFleet[] = {
    {"GER1", "Eins", 4, 1, "", nullptr},
    {"GER2", "Zwei", 2, 2, "master = ANDERS\n", "Anmeldung: Falsche Master- oder User-Paßwort eingegeben!"},
    {"NED3", "Drei", 3, 3, "serial = 100233\nerase-confirms = 0\n",
     "Speicher löschen: ERLG hat das Löschen nicht bestätigt. Bitte Löschen wiederholen!"},
    {"DEN4", "Vier", 1, 4, "", "Seriennummer lesen: ERLG 100234 ist schon für die Yacht GER1 vorbereitet"},
    {"SWE5", "F\xFCnf", 5, 2, "serial = 100235\nerase-logs-out = 1\n", nullptr},
};

// Clicks a row of a list view with the mouse, as a user does.
void clickRow(HWND list, int row) {
    // Rows are as high as the difference the view gives for one row more.
    const DWORD one = static_cast<DWORD>(SendMessageW(list, LVM_APPROXIMATEVIEWRECT, 1, MAKELPARAM(-1, -1)));
    const DWORD two = static_cast<DWORD>(SendMessageW(list, LVM_APPROXIMATEVIEWRECT, 2, MAKELPARAM(-1, -1)));
    const int height = HIWORD(two) - HIWORD(one);
    RECT header = {};
    GetWindowRect(FindWindowExW(list, nullptr, L"SysHeader32", nullptr), &header);
    const LPARAM at = MAKELPARAM(20, (header.bottom - header.top) + height * row + height / 2);
    for (const UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP}) PostMessageW(list, message, MK_LBUTTON, at);
}

int selectedRow(HWND dialog) {
    return int(SendMessageW(GetDlgItem(dialog, IDC_FLEET_LIST), LVM_GETNEXTITEM, -1, LVNI_SELECTED));
}

// The record as the program must have written it, its PC times as "*".
std::string expectedRecord(const Yacht& y, const std::string& serial, const std::string& clockSent, const char* port,
                           bool loginAgain) {
    std::vector<wg::PreparationStepTime> steps;
    const char* const keys[] = {"Anmeldung",   "Seriennummer", "Loeschen",  "Uhr",       "Anmeldung_erneut",
                                "Uhr",         "Regattastart", "Regattaende", "Betriebsart", "Yacht-ID",
                                "Kontrolle",   "Yachtdatei",   "Protokoll"};
    for (std::size_t i = 0; i < std::size(keys); ++i)
        if (loginAgain || i < 4 || i > 5) steps.push_back({keys[i], "*"});  // the second login and clock
    return wg::preparationBytes({"Sommer04", y.id, y.name, serial, port, wg::systemComputerName(), wg::programVersion(), "UTC",
                                 steps, true, true, clockSent, "030604090500", "040604173000", y.mode, y.mode, y.id, "*"});
}

// The record's PC times as "*", so two records compare whole but for when they were made.
std::string withoutTimes(std::string bytes) {
    for (std::size_t at = 0; (at = bytes.find("T", at)) != std::string::npos; ++at)
        if (at >= 10 && at + 9 <= bytes.size() && bytes[at - 3] == '-' && bytes[at + 3] == ':')
            bytes.replace(at - 10, 19, "*"), at -= 10;
    return bytes;
}

// Checks the files and the wire of a yacht prepared through `port`.
void checkPrepared(Context& ctx, const Yacht& y, const std::string& serial, const std::string& wire, const char* port,
                   bool loginAgain) {
    // The clock as the first E and, after a second login, the second one gave it.
    const std::size_t clockAt = wire.find("C\rE"), startAt = wire.find("G0306");
    const std::string first = clockAt < startAt ? wire.substr(clockAt + 3, 12) : "";
    const std::string clockSent = startAt > 12 && startAt != std::string::npos ? wire.substr(startAt - 12, 12) : "";
    SYSTEMTIME now;
    GetSystemTime(&now);  // the PC clock in UTC, as the settings say
    CHECK_TEXT(clockSent.substr(0, 4), (now.wDay < 10 ? "0" : "") + std::to_string(now.wDay) +
                                           (now.wMonth < 10 ? "0" : "") + std::to_string(now.wMonth));
    CHECK_TEXT(wire, "X\nMASTER\rD\rC\rE" + first + (loginAgain ? "X\nMASTER\rE" + clockSent : "") +
                         "G030604090500H040604173000F" + std::to_string(y.mode) + "\rD0\r" + y.id + "\rD\rF\r");
    std::string ysd = yachtFile(y.name, y.id, y.mode, y.seals);
    ysd.replace(ysd.find("100234"), 6, serial);
    CHECK_TEXT(fileText(ctx.tree.data() + "Sommer04-" + y.id + ".ysd"), ysd);
    const std::string record = "Sommer04-" + std::string(y.id) + ".yvd";
    CHECK_TEXT(withoutTimes(fileText(ctx.tree.data() + record)), withoutTimes(expectedRecord(y, serial, clockSent, port, loginAgain)));
    CHECK(wg::checkFingerprint(ctx.tree.data(), record) == wg::FingerprintCheck::Matches);
}

std::string progress(HWND dialog) { return itemText(dialog, IDC_FLEET_PROGRESS, 2000); }

} // namespace

SCENARIO("fleet: five yachts from the entry list; a refused password, an erase never confirmed, another yacht's logger") {
    writeFile(ctx.tree.data() + "Sommer04-Meldeliste.csv", kEntryList);
    Program program(ctx.tree);
    REQUIRE_WINDOW(main, startWithRegatta(ctx, program, "0"));
    REQUIRE_WINDOW(dialog, openDialog(program, main, wg::cmd::kFleetPreparation, kCaption));
    CHECK_TEXT(itemText(dialog, IDC_FLEET_LIST_INFO), "Meldeliste Sommer04-Meldeliste.csv: 5 Yachten");
    CHECK(selectedRow(dialog) == 0 && isChecked(dialog, IDC_FLEET_ERASE) && isChecked(dialog, IDC_FLEET_MODE3));
    typeInto(dialog, IDC_FLEET_PASSWORD, "MASTER");
    std::string actions = "Aktionen je Logger:";
    for (int row = 0; row < 5; ++row) {
        const Yacht& y = kFleet[row];
        ctx.setLogger(std::string("logged-in = 0\nerase-ms = 2000\n") + y.logger);
        int count = 0;
        if (selectedRow(dialog) != row) {
            clickRow(GetDlgItem(dialog, IDC_FLEET_LIST), row);
            ++count;
            CHECK(waitFor([&] { return selectedRow(dialog) == row; }, 3000));
        }
        CHECK(itemText(dialog, IDC_FLEET_SELECTED).rfind(std::string(y.id) + " " + y.name + ":", 0) == 0);
        AnswerWatch watch(main);
        // The last yacht's "fertig:" must not pass for this one's.
        SendMessageW(GetDlgItem(dialog, IDC_FLEET_PROGRESS), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
        clickItem(dialog, IDC_FLEET_PREPARE);
        ++count;
        if (row == 3) {  // the logger of GER1: the question names that yacht; "Nein"
            REQUIRE_WINDOW(question, waitDialog(program, "ERLG schon vorbereitet", 30000));
            CHECK(boxText(question).find("ERLG 100234 ist schon für die Yacht GER1 vorbereitet") != std::string::npos);
            clickItem(question, IDNO);
        }
        CHECK(waitFor([&] { return progress(dialog).find("fertig:") != std::string::npos ||
                                   progress(dialog).find("FEHLER.") != std::string::npos; }, 180000));
        CHECK(watch.longestMs() <= 250);
        if (row == 0) ctx.shot("fleet-preparation");
        actions += " " + std::string(y.id) + " " + std::to_string(count);
        CHECK(count <= 2);
        if (y.failure) {
            CHECK(progress(dialog).find(y.failure) != std::string::npos);
            const std::string selected = itemText(dialog, IDC_FLEET_SELECTED);
            ctx.check(selected.find("\x96 " + std::string(y.failure)) != std::string::npos, "the row says: " + selected,
                      __FILE__, __LINE__);
            CHECK(!wg::fileExists(ctx.tree.data() + "Sommer04-" + y.id + ".yvd"));
        } else {
            checkPrepared(ctx, y, row == 0 ? "100234" : "100235", ctx.loggerReceived(), "COM1", row == 4);
        }
    }
    ctx.notes.push_back(actions);
    // The open yachts stay open: after the last success the selection went back to the first of them.
    CHECK_TEXT(itemText(dialog, IDC_FLEET_SELECTED), "GER2 Zwei: Betriebsart 2, 2 Siegel \x96 " +
                                                         std::string(kFleet[1].failure));
    CHECK(closeWith(dialog, IDCANCEL));  // opened again, the dialog knows the records: GER2 is open
    REQUIRE_WINDOW(again, openDialog(program, main, wg::cmd::kFleetPreparation, kCaption));
    CHECK(selectedRow(again) == 1 && closeWith(again, IDCANCEL));
    endProgram(ctx, program, main);
}

SCENARIO("fleet: two copies on COM1 and COM4 prepare at once into one Daten") {
    writeFile(ctx.tree.data() + "Sommer04-Meldeliste.csv", kEntryList);
    const struct { const char* port; Logger logger; int row; const char* serial; } copies[] = {
        {"", Logger::OnCom1, 0, "100234"}, {"COM4", Logger::OnCom4AndCom12, 4, "100235"}};
    std::vector<std::unique_ptr<Program>> programs;
    std::vector<HWND> mains, dialogs;
    for (const auto& copy : copies) {
        ctx.setLogger(std::string("erase-ms = 2000\nserial = ") + copy.serial + "\n", copy.logger);
        programs.push_back(std::make_unique<Program>(ctx.tree, "Wakeguard.exe", copy.port));
        REQUIRE_WINDOW(main, startWithRegatta(ctx, *programs.back(), "0"));
        REQUIRE_WINDOW(dialog, openDialog(*programs.back(), main, wg::cmd::kFleetPreparation, kCaption));
        typeInto(dialog, IDC_FLEET_PASSWORD, "MASTER");
        clickRow(GetDlgItem(dialog, IDC_FLEET_LIST), copy.row);
        REQUIRE(waitFor([&] { return selectedRow(dialog) == copy.row; }, 3000));
        mains.push_back(main), dialogs.push_back(dialog);
    }
    for (HWND dialog : dialogs) clickItem(dialog, IDC_FLEET_PREPARE);
    const auto started = [&](Logger logger) { return ctx.loggerReceived(logger).find('C') != std::string::npos; };
    CHECK(waitFor([&] { return started(Logger::OnCom1) && started(Logger::OnCom4AndCom12); }, 30000));  // both at once
    for (HWND dialog : dialogs)
        CHECK(waitFor([&] { return progress(dialog).find("fertig:") != std::string::npos; }, 120000));
    for (const auto& copy : copies)
        checkPrepared(ctx, kFleet[copy.row], copy.serial, ctx.loggerReceived(copy.logger), *copy.port ? copy.port : "COM1",
                      false);
    for (std::size_t i = 0; i < programs.size(); ++i) {
        CHECK(closeWith(dialogs[i], IDCANCEL));
        endProgram(ctx, *programs[i], mains[i]);
    }
}
