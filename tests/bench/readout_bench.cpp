// How fast "ERLG     Daten lesen" reads a full event memory off the simulator program pacing 480 bytes/s on a
// pseudo-terminal. With an empty memory it takes every drain, echo and collection window and no transfer; the
// difference is what the dump costs, against its time on the wire. Not a timed test: run it by hand (-DWG_BENCH=ON).
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "evaluation/readout_dialog.h"
#include "posix_serial_port.h"
#include "resources/resource_ids.h"
#include "sim_process.h"
#include "support/fakes.h"

namespace {

// Seconds one readout takes from a logger holding `lines` event lines; 0 when it failed.
double readOnce(const std::filesystem::path& work, int lines) {
    const std::string state = (work / "state.txt").string();
    {
        std::ofstream out(state);
        out << "serial = 100234\nyacht-id = GER12\n" << (lines ? "" : "no-events = 1\n");
        for (int n = 0; n < lines; ++n) out << "event = Generator Ein : 14.06.08 Sa 09:10:00\n";
    }
    wg::test::SimProcess sim({"--state=" + state, "--logged-in", "--pace=1"});
    if (!sim.ready()) return 0;
    wg::test::PosixPortFactory ports(sim.linkPath());
    wg::MessageText message;
    wg::test::FakeShell shell;
    wg::LoggerContext logger{ports, wg::systemClock(), message, shell};
    wg::YachtRecord yacht;
    wg::RegattaRecord regatta;
    regatta.regattaFileName = "Bench";
    wg::EvaluationRun flags;
    wg::ReadoutDialog dialog(logger, yacht, regatta, 0, flags, work.string() + "/");
    wg::test::FakeView view;
    const auto start = std::chrono::steady_clock::now();
    dialog.clicked(view, IDC_EV_READ);
    const std::chrono::duration<double> taken = std::chrono::steady_clock::now() - start;
    return flags.dataRead ? taken.count() : 0;
}

} // namespace

int main() {
    const auto work = std::filesystem::temp_directory_path() / "wg_readout_bench";
    std::filesystem::create_directories(work);
    const int lines = 40 * 1024 / 38;  // 40 KB of lines of 38 bytes with CR LF
    const double empty = readOnce(work, 0), full = readOnce(work, lines);
    std::filesystem::remove_all(work);
    if (empty == 0 || full == 0) return std::fprintf(stderr, "readout did not complete\n"), 1;
    const double wire = 480.0, bytes = lines * 38.0 + 17;  // the lines, the LF before them, the end line
    const double rate = bytes / (full - empty);
    std::printf("event memory dump          %.0f bytes, %.2f s on the wire\n", bytes, bytes / wire);
    std::printf("protocol waits (empty mem) %.2f s\n", empty);
    std::printf("whole ERLG Daten lesen     %.2f s\n", full);
    std::printf("dump read at               %.1f bytes/s = %.1f %% of %.0f bytes/s (need >= 95 %%): %s\n", rate,
                100.0 * rate / wire, wire, rate >= 0.95 * wire ? "ok" : "TOO SLOW");
    return rate >= 0.95 * wire ? 0 : 2;
}
