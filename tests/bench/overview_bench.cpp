// The regatta overview of 300 yachts with 2 000 event lines each against evaluating the same files alone, and 30 yachts
// against 300. Prints the ratios (median of five runs) and the size of the HTML page.
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
// Each regatta in a folder of its own.
std::string folder(long yachts) { return (kDir / std::to_string(yachts)).string() + "/"; }

// What "Berechnen" does for every yacht regatta data file of the regatta.
void EvaluateAlone(benchmark::State& state) {
    for (auto _ : state) {
        wg::RegattaRecord record;
        record.path = folder(state.range(0)) + "Bench.rsd";
        wg::readRegattaData(record, wg::systemClock());
        for (const auto& entry : std::filesystem::directory_iterator(folder(state.range(0))))
            if (entry.path().extension() == ".yrd") {
                wg::CountingShell shell;
                wg::YachtRecord yacht;
                yacht.regattaFileName = entry.path().string();
                wg::evaluate(shell, yacht, record, "", wg::systemClock());
            }
    }
}

void WholeOverview(benchmark::State& state) {
    struct : wg::Console {
        void line(const std::string&) override {}
    } console;
    for (auto _ : state)
        if (wg::runOverview({"--daten", folder(state.range(0))}, {}, console, wg::systemClock()).exitCode)
            state.SkipWithError("overview failed");
}

// Others share the machine: the median of five runs; processor time counts all of the overview's threads.
BENCHMARK(EvaluateAlone)->Arg(300)->Unit(benchmark::kMillisecond)->MinTime(2)->Repetitions(5)->MeasureProcessCPUTime();
BENCHMARK(WholeOverview)->Arg(30)->Arg(300)->Unit(benchmark::kMillisecond)->MinTime(2)->Repetitions(5)
    ->MeasureProcessCPUTime();

struct Medians final : benchmark::ConsoleReporter {
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
                times[0][run.run_name.function_name + "/" + run.run_name.args] = run.GetAdjustedRealTime();
                times[1][run.run_name.function_name + "/" + run.run_name.args] = run.GetAdjustedCPUTime();
            }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> times[2];  // wall-clock time, processor time
};

} // namespace

int main(int argc, char** argv) {
    for (int yachts : {30, 300}) {
        std::filesystem::remove_all(folder(yachts));
        std::filesystem::create_directories(folder(yachts));
        if (!wg::gen::generateRegatta(folder(yachts), {"Bench", yachts, 2000, 7}).empty()) return 1;
    }
    benchmark::Initialize(&argc, argv);
    Medians medians;
    benchmark::RunSpecifiedBenchmarks(&medians);
    // Wall-clock time is what the user waits; processor time is steadier.
    for (auto& t : medians.times)
        std::printf("%s 300 yachts x 2000 lines: overview %.0f ms, evaluation alone %.0f ms, ratio %.2f (at most 1.3); "
                    "overview 300 / 30 yachts %.2f (within 11)\n", &t == medians.times ? "wall" : "cpu ",
                    t["WholeOverview/300"], t["EvaluateAlone/300"], t["WholeOverview/300"] / t["EvaluateAlone/300"],
                    t["WholeOverview/300"] / t["WholeOverview/30"]);
    std::printf("HTML page of 300 yachts: %.2f MB (under 5)\n",
                std::filesystem::file_size(folder(300) + "Bench-Uebersicht.html") / 1e6);
    std::filesystem::remove_all(kDir);
    return 0;
}
