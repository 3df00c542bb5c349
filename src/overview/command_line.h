#pragma once
#include <string>
#include <vector>

namespace wg {

// A regatta file named on the command line and the folder it lies in.
struct RegattaFileArgument {
    std::string dataDir;  // ends in its separator, or is empty
    std::string fileName;
};

// What the overview was asked to do.
struct CommandLine {
    bool help = false;
    std::string dataDir;  // ends in its separator
    std::vector<RegattaFileArgument> regattaFiles;  // empty: every regatta of dataDir
    std::string finishList;  // --zielzeiten: the race committee's finish list, or empty
    std::string error;    // German; not empty for wrong arguments
};

// The data folder without --daten, relative to the program's folder.
inline constexpr const char* kDefaultDataDir = "..\\Daten\\";

// Arguments after the program name: "--help" (also "-h", "/?"), "--daten DIR",
// "--zielzeiten LIST" and regatta files. A regatta file named without a
// folder lies in the data folder; one with a folder brings its own, which
// --daten may not contradict.
CommandLine parseCommandLine(const std::vector<std::string>& args);

// The German help text, lines separated by "\n".
const char* helpText();

} // namespace wg
