#include "device_config.h"

#include <cctype>
#include <cstdlib>
#include <sstream>

namespace wg::sim {
namespace {

bool toInt(const std::string& text, long minimum, long maximum, int& out) {
    if (text.empty()) return false;
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (*end != '\0' || value < minimum || value > maximum) return false;
    out = static_cast<int>(value);
    return true;
}

bool twelveDigits(const std::string& text) {
    if (text.size() != 12) return false;
    for (char c : text)
        if (!std::isdigit(static_cast<unsigned char>(c))) return false;
    return true;
}

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

struct FaultName {
    const char* name;
    Fault fault;
};
constexpr FaultName kFaults[] = {
    {"none", Fault::None},          {"silent", Fault::Silent},
    {"drop-echo", Fault::DropEcho}, {"extra-byte", Fault::EchoExtraByte},
    {"garble", Fault::GarbledEcho}, {"wrong-command", Fault::WrongCommand},
    {"glued", Fault::GluedAnswer},
};

} // namespace

bool applySetting(DeviceConfig& config, const std::string& key, const std::string& value,
                  std::string& error) {
    DeviceState& s = config.state;
    Behaviour& b = config.behaviour;
    int number = 0;
    auto bad = [&]() {
        error = "bad value for " + key + ": \"" + value + "\"";
        return false;
    };
    if (key == "master") s.masterPassword = value;
    else if (key == "user") s.userPassword = value;
    else if (key == "serial") s.serialNumber = value;
    else if (key == "yacht-id") s.yachtId = value;
    else if (key == "logged-in") {
        if (!toInt(value, 0, 1, number)) return bad();
        s.loggedIn = number == 1;
    } else if (key == "mode") {
        if (!toInt(value, 0, 9, number)) return bad();
        s.operatingMode = number;
    } else if (key == "clock" || key == "regatta-start" || key == "regatta-end") {
        if (!twelveDigits(value)) return bad();
        (key == "clock" ? s.clock : key == "regatta-start" ? s.regattaStart : s.regattaEnd) = value;
    } else if (key == "coarse-minutes") {
        if (!toInt(value, 0, 99999999, number)) return bad();
        s.coarseMinutes = number;
    } else if (key == "event") {
        if (!config.eventsGiven) s.events.clear();
        config.eventsGiven = true;
        s.events.push_back(value);
    } else if (key == "no-events") {
        s.events.clear();
        config.eventsGiven = true;
    } else if (key == "fault") {
        for (const FaultName& f : kFaults) {
            if (value == f.name) {
                b.fault = f.fault;
                return true;
            }
        }
        return bad();
    } else if (key == "fault-count") {
        if (!toInt(value, 0, 1000000, number)) return bad();
        b.faultCount = number;
    } else if (key == "dump-limit") {
        if (!toInt(value, 0, 100000000, number)) return bad();
        b.dumpLimit = static_cast<std::size_t>(number);
    } else if (key == "send-limit") {
        if (!toInt(value, 0, 100000000, number)) return bad();
        b.sendLimit = static_cast<std::size_t>(number);
    } else if (key == "pace") {
        if (!toInt(value, 0, 1, number)) return bad();
        b.paced = number == 1;
    } else if (key == "answer-delay") {
        if (!toInt(value, 0, 10000, number)) return bad();
        b.answerDelayMs = number;
    } else if (key == "erase-ms") {
        if (!toInt(value, 0, 600000, number)) return bad();
        b.eraseMs = number;
    } else if (key == "erase-confirms" || key == "erase-logs-out") {
        if (!toInt(value, 0, 1, number)) return bad();
        (key == "erase-confirms" ? b.eraseConfirms : b.eraseLogsOut) = number == 1;
    } else {
        error = "unknown setting \"" + key + "\"";
        return false;
    }
    return true;
}

bool applySettingsText(DeviceConfig& config, const std::string& text, std::string& error) {
    std::istringstream lines(text);
    std::string line;
    int number = 0;
    while (std::getline(lines, line)) {
        ++number;
        const std::string content = trimmed(line);
        if (content.empty() || content[0] == '#') continue;
        const auto equals = content.find('=');
        if (equals == std::string::npos) {
            error = "line " + std::to_string(number) + ": no \"=\"";
            return false;
        }
        if (!applySetting(config, trimmed(content.substr(0, equals)),
                          trimmed(content.substr(equals + 1)), error)) {
            error = "line " + std::to_string(number) + ": " + error;
            return false;
        }
    }
    return true;
}

std::string settingsHelp() {
    return "Device state:\n"
           "  master=TEXT          master password (X login)           [MASTER]\n"
           "  user=TEXT            user password (A login)             [USER]\n"
           "  logged-in=0|1        start logged in                     [0]\n"
           "  serial=TEXT          serial number, reported by D        [100234]\n"
           "  yacht-id=TEXT        yacht ID, reported by D, set by D0  [GER12]\n"
           "  mode=N               operating mode, reported by F       [3]\n"
           "  clock=DDMMYYhhmmss   logger clock, set by E              [140608080000]\n"
           "  regatta-start=DDMMYYhhmmss   set by G                    [140608093000]\n"
           "  regatta-end=DDMMYYhhmmss     set by H                    [140608170000]\n"
           "  coarse-minutes=N     reported by T                       [5]\n"
           "  event=LINE           one event memory line, sent by I; repeat it;\n"
           "                       the first one replaces the demo race's 8 lines\n"
           "  no-events=1          empty event memory\n"
           "Behaviour:\n"
           "  fault=NAME           none | silent | drop-echo | extra-byte | garble |\n"
           "                       wrong-command | glued                [none]\n"
           "                       silent: sends nothing at all; drop-echo: no echo;\n"
           "                       extra-byte: a '*' right behind each echo; garble:\n"
           "                       echoes another character; wrong-command: answers\n"
           "                       every command with \"Falsches Kommando\"; glued: the\n"
           "                       answer follows the last echo without a pause\n"
           "  fault-count=N        the fault hits only the first N characters\n"
           "                       (commands, answers); 0 = all        [0]\n"
           "  dump-limit=N         the I dump falls silent after N bytes; 0 = never\n"
           "  send-limit=N         falls silent for good after sending N bytes in all\n"
           "                       (echoes included); 0 = never\n"
           "  pace=0|1             send at 480 bytes/s as 4800 baud does [0]\n"
           "  answer-delay=MS      pause between last echo and answer  [50]\n"
           "  erase-ms=MS          time from C to \"EEProm geloescht\"  [5000]\n"
           "  erase-confirms=0|1   0: C is answered with the size line only, the\n"
           "                       erase never confirmed                [1]\n"
           "  erase-logs-out=0|1   1: after the erase the logger asks for its\n"
           "                       password again                      [0]\n";
}

} // namespace wg::sim
