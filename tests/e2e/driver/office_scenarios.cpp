// A regatta office's files: a readout over a file held open; a data drive that fills up (the run's tmpfs as Daten).
#include <vector>

#include "evaluation/readout_dialog.h"
#include "files/fingerprint.h"
#include "files/status.h"
#include "platform/command_ids.h"
#include "platform/file_system.h"
#include "resources/resource_ids.h"
#include "steps.h"
#include "yacht/readout.h"

using namespace e2e;
namespace cmd = wg::cmd;

namespace {

constexpr const char* kYrd = "Sommer04-GER12.yrd";

// The logger's event memory: `lines` engine lines of 38 bytes each.
void loggerWithLines(Context& ctx, int lines) {
    std::string settings = "logged-in = 1\nserial = 100234\nyacht-id = GER12\n";
    for (int i = 0; i < lines; ++i) settings += "event = Generator Ein : 03.06.04 Do 09:10:00\n";
    ctx.setLogger(settings);
}

// Reads the logger out in the open readout dialog; its status text afterwards, or the message shown
// (in a screenshot of that name, when one is given).
std::string readOut(Context& ctx, Program& program, HWND dialog, const std::string& shot = "") {
    // The status an earlier readout left must not pass for this one's.
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(GetDlgItem(dialog, IDC_EV_STATUS), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""), SMTO_NORMAL,
                        2000, &ignored);
    clickItem(dialog, IDC_EV_READ);
    std::string outcome;
    waitFor([&] {
        if (findTopLevel(program.processId(), "#32770", "Information")) {
            outcome = nextMessage(ctx, program, shot);
            return true;
        }
        outcome = itemText(dialog, IDC_EV_STATUS, 2000);
        return outcome == kReadoutDone;
    }, 60000);
    return outcome;
}

// Fills the drive of `folder` with files of one page each until it takes no more; their names.
std::vector<std::string> fillDrive(const std::string& folder) {
    std::vector<std::string> names;
    const std::string page(4096, 'x');
    for (int i = 0; i < 10000; ++i) {
        const std::string name = folder + "Fuellung-" + std::to_string(i);
        const HANDLE file = CreateFileA(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE) break;
        DWORD written = 0;
        const bool whole = WriteFile(file, page.data(), DWORD(page.size()), &written, nullptr) && written == page.size();
        CloseHandle(file);
        if (!whole) {
            DeleteFileA(name.c_str());
            break;
        }
        names.push_back(name);
    }
    return names;
}

// Frees `pages` of them again.
void freePages(std::vector<std::string>& filler, std::size_t pages) {
    for (; pages > 0 && !filler.empty(); --pages) {
        DeleteFileA(filler.back().c_str());
        filler.pop_back();
    }
}

} // namespace

SCENARIO("office: a readout replaces a file another program reads; one held open as a spreadsheet does is kept beside") {
    const std::string path = ctx.tree.data() + kYrd;
    writeFile(ctx.tree.data() + "Sommer04-GER12.ysd", kYachtFile);
    loggerWithLines(ctx, 3);
    Program program(ctx.tree);
    REQUIRE_WINDOW(main, startWithRegatta(ctx, program, "0"));
    REQUIRE_WINDOW(dialog, openDialog(program, main, cmd::kReadOutAndEvaluate, kReadoutCaption));
    writeFile(path, "frühere Auslesung\r\n");
    // A reader as the program's own readers open files: sharing it for writing and deleting too.
    HANDLE reader = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, 0, nullptr);
    REQUIRE(reader != INVALID_HANDLE_VALUE);
    CHECK_TEXT(readOut(ctx, program, dialog), kReadoutDone);
    CloseHandle(reader);
    const std::string first = fileText(path);
    CHECK(first.rfind(kYachtFile, 0) == 0 && wg::checkFingerprint(ctx.tree.data(), kYrd) == wg::FingerprintCheck::Matches);

    // A spreadsheet holds it without delete sharing: the new readout is kept beside it and named.
    loggerWithLines(ctx, 5);
    HANDLE sheet = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                               0, nullptr);
    REQUIRE(sheet != INVALID_HANDLE_VALUE);
    CHECK_TEXT(readOut(ctx, program, dialog, "file-held-open"), wg::readoutNotSavedText(kYrd, wg::kStatusFileInUse));
    CloseHandle(sheet);
    const std::string kept = fileText(path + ".neu");
    CHECK(fileText(path) == first && kept.size() > first.size() && kept.rfind(kYachtFile, 0) == 0);
    CHECK(wg::checkFingerprint(ctx.tree.data(), kYrd) == wg::FingerprintCheck::Matches);
    CHECK(!anyTemporaryFile(ctx.tree.data()));
    CHECK(closeWith(dialog, IDCANCEL));
    endProgram(ctx, program, main);
}

