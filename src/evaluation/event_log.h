#pragma once
#include <cstdint>
#include <string>

#include "evaluation/evaluation_observer.h"
#include "files/regatta_record.h"
#include "files/status.h"
#include "files/yacht_record.h"
#include "platform/clock.h"
#include "platform/shell.h"

namespace wg {

// Rule result of a Reset after the regatta start or a Start inside the window.
inline constexpr std::uint8_t kEventRuleNotice = 134;

// Empties the yacht record for the next yacht: header values, finish time and
// evaluation state. The two file names and the duration text stay.
void clearYachtRecord(YachtRecord& yacht);

// Fills the components of `kind` from the record's date text (DD.MM.YY) and
// time text (hh:mm:ss). A missing piece leaves its component as it was.
void splitDateAndTime(YachtRecord& yacht, EventKind kind);

// Applies the line of `kind` whose components are in the record to the
// engine total, the event count, the power-on count and the pending on-time.
// 0, or kEventRuleNotice for a Reset after the start or a Start inside.
// `observer`, when given, is told what the line did; `key` names its event.
std::uint8_t applyEventRule(YachtRecord& yacht, EventKind kind, EvaluationObserver* observer = nullptr,
                            std::string_view key = {});

// Codes of the two passes: 0 ("#" met), 'n' (end of file, time limit or
// file not readable), 'p' (not a yacht file) or 'f' (bad character).
struct EvaluationCodes {
    Status firstPass = kStatusNoEndMarker;
    Status secondPass = kStatusNoEndMarker;
};

// Works out how long the engine ran between the regatta start and the
// yacht's finish crossing from the yacht regatta data file `directory` +
// the record's yacht regatta data file name. Pass 1 reads the header and the
// finish time, pass 2 applies every event line in file order; a Reset after
// the start is reported through `shell` as it is met. The results, the
// duration text included, are left in the yacht record whatever the codes.
EvaluationCodes evaluate(Shell& shell, YachtRecord& yacht, const RegattaRecord& regatta,
                         const std::string& directory, Clock& clock);

// The same over the file's bytes already in memory; nullptr stands for a
// file that cannot be opened. `observer` hears how pass 2 judged each line.
EvaluationCodes evaluateBytes(Shell& shell, YachtRecord& yacht, const RegattaRecord& regatta,
                              const std::string* bytes, Clock& clock, EvaluationObserver* observer = nullptr);

} // namespace wg
