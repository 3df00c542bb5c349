#pragma once
#include <functional>
#include <string>
#include <vector>

#include "program.h"

namespace e2e {

// The two simulated loggers: one on COM1, one that Wine's COM4 and COM12 both reach.
enum class Logger { OnCom1, OnCom4AndCom12 };

// What a scenario has at hand, and where its findings go.
struct Context {
    const Tree tree;
    // Set when a shipped package is under test: its settings stay, and this is its password.
    const std::string shippedPassword;
    const std::string shotDir;  // empty: no screenshots
    std::vector<std::string> failures;
    std::vector<std::string> notes;  // lines printed under the scenario's result

    bool check(bool ok, const std::string& what, const char* file, int line);
    bool checkEqual(const std::string& actual, const std::string& expected, const std::string& what,
                    const char* file, int line);
    // A screenshot of the whole screen, when screenshots are asked for.
    void shot(const std::string& name);
    // A simulated logger starts afresh with these "key = value" lines (wg_logger_sim --help).
    void setLogger(const std::string& settings, Logger logger = Logger::OnCom1);
    // Every byte the logger received since it last started afresh.
    std::string loggerReceived(Logger logger = Logger::OnCom1) const;
};

struct Scenario {
    std::string name;
    std::function<void(Context&)> run;
};

std::vector<Scenario>& scenarios();

// Registers a scenario; a table registers one per row.
struct Register {
    Register(std::string name, std::function<void(Context&)> run) {
        scenarios().push_back({std::move(name), std::move(run)});
    }
};

} // namespace e2e

#define E2E_CONCAT2(a, b) a##b
#define E2E_CONCAT(a, b) E2E_CONCAT2(a, b)
#define SCENARIO(name)                                                                              \
    static void E2E_CONCAT(scenario_, __LINE__)(e2e::Context & ctx);                               \
    static e2e::Register E2E_CONCAT(registered_, __LINE__)(name, E2E_CONCAT(scenario_, __LINE__)); \
    static void E2E_CONCAT(scenario_, __LINE__)(e2e::Context & ctx)
#define CHECK(cond) ctx.check((cond), #cond, __FILE__, __LINE__)
#define CHECK_TEXT(actual, expected) ctx.checkEqual((actual), (expected), #actual, __FILE__, __LINE__)
// Ends the scenario when a step it depends on failed.
#define REQUIRE(cond) do { if (!CHECK(cond)) return; } while (0)
// The window `expression` finds, as `name`; ends the scenario when none comes.
#define REQUIRE_WINDOW(name, expression) \
    HWND name = (expression);            \
    REQUIRE(name != nullptr)
