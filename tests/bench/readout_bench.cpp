// How fast "ERLG     Daten lesen" reads a full event memory off a real line:
// the simulator program pacing 4800 baud (480 bytes/s) on a pseudo-terminal.
// Reports the transfer rate of the dump and the whole action against the
// protocol's own waits plus the transfer time. Not a timed test: run it by
// hand (build with -DWG_BENCH=ON).
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "evaluation/readout_dialog.h"
#include "posix_serial_port.h"
#include "resources/resource_ids.h"
#include "sim_process.h"
#include "support/fake_shell.h"

namespace {

using Clock = std::chrono::steady_clock;

// Notes when the bytes after the last write (the dump) arrive.
struct Arrivals {
    Clock::time_point first, last;
    std::size_t bytes = 0;
};

class TimedPort final : public wg::SerialPort {
public:
    TimedPort(const std::string& path, Arrivals& log) : port_(path), log_(log) {}
    wg::LinkStatus open(const std::string& n, std::uint16_t b) override { return port_.open(n, b); }
    wg::LinkStatus write(const char* bytes, std::size_t count, std::size_t& accepted) override {
        log_ = Arrivals{};
        return port_.write(bytes, count, accepted);
    }
    wg::LinkStatus read(std::size_t max, std::string& bytes) override {
        const wg::LinkStatus status = port_.read(max, bytes);
        if (!bytes.empty()) {
            log_.last = Clock::now();
            if (log_.bytes == 0) log_.first = log_.last;
            log_.bytes += bytes.size();
        }
        return status;
    }
    wg::LinkStatus close() override { return port_.close(); }

private:
    wg::test::PosixSerialPort port_;
    Arrivals& log_;
};

struct TimedPorts final : wg::SerialPortFactory {
    explicit TimedPorts(std::string path) : path(std::move(path)) {}
    std::unique_ptr<wg::SerialPort> create() override { return std::make_unique<TimedPort>(path, log); }
    std::string path;
    Arrivals log;
};

struct Run {
    double wholeSeconds = 0, transferSeconds = 0;  // the transfer: first to last byte of the dump
    std::size_t dumpBytes = 0;
    bool done = false;
};

// One readout from a logger holding `bytes` of event lines.
Run readOnce(const std::filesystem::path& work, std::size_t bytes) {
    const std::string state = (work / "state.txt").string();
    {
        std::ofstream out(state);
        out << "serial = 100234\nyacht-id = GER12\n" << (bytes ? "" : "no-events = 1\n");
        for (std::size_t n = 0; n < bytes; n += 38) out << "event = Generator Ein : 14.06.08 Sa 09:10:00\n";
    }
    wg::test::SimProcess sim({"--state=" + state, "--logged-in", "--pace=1"});
    Run run;
    if (!sim.ready()) return run;
    TimedPorts ports(sim.linkPath());
    wg::MessageText message;
    wg::test::FakeShell shell;
    wg::LoggerContext logger{ports, wg::systemClock(), message, shell};
    wg::YachtRecord yacht;
    wg::RegattaRecord regatta;
    regatta.regattaFileName = "Bench";
    wg::EvaluationRun flags;
    wg::ReadoutDialog dialog(logger, yacht, regatta, 0, flags, work.string() + "/");
    wg::test::FakeView view;
    const auto start = Clock::now();
    dialog.clicked(view, IDC_EV_READ);
    run.wholeSeconds = std::chrono::duration<double>(Clock::now() - start).count();
    run.done = flags.dataRead;
    run.dumpBytes = ports.log.bytes;
    run.transferSeconds = std::chrono::duration<double>(ports.log.last - ports.log.first).count();
    return run;
}

} // namespace

int main() {
    const auto work = std::filesystem::temp_directory_path() / "wg_readout_bench";
    std::filesystem::remove_all(work);
    std::filesystem::create_directories(work);
    // The same action with an empty event memory: every drain, echo and
    // collection window of the protocol, and no transfer.
    const Run empty = readOnce(work, 0);
    const Run full = readOnce(work, 40 * 1024);
    std::filesystem::remove_all(work);
    if (!empty.done || !full.done) {
        std::fprintf(stderr, "readout did not complete (empty %d, full %d)\n", empty.done, full.done);
        return 1;
    }
    const double wire = 480.0;
    // The dump's first byte (the line feed before the first line) arrives
    // with the first read after the CR; the rate runs from there.
    const double rate = (full.dumpBytes - 1) / full.transferSeconds;
    const double transfer = full.dumpBytes / wire;
    const double allowed = (empty.wholeSeconds + transfer) * 1.05;
    std::printf("event memory dump          %zu bytes\n", full.dumpBytes);
    std::printf("transfer                   %.2f s, %.1f bytes/s = %.1f %% of %.0f bytes/s (need >= 95 %%)\n",
                full.transferSeconds, rate, 100.0 * rate / wire, wire);
    std::printf("protocol waits (empty mem) %.2f s\n", empty.wholeSeconds);
    std::printf("wire time of the dump      %.2f s\n", transfer);
    std::printf("whole ERLG Daten lesen     %.2f s = %.1f %% of waits + transfer; allowed %.2f s: %s\n",
                full.wholeSeconds, 100.0 * full.wholeSeconds / (empty.wholeSeconds + transfer), allowed,
                full.wholeSeconds <= allowed ? "ok" : "TOO SLOW");
    return rate >= 0.95 * wire && full.wholeSeconds <= allowed ? 0 : 2;
}
