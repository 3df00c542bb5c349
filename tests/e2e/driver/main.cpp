// Runs the end-to-end scenarios against a Wakeguard folder and prints one line per scenario and "N passed, N failed".
#include <cstdio>

#include "scenario.h"
#include "ui.h"

namespace e2e {

std::vector<Scenario>& scenarios() {
    static std::vector<Scenario> all;
    return all;
}

bool Context::check(bool ok, const std::string& what, const char* file, int line) {
    if (!ok) failures.push_back(std::string(file) + ":" + std::to_string(line) + ": " + what);
    return ok;
}

static std::string visible(std::string text) {
    for (std::size_t at = 0; (at = text.find_first_of("\r\n", at)) != std::string::npos; at += 2)
        text.replace(at, 1, text[at] == '\n' ? "\\n" : "\\r");
    return text;
}

bool Context::checkEqual(const std::string& actual, const std::string& expected, const std::string& what,
                         const char* file, int line) {
    return check(actual == expected,
                 what + "\n      got:      \"" + visible(actual) + "\"\n      expected: \"" + visible(expected) + "\"",
                 file, line);
}

void Context::shot(const std::string& name) {
    if (shotDir.empty() || name.empty()) return;
    waitFor([] { return false; }, 300);  // the window finishes painting first
    saveScreenshot(shotDir + name + ".bmp");
}

static std::string environment(const char* name) {
    char value[1024] = {};
    DWORD n = GetEnvironmentVariableA(name, value, sizeof value);
    return n < sizeof value ? std::string(value, n) : std::string();
}

static std::string loggerFile(Logger logger, const char* what) {
    return environment((std::string("WG_E2E_LOGGER") + (logger == Logger::OnCom1 ? "_" : "2_") + what).c_str());
}

void Context::setLogger(const std::string& settings, Logger logger) {
    // A new first line makes the simulator start afresh; within a second it begins its log "fresh <first line>".
    static int generation = 0;
    const std::string first = "# " + std::to_string(++generation);
    writeFile(loggerFile(logger, "STATE"), first + "\n" + settings);
    check(waitFor([&] { return fileText(loggerFile(logger, "LOG")).rfind("fresh " + first + "\n", 0) == 0; },
                  5000),
          "the logger simulator took the new settings", __FILE__, __LINE__);
}

std::string Context::loggerReceived(Logger logger) const {
    const std::string log = fileText(loggerFile(logger, "LOG"));
    std::string bytes;
    // One line per byte: "<ms> rx <hex> <shown>".
    for (std::size_t at = 0; (at = log.find(" rx ", at)) != std::string::npos; at += 4)
        bytes += static_cast<char>(std::stoi(log.substr(at + 4, 2), nullptr, 16));
    return bytes;
}

} // namespace e2e

// A filter is one or more parts of scenario names, separated by "|".
static bool matches(const std::string& name, const std::string& filter) {
    std::size_t start = 0, end = 0;
    do {
        end = filter.find('|', start);
        if (name.find(filter.substr(start, end - start)) != std::string::npos) return true;
        start = end + 1;
    } while (end != std::string::npos);
    return false;
}

int main(int argc, char** argv) {
    if (argc < 3)
        return std::fprintf(stderr, "usage: wg_e2e_driver <Wakeguard folder\\> <result file> [filter] "
                                    "[screenshot folder\\]\n"), 2;
    // Coordinates and screenshots in the screen's own pixels at any display scaling.
    SetProcessDPIAware();
    // A run that asks for a system code page or a display scaling makes sure Wine gave them.
    for (const auto& [setting, actual] : {std::pair{"WG_E2E_CODE_PAGE", int(GetACP())}, {"WG_E2E_DPI", e2e::screenDpi()}})
        if (!e2e::environment(setting).empty() && e2e::environment(setting) != std::to_string(actual))
            return std::fprintf(stderr, "%s: Wine gives %d\n", setting, actual), 2;
    const e2e::Tree tree{argv[1]};
    const std::string filter = argc > 3 ? argv[3] : "", shots = argc > 4 ? argv[4] : "";
    // A shipped package keeps its settings file, put back before every scenario, and logs in with its password.
    const std::string shippedPassword = e2e::environment("WG_E2E_SHIPPED_PASSWORD");
    std::string shippedSettings, report;
    if (!shippedPassword.empty() && (shippedSettings = e2e::fileText(tree.settingsFile())).empty())
        return std::fprintf(stderr, "the package has no init\\Wakeguard.ini\n"), 2;
    int passed = 0, failed = 0;
    for (const e2e::Scenario& scenario : e2e::scenarios()) {
        if (!matches(scenario.name, filter)) continue;
        e2e::clearFolder(tree.init());
        e2e::clearFolder(tree.data());
        if (!shippedPassword.empty()) e2e::writeFile(tree.settingsFile(), shippedSettings);
        e2e::Context ctx{tree, shippedPassword, shots, {}, {}};
        ctx.setLogger("");  // the demo logger on COM1, fresh for every scenario
        const DWORD start = GetTickCount();
        scenario.run(ctx);
        char line[512];
        std::snprintf(line, sizeof line, "%s  %-60s %6.1f s\n", ctx.failures.empty() ? "PASS" : "FAIL",
                      scenario.name.c_str(), (GetTickCount() - start) / 1000.0);
        report += line;
        for (const std::string& failure : ctx.failures) report += "    " + failure + "\n";
        for (const std::string& note : ctx.notes) report += "    " + note + "\n";
        (ctx.failures.empty() ? passed : failed)++;
        std::fputs(line, stdout);
        std::fflush(stdout);
    }
    report += std::to_string(passed) + " passed, " + std::to_string(failed) + " failed\n";
    e2e::writeFile(argv[2], report);
    std::fputs(report.c_str(), stdout);
    return failed == 0 && passed > 0 ? 0 : 1;
}
