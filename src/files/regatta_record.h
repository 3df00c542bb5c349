#pragma once
#include <cstdint>
#include <string>

#include "files/date_time.h"

namespace wg {

inline constexpr std::size_t kRegattaTextLimit = 255;

// The race all yachts of one evaluation share; one instance for the run.
struct RegattaRecord {
    std::string path;              // file last chosen in the open-file dialog
    std::string regattaFileName;   // base name of the file last read
    std::string designation;       // Regattabezeichnung
    std::int32_t starters = 0;     // Teilnehmerzahl
    TimeOfRegatta start;           // second always 0
    TimeOfRegatta end;
    DateTimeRecord scratch;        // typed values during their range check
};

} // namespace wg
