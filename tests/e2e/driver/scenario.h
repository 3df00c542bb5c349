#pragma once
#include <functional>
#include <string>
#include <vector>

#include "program.h"

namespace e2e {

// What a scenario has at hand, and where its findings go.
class Context {
public:
    Context(const Tree& tree, std::string shotDir, std::string shippedPassword)
        : tree(tree), shippedPassword(std::move(shippedPassword)), shotDir_(std::move(shotDir)) {}
    const Tree tree;
    // Set when a shipped package is under test: its settings file stays, and
    // this is its program password.
    const std::string shippedPassword;

    bool check(bool ok, const std::string& what, const char* file, int line);
    bool checkEqual(const std::string& actual, const std::string& expected, const std::string& what,
                    const char* file, int line);
    // A screenshot of the whole screen, when screenshots are asked for.
    void shot(const std::string& name);
    // The simulated logger on COM1 starts afresh with these settings
    // ("key = value" lines, as wg_logger_sim --help lists them).
    void setLogger(const std::string& settings);
    // Every byte the logger received since it last started afresh.
    std::string loggerReceived() const;
    // A line for the report, printed under the scenario's result.
    void note(const std::string& line) { notes_.push_back(line); }
    const std::vector<std::string>& failures() const { return failures_; }
    const std::vector<std::string>& notes() const { return notes_; }

private:
    std::string shotDir_;
    std::vector<std::string> failures_;
    std::vector<std::string> notes_;
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

std::string environment(const char* name);

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
