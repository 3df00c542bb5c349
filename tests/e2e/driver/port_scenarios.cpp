// The logger on another serial port than COM1: a port named on the command line, a name that is none, a port with
// nothing behind it, and two copies of the program reading out two loggers at once into one data folder.
#include <algorithm>
#include <memory>
#include <vector>

#include "app/shell_dialogs.h"
#include "app/startup.h"
#include "files/coarse_minutes_file.h"
#include "files/fingerprint.h"
#include "logger/port_name.h"
#include "platform/command_ids.h"
#include "platform/file_system.h"
#include "platform/native_file.h"
#include "resources/resource_ids.h"
#include "steps.h"

using namespace e2e;

namespace {


// The serial ports Wine lists where Windows does.
std::vector<std::string> listedPorts() {
    std::vector<std::string> ports;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_READ, &key) != ERROR_SUCCESS)
        return ports;
    char name[256], data[64];
    for (DWORD index = 0;; ++index) {
        DWORD nameLength = sizeof name, dataLength = sizeof data - 1, type = 0;
        if (RegEnumValueA(key, index, name, &nameLength, nullptr, &type, reinterpret_cast<BYTE*>(data),
                          &dataLength) != ERROR_SUCCESS)
            break;
        data[dataLength] = '\0';
        ports.emplace_back(data);
    }
    RegCloseKey(key);
    return ports;
}

// One logger of the two read out at once; each copy has its own time base in its settings.
struct Yacht { const char* id; const char* port; Logger logger; int coarseMinutes; const char* zone; };  // port: the argument
const char* const kRaceEvents[] = {"Start : 03.06.04 Do 09:00:00", "Generator Ein : 03.06.04 Do 10:20:00",
                                   "Generator Aus : 03.06.04 Do 10:40:00"};

} // namespace

SCENARIO("port: a port with nothing behind it is named at once with the ports Wine lists") {
    const char* const port = "COM99";
    const std::vector<std::string> listed = listedPorts();
    CHECK(!listed.empty());
    Program program(ctx.tree, "Wakeguard.exe", port);
    REQUIRE_WINDOW(main, startLoggedIn(ctx, program, settingsFile("800", "600", "geheim", "0"), "geheim"));
    REQUIRE_WINDOW(dialog, openDialog(program, main, wg::cmd::kMasterPassword, "ERLG Paßwort-Eingabe"));
    typeInto(dialog, IDC_LOGGER_PASSWORD_FIELD, "MASTER");
    const DWORD clicked = GetTickCount();
    clickItem(dialog, IDOK);
    REQUIRE_WINDOW(message, waitDialog(program, "Information", 5000));
    const DWORD took = GetTickCount() - clicked;
    ctx.shot("port-failure");
    std::string shown = itemText(message, wg::MessageDialog::kText);
    shown.erase(std::remove(shown.begin(), shown.end(), '\r'), shown.end());  // the field's line ends
    CHECK_TEXT(shown, wg::portFailureText(port, listed));
    ctx.notes.push_back("the message came after " + std::to_string(took) + " ms");
    CHECK(took < 1000);
    CHECK(closeWith(message, IDOK));
    CHECK_TEXT(ctx.loggerReceived() + ctx.loggerReceived(Logger::OnCom4AndCom12), "");
    endProgram(ctx, program, main);
}

SCENARIO("port: an argument that is no port is explained at the start, and COM1 taken") {
    Program program(ctx.tree, "Wakeguard.exe", "/port=4");
    writeFile(ctx.tree.settingsFile(), settingsFile("800", "600", "geheim", "0"));
    REQUIRE(program.start());
    REQUIRE_WINDOW(box, waitDialog(program, "Wakeguard - Programmstart"));
    ctx.shot("port-argument");
    CHECK_TEXT(boxText(box), wg::startOptions({"/port=4"}).problem->text);
    CHECK(closeWith(box, IDOK));
    REQUIRE_WINDOW(main, program.waitMainWindow());
    REQUIRE(dismissLogin(ctx, program, "geheim"));
    REQUIRE_WINDOW(dialog, openDialog(program, main, wg::cmd::kMasterPassword, "ERLG Paßwort-Eingabe"));
    typeInto(dialog, IDC_LOGGER_PASSWORD_FIELD, "MASTER");
    clickItem(dialog, IDOK);
    CHECK_TEXT(nextMessage(ctx, program), "Passwort OK!");
    CHECK_TEXT(ctx.loggerReceived(), "X\nMASTER\r");
    endProgram(ctx, program, main);
}

