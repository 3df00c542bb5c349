// Arbitrary bytes as the files of a regatta through the whole overview: the
// input is cut at "\n@@\n" into the regatta file, a yacht's .yrd and its
// .ysd, which lie in a data folder of their own; its lines also serve as a
// folder listing for the file-name rule.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "fuzz_clock.h"
#include "overview/overview_program.h"
#include "overview/yacht_files.h"

namespace {

class NoConsole final : public wg::Console {
public:
    void line(const std::string&) override {}
};

void put(const std::string& path, const std::string& bytes) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) __builtin_trap();
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace wg;
    static const std::string dir = [] {
        char name[] = "/tmp/wg-fuzz-overview-XXXXXX";
        if (!mkdtemp(name)) __builtin_trap();
        return std::string(name) + "/";
    }();
    const std::string input(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> parts;
    for (std::size_t from = 0;;) {
        const std::size_t cut = input.find("\n@@\n", from);
        parts.push_back(input.substr(from, cut - from));
        if (cut == std::string::npos) break;
        from = cut + 4;
    }
    parts.resize(3);
    put(dir + "Kiel.rsd", parts[0]);
    put(dir + "Kiel-GER1.yrd", parts[1]);
    put(dir + "Kiel-GER1.ysd", parts[2]);

    NoConsole console;
    fuzz::StillClock clock;
    const OverviewResult result = runOverview({"--daten", dir}, PcTime{}, console, clock);
    if (result.exitCode != kExitDone && result.exitCode != kExitNotRead) __builtin_trap();
    if (result.exitCode == kExitDone) {
        std::FILE* f = std::fopen((dir + "Kiel-Uebersicht.html").c_str(), "rb");
        if (!f) __builtin_trap();
        std::string page(1 << 17, '\0');
        page.resize(std::fread(page.data(), 1, page.size(), f));
        std::fclose(f);
        // One yacht's page is small whatever its file holds, and nothing in
        // it can become markup of its own.
        if (page.size() >= (1 << 17) || page.find("<script") != std::string::npos) __builtin_trap();
    }

    std::vector<DirectoryEntry> listing;
    for (std::size_t from = 0; from < input.size() && listing.size() < 64;) {
        const std::size_t cut = std::min(input.find('\n', from), input.size());
        listing.push_back({input.substr(from, cut - from), 0, true});
        from = cut + 1;
    }
    for (const YachtFiles& y : findYachts("Kiel", listing))
        if ((!y.nameRefused && (y.yachtId.empty() || y.yachtId.size() > 15)) ||
            (y.masterName.empty() && y.regattaName.empty() && !y.incomplete))
            __builtin_trap();
    return 0;
}
