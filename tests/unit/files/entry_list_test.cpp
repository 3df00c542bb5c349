#include <gtest/gtest.h>

#include "files/entry_list.h"
#include "support/fakes.h"

namespace wg::test {
namespace {

// Each yacht read as "ID|name|seals|mode|line", then each line left out.
Texts readAll(const std::string& bytes, std::string& problem) {
    EntryList list;
    problem = readEntryList(bytes, list);
    Texts out;
    for (const EntryListYacht& y : list.yachts)
        out.push_back(y.yachtId + "|" + y.yachtName + "|" + std::to_string(y.sealCount) + "|" +
                      std::to_string(y.operatingMode) + "|" + std::to_string(y.line));
    out.insert(out.end(), list.unreadLines.begin(), list.unreadLines.end());
    return out;
}

TEST(EntryList, FindsItsColumnsByTitleAndNamesEveryLineItLeavesOut) {
    struct Case { const char* what; std::string bytes; Texts read; } cases[] = {
        {"semicolons, titles in any case, mode and seals optional",
         "Segelnummer;BOOT;Siegel\r\nGER 12;Blue Star;4\r\n\r\nNED3;\"Oranje; Boven\";\r\n",
         {"GER12|Blue Star|4|0|2", "NED3|Oranje; Boven|0|0|4"}},
        {"commas, UTF-8 with its mark, the name first, a mode",
         "\xEF\xBB\xBF" "Boat Name,Sail No,Betriebsart\nS\xC3\xB8lvi,DEN4,2\n", {"DEN4|S\xF8lvi|0|2|2"}},
        {"unusable lines", "Yacht-ID;Yachtname;Betriebsart;Siegel-Anzahl\n"
                           "GER1234X;Lang;;\n;Ohne;;\nGER/1;Schraeg;;\nGER1;Eins;5;\nGER2;Zwei;;x\nger3;Drei;4;1\nGER3;Doppelt;;\n",
         {"ger3|Drei|1|4|7", "Zeile 2: Yacht-ID \x84GER1234X\x93 ist länger als 7 Zeichen", "Zeile 3: Yacht-ID fehlt",
          "Zeile 4: Yacht-ID \x84GER/1\x93 taugt nicht für einen Dateinamen",
          "Zeile 5: Betriebsart \x84" "5\x93 liegt nicht zwischen 1 und 4",
          "Zeile 6: Siegel \x84x\x93 ist keine Anzahl", "Zeile 8: GER3 steht schon in Zeile 7"}},
    };
    for (const Case& c : cases) {
        std::string problem;
        EXPECT_EQ(readAll(c.bytes, problem), c.read) << c.what;
        EXPECT_EQ(problem, "") << c.what;
    }
    std::string problem;
    EXPECT_TRUE(readAll("Yacht-ID;Skipper\nGER1;Hans\n", problem).empty());
    EXPECT_EQ(problem, "In der Kopfzeile fehlt die Spalte für den Yachtnamen („Yachtname“, „Yacht“, „Boot“, "
                       "„Bootsname“, „Boat“ oder „Boat Name“).");
    readAll("", problem);
    EXPECT_EQ(problem.rfind("In der Kopfzeile fehlt die Spalte für die Yacht-ID", 0), 0u);
}

} // namespace
} // namespace wg::test
