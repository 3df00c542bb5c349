#include <gtest/gtest.h>

#include <chrono>

#include "logger/identification.h"
#include "posix_serial_port.h"
#include "sim_process.h"
#include "support/fakes.h"

namespace wg::test {
namespace {

long long msSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
}

// The exchange code against the simulator program on a real line, its answers late enough to leave each echo alone.
struct OnTheLine {
    explicit OnTheLine(const std::vector<std::string>& args) : sim(args) { shell.shows = &message; }
    SimProcess sim;
    PosixPortFactory ports{sim.linkPath()};
    MessageText message;
    FakeShell shell;
    LoggerContext context{ports, systemClock(), message, shell};
};

// Echo reads of 1 byte take a stray byte behind the echo of "D" for that of CR: the CR goes again, the query succeeds.
TEST(Line, StrayByteBehindAnEchoMakesTheNextCharacterGoAgain) {
    OnTheLine line({"--answer-delay=250", "--logged-in", "--serial=654321", "--yacht-id=SUI7", "--fault=extra-byte",
                    "--fault-count=1"});
    ASSERT_TRUE(line.sim.ready());
    YachtRecord yacht;
    EXPECT_EQ(identificationQuery(line.context, yacht), kIdentified);
    EXPECT_EQ(line.sim.received(), "D\r\r");
    EXPECT_EQ(yacht.serialNumber + " " + yacht.yachtId, "654321 SUI7");
}

TEST(Line, ReadReturnsTheEchoAloneAtOnceAndWaitsASecondOnSilence) {
    SimProcess sim({"--answer-delay=250"});
    ASSERT_TRUE(sim.ready());
    PosixSerialPort port;
    ASSERT_EQ(port.open(sim.linkPath(), 4800), kLinkOk);
    std::size_t accepted = 0;
    std::string bytes;
    auto start = std::chrono::steady_clock::now();
    port.write("F", 1, accepted);
    EXPECT_EQ(port.read(3, bytes), kLinkOk);
    EXPECT_EQ(bytes, "F");
    EXPECT_LT(msSince(start), 500);
    // The answer comes a moment after the echo of the command's end.
    port.write("\r", 1, accepted);
    port.read(3, bytes);
    EXPECT_EQ(bytes, "\r");
    port.read(100, bytes);
    EXPECT_EQ(bytes, "\nBetriebsart: 3\r\n");
    start = std::chrono::steady_clock::now();
    EXPECT_EQ(port.read(10, bytes), kLinkOk);
    EXPECT_EQ(bytes, "");
    EXPECT_GE(msSince(start), 900);
    EXPECT_LT(msSince(start), 1500);
    EXPECT_EQ(port.close(), kLinkOk);
}

TEST(Line, PacedDumpRunsAtTheLineRate) {
    std::vector<std::string> args = {"--pace"};
    for (int i = 0; i < 30; ++i) args.push_back("--event=Generator Ein : 14.06.08 Sa 10:15:00");
    SimProcess sim(args);
    ASSERT_TRUE(sim.ready());
    PosixSerialPort port;
    ASSERT_EQ(port.open(sim.linkPath(), 4800), kLinkOk);
    std::size_t accepted = 0;
    port.write("I\r", 2, accepted);
    std::string dump, bytes;
    const auto start = std::chrono::steady_clock::now();
    long long firstMs = -1;
    while (dump.find("Ereigniss Ende\r\n") == std::string::npos && msSince(start) < 10000) {
        port.read(100, bytes);
        if (!bytes.empty() && firstMs < 0) firstMs = msSince(start);
        dump += bytes;
    }
    // Two echoes, the answer's LF, 30 lines of 38 characters and the end line.
    ASSERT_EQ(dump.size(), 2u + 1u + 30u * 38u + 16u);
    const double rate = (dump.size() - 1) * 1000.0 / static_cast<double>(msSince(start) - firstMs);
    EXPECT_GT(rate, 480 * 0.85);
    EXPECT_LT(rate, 480 * 1.15);
}

} // namespace
} // namespace wg::test
