// Evaluating a yacht regatta data file against simply reading it byte by
// byte, for 10 000 and 100 000 event lines. Prints both times and their ratio.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <string>

#include "evaluation/event_log.h"

namespace {

class NoBoxShell final : public wg::Shell {
public:
    void runCommand(int) override {}
    void postCommand(int) override {}
    wg::BoxAnswer messageBox(const wg::BoxRequest&) override { return wg::BoxAnswer::Ok; }
    int runDialog(wg::DialogLogic&) override { return 0; }
    bool chooseFile(int, const std::string&, std::string&, std::string&) override { return false; }
    bool startProcess(const std::string&) override { return false; }
    void endProgram() override {}
    wg::PcTime systemTime() override { return {}; }
    wg::PcTime localTime() override { return {}; }
};

const std::filesystem::path kDir = std::filesystem::temp_directory_path() / "wg-bench";

std::string fileName(long lines) { return "bench-" + std::to_string(lines) + ".yrd"; }

// A file as a readout writes it: header, `lines` event lines of all five
// kinds spread over a day of racing, end line and finish block.
void writeFile(long lines) {
    std::string text =
        "$Dateikennung                           Yachtdaten\r\n"
        "$Yachtname                              Blue Star\r\n"
        "$Yacht-ID                               GER12\r\n"
        "$ERLG-Seriennummer                      4711\r\n"
        "$Betriebsart                            3\r\n"
        "$Siegel-Anzahl                          2\r\n";
    static const char* const heads[] = {"Generator Ein", "Generator Aus", "Getriebe Ein", "Getriebe Aus",
                                        "Stecker abgezogen", "Stecker angesteckt", "Start"};
    char line[96];
    for (long i = 0; i < lines; ++i) {
        const long second = 8 * 3600 + (i * 86400 / 2 / lines) * 2;  // from 08:00 on, in order
        std::snprintf(line, sizeof line, "$%s : 03.06.04 Do %02ld:%02ld:%02ld\r\n", heads[i % 7], second / 3600,
                      second / 60 % 60, second % 60);
        text += line;
    }
    text += "$Ereigniss Ende\r\n"
            "$Zielzeit_Stunde                        18\r\n"
            "$Zielzeit_Minute                        0\r\n"
            "$Zielzeit_Sekunde                       0\r\n"
            "$Zielzeit_Tag                           3\r\n"
            "$Zielzeit_Monat                         6\r\n"
            "$Zielzeit_Jahr                          4\r\n";
    std::filesystem::create_directories(kDir);
    std::FILE* f = std::fopen((kDir / fileName(lines)).c_str(), "wb");
    std::fwrite(text.data(), 1, text.size(), f);
    std::fclose(f);
}

void Evaluate(benchmark::State& state) {
    NoBoxShell shell;
    wg::RegattaRecord regatta;
    regatta.start = {0, 10, 0, 3, 6, 4};
    wg::YachtRecord yacht;
    yacht.regattaFileName = fileName(state.range(0));
    const std::string directory = kDir.string() + "/";
    for (auto _ : state) {
        wg::evaluate(shell, yacht, regatta, directory, wg::systemClock());
        benchmark::DoNotOptimize(yacht.evaluation.engineTotalSeconds);
    }
    state.SetBytesProcessed(state.iterations() * std::filesystem::file_size(kDir / fileName(state.range(0))));
}

void PlainRead(benchmark::State& state) {
    const std::string path = (kDir / fileName(state.range(0))).string();
    for (auto _ : state) {
        std::FILE* f = std::fopen(path.c_str(), "rb");
        long sum = 0;
        for (int c; (c = std::fgetc(f)) != EOF;) sum += c;
        std::fclose(f);
        benchmark::DoNotOptimize(sum);
    }
    state.SetBytesProcessed(state.iterations() * std::filesystem::file_size(path));
}

BENCHMARK(Evaluate)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(PlainRead)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// Keeps each run's time so the ratios can be printed at the end.
class RatioReporter final : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration) {
                times[run.benchmark_name()] = run.GetAdjustedRealTime();
                cpuTimes[run.benchmark_name()] = run.GetAdjustedCPUTime();
            }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> times, cpuTimes;
};

} // namespace

int main(int argc, char** argv) {
    for (long lines : {10000L, 100000L}) writeFile(lines);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    // Wall-clock time counts what the user waits; processor time is steadier
    // on a machine that others share.
    for (auto [what, times] : {std::pair{"wall", &reporter.times}, std::pair{"cpu", &reporter.cpuTimes}}) {
        for (const char* lines : {"10000", "100000"}) {
            const double evaluate = (*times)[std::string("Evaluate/") + lines];
            const double read = (*times)[std::string("PlainRead/") + lines];
            if (evaluate > 0 && read > 0)
                std::printf("%-4s %6s event lines: evaluation %7.2f ms, plain read %7.2f ms, ratio %.2f\n", what,
                            lines, evaluate, read, evaluate / read);
        }
        const double small = (*times)["Evaluate/10000"], large = (*times)["Evaluate/100000"];
        if (small > 0 && large > 0)
            std::printf("%-4s evaluation 100000 / 10000 lines: %.2f (linear: 10)\n", what, large / small);
    }
    std::filesystem::remove_all(kDir);
    benchmark::Shutdown();
    return 0;
}
