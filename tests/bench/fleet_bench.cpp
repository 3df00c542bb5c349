// How long one preparation of a logger takes against the simulator program
// pacing 4800 baud (480 bytes/s) on a pseudo-terminal, step by step, against
// its allowance: the protocol's own waits (the same preparation on the
// virtual clock with the in-process logger, which counts every wait and
// answer delay and no transfer), plus the wire time of the bytes the step
// moved both ways, plus 5 %. Not a timed test: run it by hand (build with
// -DWG_BENCH=ON).
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <map>

#include "logger_device.h"
#include "posix_serial_port.h"
#include "sim_process.h"
#include "simulated_port.h"
#include "support/fakes.h"
#include "yacht/fleet_preparation.h"

namespace {

using wg::PreparationStep;
constexpr int kEraseMs = 3000;

// Counts the bytes that cross a factory's ports both ways.
class CountingPorts final : public wg::SerialPortFactory {
public:
    explicit CountingPorts(wg::SerialPortFactory& inner) : inner_(inner) {}
    std::unique_ptr<wg::SerialPort> create() override { return std::make_unique<Port>(inner_.create(), bytes); }
    std::size_t bytes = 0;

private:
    struct Port final : wg::SerialPort {
        Port(std::unique_ptr<wg::SerialPort> inner, std::size_t& bytes) : inner(std::move(inner)), bytes(bytes) {}
        wg::LinkStatus open(const std::string& name, std::uint16_t baud) override { return inner->open(name, baud); }
        wg::LinkStatus write(const char* data, std::size_t count, std::size_t& accepted) override {
            const wg::LinkStatus status = inner->write(data, count, accepted);
            bytes += accepted;
            return status;
        }
        wg::LinkStatus read(std::size_t max, std::string& data) override {
            const wg::LinkStatus status = inner->read(max, data);
            bytes += data.size();
            return status;
        }
        wg::LinkStatus close() override { return inner->close(); }
        std::unique_ptr<wg::SerialPort> inner;
        std::size_t& bytes;
    };
    wg::SerialPortFactory& inner_;
};

struct StepFigures {
    double seconds = 0;
    std::size_t bytes = 0;
};

// One preparation through `ports` on `clock`: each step's time and bytes, in the order they ran.
std::vector<std::pair<PreparationStep, StepFigures>> prepare(wg::SerialPortFactory& inner, wg::Clock& clock,
                                                             const std::filesystem::path& data, bool& prepared) {
    CountingPorts ports(inner);
    wg::MessageText message;
    wg::test::FakeShell shell;
    wg::LoggerContext logger{ports, clock, message, shell};
    wg::RegattaRecord regatta;
    regatta.regattaFileName = "Bench";
    regatta.start = {5, 9, 0, 3, 6, 4};
    regatta.end = {30, 17, 0, 4, 6, 4};
    int timeZone = 0;
    wg::PcTime sample;
    wg::PreparationPlace place{logger, regatta, timeZone, sample, data.string() + "/", "BENCH", "bench"};
    std::vector<std::pair<PreparationStep, StepFigures>> steps;
    std::int64_t startMs = 0;
    std::size_t startBytes = 0;
    const auto close = [&] {
        if (steps.empty()) return;
        steps.back().second = {(clock.nowMs() - startMs) / 1000.0, ports.bytes - startBytes};
    };
    wg::PreparationEvents events;
    events.stepBegins = [&](PreparationStep step) {
        close();
        steps.push_back({step, {}});
        startMs = clock.nowMs();
        startBytes = ports.bytes;
    };
    const wg::PreparationOrder order{"GER12", "Bench", 4, 3, "MASTER", true};
    prepared = wg::prepareLogger(place, order, events).prepared();
    close();
    return steps;
}

} // namespace

int main() {
    const auto data = std::filesystem::temp_directory_path() / "wg_fleet_bench";
    std::filesystem::create_directories(data);
    bool virtualDone = false, realDone = false;
    wg::test::VirtualClock virtualClock;
    wg::sim::Behaviour behaviour;
    behaviour.eraseMs = kEraseMs;
    wg::sim::LoggerDevice device(wg::sim::DeviceState{}, behaviour);
    wg::sim::SimulatedPortFactory simulated(device, virtualClock);
    const auto waits = prepare(simulated, virtualClock, data, virtualDone);
    std::filesystem::remove_all(data);
    std::filesystem::create_directories(data);

    wg::test::SimProcess sim({"--pace=1", "--erase-ms=" + std::to_string(kEraseMs)});
    if (!sim.ready()) return std::fprintf(stderr, "simulator did not start\n"), 1;
    wg::test::PosixPortFactory line(sim.linkPath());
    const auto real = prepare(line, wg::systemClock(), data, realDone);
    std::filesystem::remove_all(data);
    if (!virtualDone || !realDone || waits.size() != real.size())
        return std::fprintf(stderr, "the preparation did not complete\n"), 1;

    std::printf("%-20s %8s %8s %8s %10s %8s\n", "step", "taken", "waits", "wire", "allowance", "");
    double taken = 0, allowed = 0, waited = 0, wire = 0;
    bool stepsOk = true;
    for (std::size_t i = 0; i < real.size(); ++i) {
        const StepFigures& r = real[i].second;
        const double wireSeconds = r.bytes / 480.0, allowance = (waits[i].second.seconds + wireSeconds) * 1.05;
        // The two files written at the end move no byte on the line; their time counts in the whole.
        const char* verdict = r.bytes == 0 ? "(Datei)" : r.seconds <= allowance ? "ok" : "TOO SLOW";
        std::printf("%-20s %7.2fs %7.2fs %7.2fs %9.2fs %8s\n", wg::stepKey(real[i].first), r.seconds,
                    waits[i].second.seconds, wireSeconds, allowance, verdict);
        stepsOk = stepsOk && (r.bytes == 0 || r.seconds <= allowance);
        taken += r.seconds;
        allowed += allowance;
        waited += waits[i].second.seconds;
        wire += wireSeconds;
    }
    std::printf("%-20s %7.2fs %7.2fs %7.2fs %9.2fs %8s\n", "whole preparation", taken, waited, wire, allowed,
                taken <= allowed ? "ok" : "TOO SLOW");
    return taken <= allowed && stepsOk ? 0 : 2;
}
