#include "evaluation/event_log.h"

#include <vector>

#include "evaluation/event_line.h"
#include "evaluation/time_arithmetic.h"
#include "files/kv_scanner.h"
#include "files/text.h"
#include "platform/file_system.h"

namespace wg {
namespace {

const char* const kResetCaption = "Schwerer Benutzerfehler";
const char* const kResetText =
    "Es wurde ein ERLG-Reset nach dem Regattastart durchgeführt!\n"
    "Es fehlen damit Überwachungsdaten,\n"
    "Zeit zwischen Regattastart und Reset wird als Motorlaufzeit gerechnet!";

void clearEvaluationState(YachtEvaluation& e) {
    e.engineTotalSeconds = 0;
    e.eventCount = 0;
    e.powerOnCount = 0;
    e.components = {};
    e.regattaStart = 0;
    e.finish = 0;
    e.pendingOn = 0;
    e.onPending = false;
    e.lineSeconds = {};
}

void dropPendingOn(YachtEvaluation& e) {
    e.pendingOn = 0;
    e.onPending = false;
}

// An on-time is kept only strictly inside the window.
void takePendingOn(YachtEvaluation& e, double t) {
    e.pendingOn = t;
    e.onPending = true;
    if (t <= e.regattaStart || t >= e.finish) dropPendingOn(e);
}

// Writes the pieces of `text` cut at `separator` into the first `count`
// destinations; pieces beyond them are ignored, missing ones write nothing.
void splitInto(std::string_view text, char separator, std::int32_t* const* targets, int count) {
    if (text.empty()) return;
    for (int i = 0; i < count; ++i) {
        const std::size_t end = text.find(separator);
        *targets[i] = leadingInt(text.substr(0, end));
        if (end == std::string_view::npos) return;
        text.remove_prefix(end + 1);
    }
}

class Pass {
public:
    Pass(int number, Shell& shell, YachtRecord& yacht, const RegattaRecord& regatta,
         EvaluationObserver* observer = nullptr)
        : number_(number), shell_(shell), yacht_(yacht), regatta_(regatta), observer_(observer) {}

    Status run(const std::string& bytes, Clock& clock) {
        FinishTime& f = yacht_.finish;
        std::vector<KeyEntry> keys = {
            continuedTextKey("Yachtname", yacht_.yachtName, kYachtNameLimit),
            textKey("Yacht-ID", yacht_.yachtId, kYachtIdLimit),
            textKey("ERLG-Seriennummer", yacht_.serialNumber, kSerialNumberLimit),
            integerKey("Siegel-Anzahl", yacht_.sealCount),
            integerKey("Betriebsart", yacht_.operatingMode),
            integerKey("Zielzeit_Stunde", f.hour),
            integerKey("Zielzeit_Minute", f.minute),
            integerKey("Zielzeit_Sekunde", f.second),
            integerKey("Zielzeit_Tag", f.day),
            integerKey("Zielzeit_Monat", f.month),
            integerKey("Zielzeit_Jahr", f.year),
        };
        if (number_ == 1) {
            // The year is written last of the finish block, so the window is
            // fixed once all six values are known.
            keys.back().setInteger = [this](std::int32_t year) {
                yacht_.finish.year = year;
                computeWindowBounds(yacht_, regatta_);
            };
        }
        return scanBytes(bytes, reader::yachtRegattaEvaluation, keys, clock,
                         [this](std::string_view key, WordReader& words) { return eventLine(key, words); });
    }

private:
    bool eventLine(std::string_view key, WordReader& words) {
        EventLine line;
        switch (readEventLine(key, words, line)) {
        case EventLineResult::NotAnEventKey: return false;
        case EventLineResult::NoEvent:
        case EventLineResult::FileEnded: return true;
        case EventLineResult::Event: break;
        }
        yacht_.evaluation.dateText = line.date.substr(0, kEventTokenLimit);
        yacht_.evaluation.timeText = line.time.substr(0, kEventTokenLimit);
        if (number_ == 2) {
            splitDateAndTime(yacht_, line.kind);
            if (applyEventRule(yacht_, line.kind, observer_, key) == kEventRuleNotice && line.kind == kEventReset)
                shell_.messageBox(BoxRequest{kResetCaption, kResetText, BoxIcon::Error, BoxButtons::Ok,
                                             true, true});
        }
        return true;
    }

