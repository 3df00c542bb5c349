#pragma once
#include <cstddef>
#include <vector>

#include "evaluation/evaluation_observer.h"

namespace wg {

struct Interval {
    double from;
    double to;
};

// One line of a yacht's detail: an event line as judged, or a run of lines
// without effect collapsed into one note.
struct DetailEntry {
    EventJudgement line;  // the first line of a run; its key points at a fixed text
    std::size_t runLength = 1;
    FinishTime lastTime;  // of the run's last line
};

// Lines without effect on the engine total, the counts or a kept on-time.
bool withoutEffect(EventEffect effect);

// Listens to the evaluation of one yacht and keeps what its timeline and
// its detail show. The detail keeps at most `detailLimit` entries; runs of
// two or more lines without effect become one entry.
class YachtTimeline final : public EvaluationObserver {
public:
    YachtTimeline() = default;
    explicit YachtTimeline(std::size_t detailLimit) : detailLimit_(detailLimit) {}
    void judged(const EventJudgement& judgement) override;
    // Closes the detail after the last line. An engine still on at the end of
    // the file runs on to `openEnd` in the picture.
    void close(double openEnd);

    std::vector<Interval> counted;  // what the evaluation counted
    std::vector<Interval> running;  // engine on, from any on line to the next off line
    std::vector<double> powerOns;
    std::vector<double> resets;
    std::vector<DetailEntry> detail;
    std::size_t linesNotShown = 0;  // beyond the detail limit
    bool openAtEnd = false;         // an on line without a later off line
    double openSince = 0;
    FinishTime openSinceTime;

private:
    void add(const DetailEntry& entry);
    void flushRun();

    std::size_t detailLimit_ = 60;
    DetailEntry run_{};
    bool inRun_ = false;
};

} // namespace wg
