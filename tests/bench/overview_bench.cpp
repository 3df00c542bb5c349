// The regatta overview of 300 yachts with 2 000 event lines each against
// evaluating the same files alone, and 30 yachts against 300. Prints the
// ratios and the size of the HTML page.
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
std::string dir() { return kDir.string() + "/"; }
std::string regattaName(long yachts) { return "Bench" + std::to_string(yachts); }

class NoConsole final : public wg::Console {
public:
    void line(const std::string&) override {}
};

// What "Berechnen" does for every yacht regatta data file of the regatta.
void EvaluateAlone(benchmark::State& state) {
    for (auto _ : state) {
        wg::RegattaRecord regatta;
        regatta.path = dir() + regattaName(state.range(0)) + ".rsd";
        wg::readRegattaData(regatta, wg::systemClock());
        for (const auto& entry : std::filesystem::directory_iterator(kDir)) {
            const std::string name = entry.path().filename().string();
            if (name.rfind(regattaName(state.range(0)) + "-", 0) != 0 || entry.path().extension() != ".yrd") continue;
            wg::CountingShell shell;
            wg::YachtRecord yacht;
            wg::clearYachtRecord(yacht);
            yacht.regattaFileName = dir() + name;
            wg::evaluate(shell, yacht, regatta, "", wg::systemClock());
            benchmark::DoNotOptimize(yacht.evaluation.engineTotalSeconds);
        }
    }
}

void WholeOverview(benchmark::State& state) {
    NoConsole console;
    for (auto _ : state) {
        const wg::OverviewResult result = wg::runOverview({"--daten", dir(), regattaName(state.range(0)) + ".rsd"},
                                                          wg::PcTime{}, console, wg::systemClock());
        if (result.exitCode != wg::kExitDone) state.SkipWithError("overview failed");
    }
}

// Others share the machine: the median of five runs of a few seconds each.
BENCHMARK(EvaluateAlone)->Arg(300)->Unit(benchmark::kMillisecond)->MinTime(2)->Repetitions(5);
BENCHMARK(WholeOverview)->Arg(30)->Arg(300)->Unit(benchmark::kMillisecond)->MinTime(2)->Repetitions(5);

class TimeKeeper final : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
                const std::string name = run.run_name.function_name + "/" + run.run_name.args;
                wall[name] = run.GetAdjustedRealTime();
                cpu[name] = run.GetAdjustedCPUTime();
            }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> wall, cpu;
};

} // namespace

int main(int argc, char** argv) {
    std::filesystem::remove_all(kDir);
    std::filesystem::create_directories(kDir);
    for (long yachts : {30L, 300L}) {
        const std::string problem = wg::gen::generateRegatta(dir(), {regattaName(yachts), int(yachts), 2000, 7});
        if (!problem.empty()) return std::fprintf(stderr, "%s\n", problem.c_str()), 1;
    }
    benchmark::Initialize(&argc, argv);
    TimeKeeper keeper;
    benchmark::RunSpecifiedBenchmarks(&keeper);
    // Wall-clock time counts what the user waits; processor time is steadier
    // on a machine that others share.
    for (auto [what, t] : {std::pair{"wall", &keeper.wall}, std::pair{"cpu", &keeper.cpu}}) {
        const double alone = (*t)["EvaluateAlone/300"], small = (*t)["WholeOverview/30"], large = (*t)["WholeOverview/300"];
        if (alone > 0 && small > 0 && large > 0)
            std::printf("%-4s 300 yachts x 2000 lines: overview %.0f ms, evaluation alone %.0f ms, ratio %.2f (at most "
                        "1.3); overview 300 / 30 yachts %.2f (within 11)\n",
                        what, large, alone, large / alone, large / small);
    }
    std::printf("HTML page of 300 yachts: %.2f MB (under 5)\n",
                std::filesystem::file_size(kDir / (regattaName(300) + "-Uebersicht.html")) / 1e6);
    std::filesystem::remove_all(kDir);
    benchmark::Shutdown();
    return 0;
}
