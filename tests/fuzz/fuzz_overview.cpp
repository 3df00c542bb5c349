// Arbitrary bytes as a yacht's files through the overview: the input is cut
// at "\n@@\n" into its .yrd and its .ysd, which also stands as its coarse
// minutes file. (The regatta file goes through the program's reader, which
// the scanner target covers.)
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "support/fakes.h"
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
    for (std::size_t from = 0, cut; parts.size() < 2; from = cut + 4) {
        cut = std::min(input.find("\n@@\n", from), input.size());
        parts.push_back(from < input.size() ? input.substr(from, cut - from) : "");
    }
    put(dir + "Kiel-GER1.yrd", parts[0]);
    put(dir + "Kiel-GER1.ysd", parts[1]);
    put(dir + "Kiel-GER1.yrd.grobminuten", parts[1]);

    test::VirtualClock clock;  // a reader that waits out its limit returns at once
    RegattaOverview ov;
    ov.regatta.start = {0, 10, 0, 14, 6, 8};
    // Odd sizes have their .yrd read, even ones only the .ysd.
    const YachtFiles files{"GER1", "Kiel-GER1.ysd", size % 2 ? "Kiel-GER1.yrd" : "", size, size % 3 == 0};
    ov.rows.push_back(evaluateYacht(dir, files, ov.regatta, clock, 400));
    // One yacht's page is small whatever its files hold, and nothing in them
    // becomes markup of its own.
    const std::string page = overviewHtml(ov);
    if (page.size() + overviewCsv(ov).size() > (1 << 17) || page.find("<script") != std::string::npos)
        __builtin_trap();
    return 0;
}
