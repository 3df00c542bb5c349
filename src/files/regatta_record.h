#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "files/date_time.h"

namespace wg {

inline constexpr std::size_t kRegattaTextLimit = 255;

// The regatta times as two-character texts for the logger, in this order.
enum RegattaTimeText : std::size_t {
    kStartMinuteText, kStartHourText, kStartDayText, kStartMonthText, kStartYearText,
    kEndMinuteText, kEndHourText, kEndDayText, kEndMonthText, kEndYearText,
    kRegattaTimeTextCount
};

// The race all yachts of one evaluation share; one instance for the run.
struct RegattaRecord {
    std::string path;              // file last chosen in the open-file dialog
    std::string regattaFileName;   // base name of the file last read
    std::string designation;       // Regattabezeichnung
    std::int32_t starters = 0;     // Teilnehmerzahl
    TimeOfRegatta start;           // second always 0
    TimeOfRegatta end;
    DateTimeRecord scratch;        // typed values during their range check
    std::array<std::string, kRegattaTimeTextCount> timeTexts;  // two characters each
};

} // namespace wg