SCENARIO("port: two copies on COM1 and COM4 read out two loggers at once into one data folder") {
    const Yacht yachts[] = {{"GER12", "", Logger::OnCom1, 42, "0"}, {"NED3", "COM4", Logger::OnCom4AndCom12, 7, "1"}};
    std::string events;
    for (const char* event : kRaceEvents) events += "event = " + std::string(event) + "\n";
    std::vector<std::unique_ptr<Program>> programs;
    std::vector<HWND> mains, dialogs;
    for (const Yacht& yacht : yachts) {
        ctx.setLogger("logged-in = 1\npace = 1\nyacht-id = " + std::string(yacht.id) + "\ncoarse-minutes = " +
                          std::to_string(yacht.coarseMinutes) + "\n" + events, yacht.logger);
        writeFile(ctx.tree.data() + "Sommer04-" + yacht.id + ".ysd", yachtFile("Boot " + std::string(yacht.id),
                                                                                 yacht.id, 3, 4));
        programs.push_back(std::make_unique<Program>(ctx.tree, "Wakeguard.exe", yacht.port));
        REQUIRE_WINDOW(main, startWithRegatta(ctx, *programs.back(), yacht.zone));
        REQUIRE_WINDOW(dialog, openDialog(*programs.back(), main, wg::cmd::kReadOutAndEvaluate, kReadoutCaption));
        mains.push_back(main);
        dialogs.push_back(dialog);
    }
    for (HWND dialog : dialogs) clickItem(dialog, IDC_EV_READ);
    const auto reading = [&](std::size_t i) { return ctx.loggerReceived(yachts[i].logger).find('I') != std::string::npos; };
    CHECK(waitFor([&] { return reading(0) && reading(1); }, 20000));  // both event memories come at once
    ctx.shot("two-readouts");
    for (HWND dialog : dialogs)
        CHECK(waitFor([&] { return itemText(dialog, IDC_EV_STATUS, 2000) == kReadoutDone; }, 60000));
    for (const Yacht& yacht : yachts) {
        const std::string name = "Sommer04-" + std::string(yacht.id) + ".yrd";
        std::string expected = yachtFile("Boot " + std::string(yacht.id), yacht.id, 3, 4) + "$";
        for (const char* event : kRaceEvents) expected += std::string(event) + "\r\n$";
        CHECK_TEXT(fileText(ctx.tree.data() + name), expected + "Ereigniss Ende\r\n");
        CHECK(wg::checkFingerprint(ctx.tree.data(), name) == wg::FingerprintCheck::Matches);
        CHECK_TEXT(fileText(ctx.tree.data() + name + wg::kCoarseMinutesSuffix),
                   wg::coarseMinutesBytes(yacht.coarseMinutes));
        CHECK_TEXT(ctx.loggerReceived(yacht.logger), "D\rT\rI\r");
    }
    // The copies' next temporary settings names are taken, as by earlier copies of the same ids: others are chosen.
    const std::string computer = wg::temporaryComputerName(wg::systemComputerName());
    std::vector<std::string> taken;
    for (auto& program : programs)
        for (int count = 1; count <= 32; ++count)
            taken.push_back(wg::temporaryName(ctx.tree.settingsFile(), computer + "-" +
                                              std::to_string(program->processId()) + "-" + std::to_string(count)));
    for (const std::string& name : taken) writeFile(name, "fremd");
    // Both end together; the settings file is whole, one copy's or the other's, whichever writes it last.
    for (std::size_t i = 0; i < programs.size(); ++i) {
        CHECK(closeWith(dialogs[i], IDCANCEL));
        postCommand(mains[i], wg::cmd::kExit);
    }
    std::vector<HWND> questions;
    for (auto& program : programs) questions.push_back(waitDialog(*program, "Warnung"));
    for (HWND question : questions) clickItem(question, IDYES);
    for (auto& program : programs) {
        DWORD code = 99;
        CHECK(program->waitExit(code) && code == 0);
    }
    const std::string settings = fileText(ctx.tree.settingsFile());
    CHECK(settings == settingsFile("800", "600", "geheim", "0") || settings == settingsFile("800", "600", "geheim", "1"));
    std::size_t untouched = 0;
    for (const std::string& name : taken) untouched += fileText(name) == "fremd";
    CHECK(untouched == taken.size() && fileNames(ctx.tree.init()).size() == taken.size() + 1);
}
