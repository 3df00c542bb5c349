#pragma once
#include <string_view>

#include "files/date_time.h"
#include "files/yacht_record.h"

namespace wg {

// What the evaluation did with one event line.
enum class EventEffect {
    OnKept,               // the beginning of a running interval
    OnWhileRunning,       // an interval was open already: its beginning stays
    OnOutsideWindow,      // at or before the start, at or after the finish: not kept
    OffCounted,           // the interval from the kept on-time was counted
    OffCountedFromStart,  // no on-time kept: counted from the regatta start
    OffCutAtFinish,       // after the finish: counted up to the finish
    OffBeforeStart,       // before the start: nothing counted, an open interval dropped
    OffAfterFinish,       // after the finish with nothing open: no effect
    ResetTotal,           // after the start: the total became start to reset
    ResetBeforeStart,     // at or before the start: no effect
    PowerOnCounted,       // a Start line inside the window
    PowerOnOutside,       // a Start line outside it: no effect
};

// One event line as the evaluation judged it. `from` and `to` are the second
// counts of what was counted (OffCounted, OffCountedFromStart,
// OffCutAtFinish, ResetTotal); the key stays valid during the call only.
struct EventJudgement {
    std::string_view key;  // "Generator", "Getriebe", "Stecker", "Start", "Reset"
    EventKind kind = kEventOn;
    FinishTime time;       // the line's components as evaluated
    double seconds = 0;    // its second count
    EventEffect effect = EventEffect::OnKept;
    double from = 0;
    double to = 0;
};

// Told about every event line the evaluation applies, in file order. The
// evaluation's results do not depend on whether anyone listens.
class EvaluationObserver {
public:
    virtual ~EvaluationObserver() = default;
    virtual void judged(const EventJudgement& judgement) = 0;
};

} // namespace wg
