// Arbitrary bytes as the files of a regatta through the overview: the input
// is cut at "\n@@\n" into a yacht's .yrd, its .ysd and the regatta file; its
// lines also serve as a folder listing for the file-name rule.
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "support/fakes.h"
#include "overview/overview_program.h"
#include "overview/regatta_overview.h"

namespace {

void put(const std::string& path, const std::string& bytes) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f || std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size()) __builtin_trap();
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
    std::vector<DirectoryEntry> listing;
    for (std::size_t from = 0, cut; from <= input.size(); from = cut + 1) {
        cut = std::min(input.find('\n', from), input.size());
        listing.push_back({input.substr(from, cut - from), 0, true});
    }
    for (std::size_t from = 0, cut; parts.size() < 3; from = cut + 4) {
        cut = std::min(input.find("\n@@\n", from), input.size());
        parts.push_back(from < input.size() ? input.substr(from, cut - from) : "");
    }
    put(dir + "Kiel-GER1.yrd", parts[0]);
    put(dir + "Kiel-GER1.ysd", parts[1]);

    test::VirtualClock clock;  // a reader that waits out its limit returns at once
    RegattaOverview ov;
    ov.regatta.start = {0, 10, 0, 14, 6, 8};
    ov.rows.push_back(evaluateYacht(dir, {"GER1", "Kiel-GER1.ysd", "Kiel-GER1.yrd", size, false, false},
                                    ov.regatta, clock, 400));
    // One yacht's page is small whatever its files hold, and nothing in them
    // becomes markup of its own.
    const std::string page = overviewHtml(ov);
    if (page.size() + overviewCsv(ov).size() > (1 << 17) || page.find("<script") != std::string::npos)
        __builtin_trap();
    for (const YachtFiles& y : findYachts("Kiel", listing))
        if (!y.nameRefused && (y.yachtId.empty() || y.yachtId.size() > 15)) __builtin_trap();

    // The whole program now and then: it writes files, which is slow.
    if (size % 8 == 0) {
        put(dir + "Kiel.rsd", parts[2]);
        struct : Console {
            void line(const std::string&) override {}
        } console;
        const int code = runOverview({"--daten", dir}, PcTime{}, console, clock).exitCode;
        if (code != kExitDone && code != kExitNotRead) __builtin_trap();
    }
    return 0;
}