    int number_;
    Shell& shell_;
    YachtRecord& yacht_;
    const RegattaRecord& regatta_;
    EvaluationObserver* observer_;
};

} // namespace

void clearYachtRecord(YachtRecord& yacht) {
    yacht.yachtId.clear();
    yacht.serialNumber.clear();
    yacht.operatingMode = 0;
    yacht.sealCount = 0;
    yacht.coarseMinutes = 0;
    yacht.yachtName.clear();
    yacht.finish = {};
    clearEvaluationState(yacht.evaluation);
    yacht.evaluation.dateText.clear();
    yacht.evaluation.timeText.clear();
}

void splitDateAndTime(YachtRecord& yacht, EventKind kind) {
    FinishTime& c = yacht.evaluation.components[kind];
    std::int32_t* const date[] = {&c.day, &c.month, &c.year};
    std::int32_t* const time[] = {&c.hour, &c.minute, &c.second};
    splitInto(yacht.evaluation.dateText, '.', date, 3);
    splitInto(yacht.evaluation.timeText, ':', time, 3);
}

std::uint8_t applyEventRule(YachtRecord& yacht, EventKind kind, EvaluationObserver* observer,
                            std::string_view key) {
    YachtEvaluation& e = yacht.evaluation;
    const double t = secondCount(e.components[kind]);
    e.lineSeconds[kind] = t;
    const double S = e.regattaStart;
    const double F = e.finish;
    const auto judged = [&](EventEffect effect, double from = 0, double to = 0) {
        if (observer) observer->judged(EventJudgement{key, kind, e.components[kind], t, effect, from, to});
    };

    switch (kind) {
    case kEventReset:
        if (t <= S) {
            judged(EventEffect::ResetBeforeStart);
            return 0;
        }
        // All time from the start to the reset counts as engine time. An
        // interval still open goes on from the reset, so no second of it is
        // counted twice.
        e.engineTotalSeconds = t - S;
        e.eventCount = 1;
        e.powerOnCount = 0;
        if (e.onPending) takePendingOn(e, t);
        judged(EventEffect::ResetTotal, S, t);
        return kEventRuleNotice;
    case kEventStart:
        if (t < S || t > F) {
            judged(EventEffect::PowerOnOutside);
            return 0;
        }
        ++e.powerOnCount;
        judged(EventEffect::PowerOnCounted);
        return kEventRuleNotice;
    case kEventOn:
        // While an interval is open a further on signal (another source)
        // leaves its beginning where it was.
        if (e.onPending) {
            judged(EventEffect::OnWhileRunning);
        } else {
            takePendingOn(e, t);
            judged(e.onPending ? EventEffect::OnKept : EventEffect::OnOutsideWindow);
        }
        return 0;
    case kEventOff:
        if (t < S) {
            dropPendingOn(e);
            judged(EventEffect::OffBeforeStart);
        } else if (t <= F) {
            const double from = e.onPending ? e.pendingOn : S;
            e.engineTotalSeconds += t - from;
            ++e.eventCount;
            judged(e.onPending ? EventEffect::OffCounted : EventEffect::OffCountedFromStart, from, t);
            dropPendingOn(e);
        } else if (e.onPending) {
            e.engineTotalSeconds += F - e.pendingOn;
            ++e.eventCount;
            judged(EventEffect::OffCutAtFinish, e.pendingOn, F);
            dropPendingOn(e);
        } else {
            judged(EventEffect::OffAfterFinish);
        }
        return 0;
    case kEventKindCount:
        break;
    }
    return 0;
}

EvaluationCodes evaluateBytes(Shell& shell, YachtRecord& yacht, const RegattaRecord& regatta,
                              const std::string* bytes, Clock& clock, EvaluationObserver* observer) {
    clearEvaluationState(yacht.evaluation);
    EvaluationCodes codes;
    if (bytes) {
        codes.firstPass = Pass(1, shell, yacht, regatta).run(*bytes, clock);
        codes.secondPass = Pass(2, shell, yacht, regatta, observer).run(*bytes, clock);
    }
    yacht.evaluation.durationText = durationText(yacht.evaluation.engineTotalSeconds);
    return codes;
}

EvaluationCodes evaluate(Shell& shell, YachtRecord& yacht, const RegattaRecord& regatta,
                         const std::string& directory, Clock& clock) {
    std::string bytes;
    const bool readable = readWholeFile(directory + yacht.regattaFileName, bytes);
    return evaluateBytes(shell, yacht, regatta, readable ? &bytes : nullptr, clock);
}

} // namespace wg
