// Evaluating a yacht regatta data file against reading it byte by byte, for 10 000 and 100 000 event lines: the bytes
// per second of the four runs show the cost against a plain read, and that it grows linearly (the same rate for both).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "evaluation/event_log.h"
#include "support/fakes.h"

namespace {

const std::filesystem::path kDir = std::filesystem::temp_directory_path() / "wg-bench";

std::string fileName(long lines) { return "bench-" + std::to_string(lines) + ".yrd"; }

// A file as a readout writes it: header, `lines` event lines of every kind over a day from 08:00, end line, finish.
void writeFile(long lines) {
    static const char* const heads[] = {"Generator Ein", "Generator Aus", "Getriebe Ein", "Getriebe Aus",
                                        "Stecker abgezogen", "Stecker angesteckt", "Start"};
    std::string text = "$Dateikennung Yachtdaten\r\n";
    char line[96];
    for (long i = 0; i < lines; ++i) {
        const long second = 8 * 3600 + (i * 86400 / 2 / lines) * 2;
        std::snprintf(line, sizeof line, "$%s : 03.06.04 Do %02ld:%02ld:%02ld\r\n", heads[i % 7], second / 3600,
                      second / 60 % 60, second % 60);
        text += line;
    }
    text += "$Ereigniss Ende\r\n$Zielzeit_Stunde 18\r\n$Zielzeit_Tag 3\r\n$Zielzeit_Monat 6\r\n$Zielzeit_Jahr 4\r\n";
    std::filesystem::create_directories(kDir);
    std::ofstream(kDir / fileName(lines), std::ios::binary) << text;
}

void Evaluate(benchmark::State& state) {
    wg::test::FakeShell shell;
    wg::RegattaRecord regatta;
    regatta.start = {0, 10, 0, 3, 6, 4};
    wg::YachtRecord yacht;
    yacht.regattaFileName = fileName(state.range(0));
    for (auto _ : state) {
        wg::evaluate(shell, yacht, regatta, kDir.string() + "/", wg::systemClock());
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

} // namespace

int main(int argc, char** argv) {
    for (long lines : {10000L, 100000L}) writeFile(lines);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    std::filesystem::remove_all(kDir);
    benchmark::Shutdown();
    return 0;
}
