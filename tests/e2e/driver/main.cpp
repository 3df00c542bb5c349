// Runs the end-to-end scenarios against a Wakeguard folder and prints one
// line per scenario and "N passed, N failed".
#include <windows.h>

#include <cstdio>
#include <string>

#include "scenario.h"
#include "ui.h"

namespace e2e {

std::vector<Scenario>& scenarios() {
    static std::vector<Scenario> all;
    return all;
}

bool Context::check(bool ok, const std::string& what, const char* file, int line) {
    if (!ok) failures_.push_back(std::string(file) + ":" + std::to_string(line) + ": " + what);
    return ok;
}

static std::string visible(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\n') out += "\\n";
        else if (c == '\r') out += "\\r";
        else out += c;
    }
    return out;
}

bool Context::checkEqual(const std::string& actual, const std::string& expected, const std::string& what,
                         const char* file, int line) {
    if (actual == expected) return true;
    failures_.push_back(std::string(file) + ":" + std::to_string(line) + ": " + what + "\n      got:      \"" +
                        visible(actual) + "\"\n      expected: \"" + visible(expected) + "\"");
    return false;
}

void Context::shot(const std::string& name) {
    if (shotDir_.empty() || name.empty()) return;
    // Let the window finish painting first.
    waitFor([] { return false; }, 300);
    saveScreenshot(shotDir_ + name + ".bmp");
}

std::string environment(const char* name) {
    char value[1024] = {};
    DWORD n = GetEnvironmentVariableA(name, value, sizeof value);
    return n > 0 && n < sizeof value ? std::string(value, n) : std::string();
}

namespace {
int loggerGeneration = 0;
} // namespace

void Context::setLogger(const std::string& settings) {
    // A changing first line makes the simulator start afresh even for the
    // same settings.
    const std::string first = "# " + std::to_string(++loggerGeneration);
    writeFile(environment("WG_E2E_LOGGER_STATE"), first + "\n" + settings);
    // The simulator looks at the file at least once a second and then starts
    // its log with "fresh <first line>".
    const std::string log = environment("WG_E2E_LOGGER_LOG");
    check(waitFor([&] {
              std::string bytes;
              return readFile(log, bytes) && bytes.rfind("fresh " + first + "\n", 0) == 0;
          }, 5000),
          "the logger simulator took the new settings", __FILE__, __LINE__);
}

std::string Context::loggerReceived() const {
    std::string log;
    readFile(environment("WG_E2E_LOGGER_LOG"), log);
    // One line per byte: "<ms> rx <hex> <shown>".
    std::string bytes;
    std::size_t pos = 0;
    while ((pos = log.find(" rx ", pos)) != std::string::npos) {
        bytes += static_cast<char>(std::stoi(log.substr(pos + 4, 2), nullptr, 16));
        pos += 4;
    }
    return bytes;
}

} // namespace e2e

// A filter is one or more parts of scenario names, separated by "|".
static bool matches(const std::string& name, const std::string& filter) {
    if (filter.empty()) return true;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = filter.find('|', start);
        const std::string part = filter.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!part.empty() && name.find(part) != std::string::npos) return true;
        if (end == std::string::npos) return false;
        start = end + 1;
    }
}

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: wg_e2e_driver <Wakeguard folder\\> <result file> [filter] [screenshot folder\\]\n");
        return 2;
    }
    e2e::Tree tree{argv[1]};
    const std::string resultPath = argv[2];
    const std::string filter = argc > 3 ? argv[3] : "";
    const std::string shots = argc > 4 ? argv[4] : "";
    // A shipped package is tested with its own settings file: it is put back
    // before every scenario, and the scenarios log in with its password.
    const std::string shippedPassword = e2e::environment("WG_E2E_SHIPPED_PASSWORD");
    std::string shippedSettings;
    if (!shippedPassword.empty() && !e2e::readFile(tree.settingsFile(), shippedSettings)) {
        std::fprintf(stderr, "the package has no init\\Wakeguard.ini\n");
        return 2;
    }
    std::string report;
    int passed = 0, failed = 0;
    for (const e2e::Scenario& scenario : e2e::scenarios()) {
        if (!matches(scenario.name, filter)) continue;
        e2e::clearFolder(tree.init());
        e2e::clearFolder(tree.data());
        if (!shippedPassword.empty()) e2e::writeFile(tree.settingsFile(), shippedSettings);
        e2e::Context ctx(tree, shots, shippedPassword);
        ctx.setLogger("");  // the demo logger, fresh for every scenario
        const DWORD start = GetTickCount();
        scenario.run(ctx);
        const double seconds = (GetTickCount() - start) / 1000.0;
        char line[512];
        std::snprintf(line, sizeof line, "%s  %-60s %6.1f s\n", ctx.failures().empty() ? "PASS" : "FAIL",
                      scenario.name.c_str(), seconds);
        report += line;
        for (const std::string& failure : ctx.failures()) report += "    " + failure + "\n";
        for (const std::string& note : ctx.notes()) report += "    " + note + "\n";
        (ctx.failures().empty() ? passed : failed)++;
        std::fputs(line, stdout);
        std::fflush(stdout);
    }
    report += std::to_string(passed) + " passed, " + std::to_string(failed) + " failed\n";
    e2e::writeFile(resultPath, report);
    std::fputs(report.c_str(), stdout);
    return failed == 0 && passed > 0 ? 0 : 1;
}
