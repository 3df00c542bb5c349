// How fast "ERLG     Daten lesen" reads a full event memory off a real line:
// the simulator program pacing 4800 baud (480 bytes/s) on a pseudo-terminal.
// Reports the transfer rate of the dump and the whole action against the
// protocol's own waits plus the transfer time. Not a timed test: run it by
// hand (build with -DWG_BENCH=ON).
#include <chrono>
#include <cstdio>
#include <fstream>
#include <filesystem>
#include <string>
#include <vector>

#include "evaluation/readout_dialog.h"
#include "posix_serial_port.h"
#include "resources/resource_ids.h"
#include "sim_process.h"
#include "support/fake_shell.h"
#include "support/fake_view.h"

namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point t) { return std::chrono::duration<double>(Clock::now() - t).count(); }

// Notes when the dump's bytes arrive: the reads after the last write.
class TimedPort final : public wg::SerialPort {
public:
    struct Log {
        Clock::time_point lastWrite{};
        Clock::time_point firstByte{};
        Clock::time_point lastByte{};
        std::size_t bytesAfterWrite = 0;
        bool sawByte = false;
    };
    TimedPort(std::unique_ptr<wg::SerialPort> port, Log& log) : port_(std::move(port)), log_(log) {}
    wg::LinkStatus open(const std::string& n, std::uint16_t b) override { return port_->open(n, b); }
    wg::LinkStatus write(const char* bytes, std::size_t count, std::size_t& accepted) override {
        log_ = Log{};
        log_.lastWrite = Clock::now();
        return port_->write(bytes, count, accepted);
    }
    wg::LinkStatus read(std::size_t max, std::string& bytes) override {
        const wg::LinkStatus status = port_->read(max, bytes);
        if (!bytes.empty()) {
            const auto now = Clock::now();
            if (!log_.sawByte) log_.firstByte = now;
            log_.sawByte = true;
            log_.lastByte = now;
            log_.bytesAfterWrite += bytes.size();
        }
        return status;
    }
    wg::LinkStatus close() override { return port_->close(); }

private:
    std::unique_ptr<wg::SerialPort> port_;
    Log& log_;
};

class TimedFactory final : public wg::SerialPortFactory {
public:
    explicit TimedFactory(const std::string& path) : ports_(path) {}
    std::unique_ptr<wg::SerialPort> create() override {
        return std::make_unique<TimedPort>(ports_.create(), log);
    }
    TimedPort::Log log;

private:
    wg::test::PosixPortFactory ports_;
};

struct Run {
    double wholeSeconds = 0;
    double transferSeconds = 0;  // first to last byte of the dump
    std::size_t dumpBytes = 0;
    int progressShown = 0;  // repaints of the dialog with its progress text
    bool done = false;
};

Run readOnce(const std::filesystem::path& work, const std::string& stateFile) {
    wg::test::SimProcess sim({"--state=" + stateFile, "--logged-in", "--pace=1"});
    Run run;
    if (!sim.ready()) return run;
    TimedFactory ports(sim.linkPath());
    wg::MessageText message;
    wg::test::FakeShell shell;
    wg::LoggerContext logger{ports, wg::systemClock(), message, shell};
    wg::YachtRecord yacht;
    wg::RegattaRecord regatta;
    regatta.regattaFileName = "Bench";
    wg::EvaluationRun flags;
    const std::string data = work.string() + "/";
    wg::ReadoutDialog dialog(logger, yacht, regatta, 0, flags, data);
    wg::test::FakeView view;
    dialog.opened(view);

    const auto start = Clock::now();
    dialog.clicked(view, IDC_EV_READ);
    run.wholeSeconds = secondsSince(start);
    run.done = flags.dataRead;
    run.progressShown = view.repaints;
    // The dump's first byte (the line feed before the first line) arrives
    // with the first read after the CR; the rate runs from there.
    run.dumpBytes = ports.log.bytesAfterWrite;
    run.transferSeconds = std::chrono::duration<double>(ports.log.lastByte - ports.log.firstByte).count();
    return run;
}

std::string stateWithEvents(const std::filesystem::path& file, std::size_t bytes) {
    std::ofstream out(file);
    out << "serial = 100234\nyacht-id = GER12\ncoarse-minutes = 42\n";
    if (bytes == 0) {
        out << "no-events = 1\n";
    } else {
        const std::string line = "Generator Ein : 14.06.08 Sa 09:10:00";  // 38 bytes with CR LF
        for (std::size_t n = 0; n < bytes; n += line.size() + 2) out << "event = " << line << "\n";
    }
    return file.string();
}

} // namespace

int main() {
    const auto work = std::filesystem::temp_directory_path() / "wg_readout_bench";
    std::filesystem::remove_all(work);
    std::filesystem::create_directories(work);

    // The same action with an empty event memory: every drain, echo and
    // collection window of the protocol, and no transfer.
    const Run empty = readOnce(work, stateWithEvents(work / "empty.txt", 0));
    const Run full = readOnce(work, stateWithEvents(work / "full.txt", 40 * 1024));
    if (!empty.done || !full.done) {
        std::fprintf(stderr, "readout did not complete (empty %d, full %d)\n", empty.done, full.done);
        return 1;
    }
    const double wire = 480.0;
    const double rate = (full.dumpBytes - 1) / full.transferSeconds;
    const double transfer = full.dumpBytes / wire;
    const double allowed = (empty.wholeSeconds + transfer) * 1.05;
    std::printf("event memory dump          %zu bytes, %d repaints with the progress\n", full.dumpBytes, full.progressShown);
    std::printf("transfer                   %.2f s, %.1f bytes/s = %.1f %% of %.0f bytes/s (need >= 95 %%)\n",
                full.transferSeconds, rate, 100.0 * rate / wire, wire);
    std::printf("protocol waits (empty mem) %.2f s\n", empty.wholeSeconds);
    std::printf("wire time of the dump      %.2f s\n", transfer);
    std::printf("whole ERLG Daten lesen     %.2f s = %.1f %% of waits + transfer; allowed %.2f s: %s\n",
                full.wholeSeconds, 100.0 * full.wholeSeconds / (empty.wholeSeconds + transfer), allowed,
                full.wholeSeconds <= allowed ? "ok" : "TOO SLOW");
    std::filesystem::remove_all(work);
    return rate >= 0.95 * wire && full.wholeSeconds <= allowed ? 0 : 2;
}