SCENARIO("office: a data drive that fills up keeps every earlier file and says so; once there is room the files land") {
    Context small{Tree{wg::fullDirectoryPath(ctx.tree.root + "..\\Klein\\")}, ctx.shippedPassword, ctx.shotDir, {}, {}};
    const std::string noMount = fileText(small.tree.root + "kein-tmpfs.txt");
    if (!noMount.empty()) {
        CHECK_TEXT("Der volle Datenträger braucht ein kleines tmpfs als Daten, eingehängt mit Root-Rechten: " + noMount, "");
        return;
    }
    const std::string data = small.tree.data(), path = data + kYrd;
    clearFolder(data);
    clearFolder(small.tree.init());
    writeFile(data + "Sommer04-GER12.ysd", kYachtFile);
    writeFile(path, kYachtFile + "$Ereigniss Ende\r\n");
    writeFile(path + wg::kFingerprintSuffix, "frühere Prüfsumme\n");
    const std::string earlier = fileText(path), earlierSum = fileText(path + wg::kFingerprintSuffix);
    loggerWithLines(ctx, 800);  // about 30 KB: eight pages of the drive
    Program program(small.tree);
    HWND main = startWithRegatta(small, program, "0");
    HWND dialog = main ? openDialog(program, main, cmd::kReadOutAndEvaluate, kReadoutCaption) : nullptr;
    std::vector<std::string> filler = fillDrive(data);
    freePages(filler, 3);
    if (CHECK(dialog && filler.size() > 5)) {
        CHECK_TEXT(readOut(small, program, dialog, "drive-full"), wg::readoutNotSavedText(kYrd, wg::kStatusDriveFull));
        CHECK(fileText(path) == earlier && fileText(path + wg::kFingerprintSuffix) == earlierSum);
        CHECK(!anyTemporaryFile(data) && fileText(path + ".neu").empty());

        freePages(filler, filler.size());
        CHECK_TEXT(readOut(small, program, dialog), kReadoutDone);
        const std::string readOut = fileText(path);
        CHECK(wg::checkFingerprint(data, kYrd) == wg::FingerprintCheck::Matches && readOut.size() > 30000);

        // "Daten Speichern" with room for less than the longer file: as it was, and said.
        typeAll(dialog, {{IDC_EV_HOUR, "17"}, {IDC_EV_MINUTE, "0"}, {IDC_EV_SECOND, "0"}, {IDC_EV_DAY, "3"},
                         {IDC_EV_MONTH, "6"}, {IDC_EV_YEAR, "4"}});
        filler = fillDrive(data);
        freePages(filler, 2);
        clickItem(dialog, IDC_EV_SAVE);
        CHECK_TEXT(nextMessage(small, program), wg::finishNotSavedText(kYrd, wg::kStatusDriveFull));
        CHECK(fileText(path) == readOut && wg::checkFingerprint(data, kYrd) == wg::FingerprintCheck::Matches);
        CHECK(itemText(dialog, IDC_EV_STATUS) == kReadoutDone && !anyTemporaryFile(data));
        freePages(filler, filler.size());
        clickItem(dialog, IDC_EV_SAVE);
        CHECK(waitFor([&] { return fileText(path).size() > readOut.size(); }));
        CHECK(closeWith(dialog, IDCANCEL));
    }
    freePages(filler, filler.size());
    if (main) endProgram(small, program, main);
    ctx.failures.insert(ctx.failures.end(), small.failures.begin(), small.failures.end());
}
