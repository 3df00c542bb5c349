#pragma once
#include <string_view>

#include "files/kv_scanner.h"
#include "files/yacht_record.h"

namespace wg {

// What the words after an event key amounted to.
enum class EventLineResult {
    NotAnEventKey,  // the key names no event: the line is skipped whole
    NoEvent,        // "Reset" or "Start" without ":" next: nothing stored
    Event,          // kind, date and time filled in
    FileEnded,      // the file ended before the time word
};

// The words stay valid while the scan that delivered them runs.
struct EventLine {
    EventKind kind = kEventOn;
    std::string_view date;  // DD.MM.YY
    std::string_view time;  // hh:mm:ss
};

// Reads the words of an event line after its key ("Reset", "Start",
// "Generator", "Getriebe", "Stecker"): the state word where the key has one,
// the separator, then the date, one word that is not used, and the time.
// The searches run over as many words and lines as it takes.
EventLineResult readEventLine(std::string_view key, WordReader& words, EventLine& line);

} // namespace wg
