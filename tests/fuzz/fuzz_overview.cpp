// Arbitrary bytes as a yacht's files through the overview, cut at "\n@@\n" into its .yrd, its .ysd (also its coarse
// minutes file) and a finish list; the regatta file goes through the program's reader, which the scanner target covers.
#include <string>
#include <vector>

#include "overview/finish_list.h"
#include "overview/regatta_overview.h"
#include "support/fakes.h"
#include "support/temp_dir.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace wg;
    static const test::TempDir dir;
    const std::string input(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> parts;
    for (std::size_t from = 0, cut; parts.size() < 3; from = cut + 4) {
        cut = std::min(input.find("\n@@\n", from), input.size());
        parts.push_back(from < input.size() ? input.substr(from, cut - from) : "");
    }
    dir.write("Kiel-GER1.yrd", parts[0]);
    dir.write("Kiel-GER1.ysd", parts[1]);
    dir.write("Kiel-GER1.yrd.grobminuten", parts[1]);

    test::VirtualClock clock;  // a reader that waits out its limit returns at once
    RegattaOverview ov;
    ov.regatta.start = {0, 10, 0, 14, 6, 8};
    // Odd sizes have their .yrd read, even ones only the .ysd.
    std::vector<YachtFiles> yachts{{"GER1", "Kiel-GER1.ysd", size % 2 ? "Kiel-GER1.yrd" : "", size, size % 3 == 0}};
    FinishList list;
    if (parseFinishList(parts[2], ov.regatta, list).empty()) ov.finishList = list;
    const std::vector<ListEntry> listed = matchFinishList(yachts, ov.finishList ? &*ov.finishList : nullptr);
    for (std::size_t i = 0; i < yachts.size(); ++i)
        ov.rows.push_back(evaluateYacht(dir.programDir(), yachts[i], ov.regatta, clock, 400, listed[i]));
    // Each yacht's part of the page is small whatever its files hold, and nothing in them becomes markup of its own.
    const std::string page = overviewHtml(ov);
    if (page.size() + overviewCsv(ov).size() > (1 << 17) * ov.rows.size() || page.find("<script") != std::string::npos)
        __builtin_trap();
    return 0;
}
