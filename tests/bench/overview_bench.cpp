// The regatta overview of 300 yachts with 2 000 event lines each against
// evaluating the same files alone, and 30 yachts against 300. Prints the
// ratios (median of five runs) and the size of the HTML page.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <map>

#include "evaluation/event_log.h"
#include "files/regatta_file.h"
#include "overview/counting_shell.h"
#include "overview/overview_program.h"
#include "regatta_generator.h"

namespace {

const std::filesystem::path kDir = std::filesystem::temp_directory_path() / "wg-overview-bench";
const std::string kDirText = kDir.string() + "/";
std::string regatta(long yachts) { return "Bench" + std::to_string(yachts); }

// What "Berechnen" does for every yacht regatta data file of the regatta.
void EvaluateAlone(benchmark::State& state) {
    for (auto _ : state) {
        wg::RegattaRecord record;
        record.path = kDirText + regatta(state.range(0)) + ".rsd";
        wg::readRegattaData(record, wg::systemClock());
        for (const auto& entry : std::filesystem::directory_iterator(kDir)) {
            const std::string name = entry.path().filename().string();
            if (name.rfind(regatta(state.range(0)) + "-", 0) != 0 || entry.path().extension() != ".yrd") continue;
            wg::CountingShell shell;
            wg::YachtRecord yacht;
            yacht.regattaFileName = kDirText + name;
            wg::evaluate(shell, yacht, record, "", wg::systemClock());
        }
    }
}

void WholeOverview(benchmark::State& state) {
    struct : wg::Console {
        void line(const std::string&) override {}
    } console;
    for (auto _ : state)
        if (wg::runOverview({"--daten", kDirText, regatta(state.range(0)) + ".rsd"}, {}, console, wg::systemClock())
                .exitCode != wg::kExitDone)
            state.SkipWithError("overview failed");
}

// Others share the machine: the median of five runs of a few seconds each.
BENCHMARK(EvaluateAlone)->Arg(300)->Unit(benchmark::kMillisecond)->MinTime(2)->Repetitions(5);
BENCHMARK(WholeOverview)->Arg(30)->Arg(300)->Unit(benchmark::kMillisecond)->MinTime(2)->Repetitions(5);

struct Medians final : benchmark::ConsoleReporter {
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                for (const char* clock : {"wall", "cpu"})
                    times[clock][run.run_name.function_name + "/" + run.run_name.args] =
                        clock[0] == 'w' ? run.GetAdjustedRealTime() : run.GetAdjustedCPUTime();
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, std::map<std::string, double>> times;
};

} // namespace

int main(int argc, char** argv) {
    std::filesystem::remove_all(kDir);
    std::filesystem::create_directories(kDir);
    for (int yachts : {30, 300})
        if (!wg::gen::generateRegatta(kDirText, {regatta(yachts), yachts, 2000, 7}).empty()) return 1;
    benchmark::Initialize(&argc, argv);
    Medians medians;
    benchmark::RunSpecifiedBenchmarks(&medians);
    // Wall-clock time is what the user waits; processor time is steadier.
    for (auto& [clock, t] : medians.times)
        std::printf("%-4s 300 yachts x 2000 lines: overview %.0f ms, evaluation alone %.0f ms, ratio %.2f (at most 1.3); "
                    "overview 300 / 30 yachts %.2f (within 11)\n",
                    clock.c_str(), t["WholeOverview/300"], t["EvaluateAlone/300"],
                    t["WholeOverview/300"] / t["EvaluateAlone/300"], t["WholeOverview/300"] / t["WholeOverview/30"]);
    std::printf("HTML page of 300 yachts: %.2f MB (under 5)\n",
                std::filesystem::file_size(kDir / (regatta(300) + "-Uebersicht.html")) / 1e6);
    std::filesystem::remove_all(kDir);
    return 0;
}
