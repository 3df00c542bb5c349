// wg_logger_sim: a simulated engine-run logger on a pseudo-terminal.
#include <cstdio>
#include <cstring>
#include <memory>
#include <fstream>
#include <sstream>
#include <string>

#include "device_config.h"
#include "logger_device.h"
#include "pty_server.h"

namespace {

void printHelp() {
    std::printf(
        "Usage: wg_logger_sim [--link=PATH] [--log=PATH] [--state=FILE] [--KEY=VALUE ...]\n"
        "\n"
        "Serves a simulated ERLG engine-run logger on a pseudo-terminal. It echoes\n"
        "every character it receives singly and answers the commands X/A (login),\n"
        "D (identification), D0 (yacht ID), E (clock), G/H (regatta start/end),\n"
        "F (operating mode), T (coarse minutes), I (event memory), C (erase).\n"
        "On start it prints \"ready <slave path>\" on standard output; it runs until\n"
        "SIGINT or SIGTERM and then removes the link.\n"
        "\n"
        "  --link=PATH     create a symlink PATH to the pty slave (e.g. for Wine's\n"
        "                  COM1: wine64 reg add 'HKLM\\Software\\Wine\\Ports' /v COM1 /d PATH)\n"
        "  --log=PATH      record every received byte, one line each:\n"
        "                  \"<ms since start> rx <hex> <character>\"\n"
        "  --state=FILE    read settings from FILE, one \"KEY = VALUE\" per line\n"
        "                  (\"#\" starts a comment line); options given later win\n"
        "  --watch=FILE    like --state, and whenever FILE changes the logger starts\n"
        "                  afresh from the options and FILE (and the log anew); a\n"
        "                  missing FILE means the options alone\n"
        "  --KEY=VALUE     one setting (below); --pace and --logged-in alone mean =1\n"
        "  --help          this text\n"
        "\n"
        "Settings (KEY=VALUE) [default]:\n%s"
        "\n"
        "Logins: D, D0, F<digit>, E, G and H answer \"Passwort erforderlich\" until\n"
        "X<LF or CR><master>CR or A<LF or CR><user>CR succeeded.\n",
        wg::sim::settingsHelp().c_str());
}

bool readFile(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream all;
    all << in.rdbuf();
    text = all.str();
    return true;
}

} // namespace

int main(int argc, char** argv) {
    wg::sim::DeviceConfig config;
    wg::sim::PtyOptions options;
    std::string error;
    std::string watchPath;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            printHelp();
            return 0;
        }
        if (arg.rfind("--", 0) != 0) {
            std::fprintf(stderr, "wg_logger_sim: unexpected argument \"%s\" (see --help)\n", argv[i]);
            return 2;
        }
        arg = arg.substr(2);
        const auto equals = arg.find('=');
        const std::string key = arg.substr(0, equals);
        const std::string value = equals == std::string::npos ? "1" : arg.substr(equals + 1);
        if (key == "link") {
            options.linkPath = value;
        } else if (key == "log") {
            options.logPath = value;
        } else if (key == "watch") {
            watchPath = value;
        } else if (key == "state") {
            std::string text;
            if (!readFile(value, text)) {
                std::fprintf(stderr, "wg_logger_sim: cannot read %s\n", value.c_str());
                return 2;
            }
            if (!wg::sim::applySettingsText(config, text, error)) {
                std::fprintf(stderr, "wg_logger_sim: %s: %s\n", value.c_str(), error.c_str());
                return 2;
            }
        } else if (!wg::sim::applySetting(config, key, value, error)) {
            std::fprintf(stderr, "wg_logger_sim: %s (see --help)\n", error.c_str());
            return 2;
        }
    }
    // The watched file's contents: the device is rebuilt when they change.
    std::string watched;
    auto settingsOf = [&](const std::string& text) {
        wg::sim::DeviceConfig fromFile = config;
        std::string problem;
        if (!text.empty() && !wg::sim::applySettingsText(fromFile, text, problem))
            std::fprintf(stderr, "wg_logger_sim: %s: %s\n", watchPath.c_str(), problem.c_str());
        return fromFile;
    };
    if (!watchPath.empty()) readFile(watchPath, watched);
    wg::sim::DeviceConfig first = settingsOf(watched);
    auto device = std::make_unique<wg::sim::LoggerDevice>(first.state, first.behaviour);
    return wg::sim::servePty(
        [&](bool& fresh, std::string& note) -> wg::sim::LoggerDevice& {
            if (watchPath.empty()) return *device;
            std::string now;
            readFile(watchPath, now);
            if (now != watched) {
                watched = now;
                wg::sim::DeviceConfig next = settingsOf(watched);
                device = std::make_unique<wg::sim::LoggerDevice>(next.state, next.behaviour);
                fresh = true;
                note = watched.substr(0, watched.find('\n'));
            }
            return *device;
        },
        options);
}
