#pragma once
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/shell.h"

namespace wg {

// Exit codes of the overview program.
inline constexpr int kExitDone = 0;
inline constexpr int kExitNotRead = 1;       // a regatta could not be read or its overview not written
inline constexpr int kExitWrongArguments = 2;

// Where the program's console texts go, one line at a time, in code page
// 1252 like all the program's texts.
class Console {
public:
    virtual ~Console() = default;
    virtual void line(const std::string& text) = 0;
};

// A console that Explorer opened for the program closes with it, so then the
// program waits for a key; and it opens the pages in the default browser.
inline constexpr const char* kPressAnyKeyText = "Zum Schließen eine beliebige Taste drücken \x85";
inline std::string pageNotOpenedText(const std::string& page) {
    return "Die Seite " + page + " lässt sich nicht im Browser öffnen; bitte von Hand öffnen.";
}

struct OverviewResult {
    int exitCode = kExitDone;
    std::vector<std::string> pagesWritten;  // HTML pages, program paths
};

// The whole overview program after its arguments were split: reads the
// settings from "..\init\", every regatta asked for, evaluates its yachts
// and writes "<regatta>-Uebersicht.csv" and ".html" into its data folder.
// `madeAt` is the PC's local time, for the pages' heads.
OverviewResult runOverview(const std::vector<std::string>& args, const PcTime& madeAt, Console& console,
                           Clock& clock);

} // namespace wg
