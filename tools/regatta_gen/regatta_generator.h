#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "files/date_time.h"

namespace wg::gen {

// How the finish list is written:
enum class ListShape {
    Export,       // as a results program exports it: UTF-8 with byte order mark, ";", the finish with its date
    Import,       // a results program's import: "raceno, class, sailno, start, finish", comma and blank,
                  // the finish as a time of day without seconds
    UnicodeText,  // Excel's "Unicode-Text": UTF-16 LE, tabs, a column "Datum" beside "Zielzeit (Uhrzeit)",
                  // one yacht name holding a line break
};

struct RegattaOptions {
    std::string name = "Test";  // base name of the regatta file
    int yachts = 40;
    int lines = 40;             // event lines of each readout
    std::uint64_t seed = 1;
    int days = 1;               // days of the regatta, 1 to 7
    bool finishList = false;    // the race committee's "<name>-Zielzeiten.csv" beside it
    ListShape listShape = ListShape::Export;
    bool night = false;         // the regatta runs from 20:00 to 08:00 on its last day, `days` days later
    int listHoursOff = 0;       // the list in another time base: every time that many hours later, none 75 s off
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
    Absent,         // no files at all: only the finish list names it
};

// What the finish list says of a yacht: of every 10 the 6th is missing from
// it and the 2nd has a finish 75 s after the one typed; after every 20th from
// the 14th comes a yacht only in the list (no files); the others have their
// typed finish, or, without one, a finish in the list all the same.
enum class Listed { Same, Differs, Missing, OnlyInList };

struct GeneratedYacht {
    std::string id;
    YachtKind kind;
    bool reset;     // a Reset after the regatta start
    Listed listed = Listed::Missing;
    FinishTime listFinish = {};  // when in the list, as the list's time base and shape give it
    std::optional<FinishTime> typedFinish;  // the finish block of its .yrd, if it has one
};

// Writes "<name>.rsd" and the yachts' files into `programDir` (the program's
// path form, ending in its separator) with the program's own writers: a
// regatta from 10:00 on 14.06.08 to 18:00 on its last day (a night race from
// 20:00 to 08:00), each yacht with engine runs before the start, inside the
// race and across its finish, power-ons and the odd reset; and, when asked
// for, the finish list in the shape asked for, with one line that cannot be
// read ("DNF"). The same options give the same bytes. Empty when all was
// written, else what failed.
std::string generateRegatta(const std::string& programDir, const RegattaOptions& options,
                            std::vector<GeneratedYacht>* yachts = nullptr);

const char* kindName(YachtKind kind);

} // namespace wg::gen
