// One preparation of a logger against the simulator program pacing 480 bytes/s on a pseudo-terminal, step by step,
// against its allowance: its protocol waits (the same preparation on the virtual clock, which counts every wait and
// answer delay), the wire time of its bytes both ways, plus 5 %. Not a timed test: run it by hand (-DWG_BENCH=ON).
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>

#include "logger_device.h"
#include "posix_serial_port.h"
#include "sim_process.h"
#include "simulated_port.h"
#include "support/fakes.h"
#include "yacht/fleet_preparation.h"

namespace {

using wg::PreparationStep;
constexpr int kEraseMs = 3000;

// One preparation on `clock`: the time and the bytes `moved` where each step began and at the end; empty if it failed.
std::vector<std::tuple<PreparationStep, double, std::size_t>> prepare(wg::SerialPortFactory& ports, wg::Clock& clock,
                                                                      const std::filesystem::path& data,
                                                                      const std::function<std::size_t()>& moved) {
    wg::MessageText message;
    wg::test::FakeShell shell;
    wg::LoggerContext logger{ports, clock, message, shell};
    wg::RegattaRecord regatta{"", "Bench", "", 0, {5, 9, 0, 3, 6, 4}, {30, 17, 0, 4, 6, 4}, {}, {}};
    int timeZone = 0;
    wg::PcTime sample;
    wg::PreparationPlace place{logger, regatta, timeZone, sample, data.string() + "/", "BENCH", "bench"};
    std::vector<std::tuple<PreparationStep, double, std::size_t>> marks;
    wg::PreparationEvents events;
    events.stepBegins = [&](PreparationStep step) { marks.emplace_back(step, clock.nowMs() / 1000.0, moved()); };
    if (!wg::prepareLogger(place, {"GER12", "Bench", 4, 3, "MASTER", true}, events).prepared()) return {};
    marks.emplace_back(PreparationStep::Record, clock.nowMs() / 1000.0, moved());
    return marks;
}

} // namespace

int main() {
    const auto data = std::filesystem::temp_directory_path() / "wg_fleet_bench";
    std::filesystem::create_directories(data);
    wg::test::VirtualClock virtualClock;
    wg::sim::Behaviour behaviour;
    behaviour.eraseMs = kEraseMs;
    wg::sim::LoggerDevice device(wg::sim::DeviceState{}, behaviour);
    wg::sim::SimulatedPortFactory simulated(device, virtualClock);
    // The same bytes cross the line in both runs: the in-process logger counts them both ways.
    const auto waits = prepare(simulated, virtualClock, data, [&] { return device.received().size() + device.sent(); });
    wg::test::SimProcess sim({"--pace=1", "--erase-ms=" + std::to_string(kEraseMs)});
    if (!sim.ready()) return std::fprintf(stderr, "simulator did not start\n"), 1;
    wg::test::PosixPortFactory line(sim.linkPath());
    const auto real = prepare(line, wg::systemClock(), data, [] { return std::size_t(0); });
    std::filesystem::remove_all(data);
    if (waits.empty() || waits.size() != real.size()) return std::fprintf(stderr, "the preparation failed\n"), 1;

    std::printf("%-20s %8s %8s %8s %10s\n", "step", "taken", "waits", "wire", "allowance");
    double taken = 0, allowed = 0, waited = 0, wire = 0;
    bool stepsOk = true;
    for (std::size_t i = 0; i + 1 < real.size(); ++i) {
        const auto step = [&](const auto& marks) { return std::get<1>(marks[i + 1]) - std::get<1>(marks[i]); };
        const std::size_t bytes = std::get<2>(waits[i + 1]) - std::get<2>(waits[i]);
        const double seconds = step(real), wait = step(waits), onWire = bytes / 480.0;
        const double allowance = (wait + onWire) * 1.05;
        // The two files written at the end move no byte on the line; their time counts in the whole.
        const char* verdict = bytes == 0 ? "(Datei)" : seconds <= allowance ? "ok" : "TOO SLOW";
        std::printf("%-20s %7.2fs %7.2fs %7.2fs %9.2fs %8s\n", wg::stepKey(std::get<0>(real[i])), seconds, wait, onWire,
                    allowance, verdict);
        stepsOk = stepsOk && (bytes == 0 || seconds <= allowance);
        taken += seconds;
        allowed += allowance;
        waited += wait;
        wire += onWire;
    }
    std::printf("%-20s %7.2fs %7.2fs %7.2fs %9.2fs %8s\n", "whole preparation", taken, waited, wire, allowed,
                taken <= allowed ? "ok" : "TOO SLOW");
    return taken <= allowed && stepsOk ? 0 : 2;
}
