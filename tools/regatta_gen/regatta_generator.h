#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace wg::gen {

struct RegattaOptions {
    std::string name = "Test";  // base name of the regatta file
    int yachts = 40;
    int lines = 40;             // event lines of each readout
    std::uint64_t seed = 1;
};

// What became of a yacht; the mix follows the yacht's place in the list, so
// every regatta of 10 yachts or more holds each kind.
enum class YachtKind {
    Evaluated,      // .ysd, a complete .yrd with its finish block, its fingerprint and coarse minutes
    Changed,        // the same, the .yrd edited after its fingerprint was written
    NoFingerprint,  // read out before fingerprints and coarse minutes were kept
    NoFinish,       // .yrd without a finish block
    NotReadOut,     // .ysd only
    BrokenOff,      // .ysd and "<name>.yrd.unvollstaendig"
};

struct GeneratedYacht {
    std::string id;
    YachtKind kind;
    bool reset;     // a Reset after the regatta start
};

// Writes "<name>.rsd" and the yachts' files into `programDir` (the program's
// path form, ending in its separator) with the program's own writers: a
// regatta from 10:00 to 18:00 on 14.06.08, each yacht with engine runs before
// the start, inside the race and across its finish, power-ons and the odd
// reset. The same options give the same bytes. Empty when all was written,
// else what failed.
std::string generateRegatta(const std::string& programDir, const RegattaOptions& options,
                            std::vector<GeneratedYacht>* yachts = nullptr);

const char* kindName(YachtKind kind);

} // namespace wg::gen
