#include "overview/yacht_timeline.h"

#include <string_view>

namespace wg {
namespace {

// The key's own text outlives the scan; the judgement's view does not.
std::string_view fixedKey(std::string_view key) {
    static constexpr std::string_view kKeys[] = {"Generator", "Getriebe", "Stecker", "Start", "Reset"};
    for (std::string_view k : kKeys)
        if (k == key) return k;
    return "?";
}

} // namespace

bool withoutEffect(EventEffect effect) {
    switch (effect) {
    case EventEffect::OnWhileRunning:
    case EventEffect::OnOutsideWindow:
    case EventEffect::OffBeforeStart:
    case EventEffect::OffAfterFinish:
    case EventEffect::ResetBeforeStart:
    case EventEffect::PowerOnOutside:
        return true;
    default:
        return false;
    }
}

void YachtTimeline::judged(const EventJudgement& j) {
    switch (j.kind) {
    case kEventOn:
        if (!openAtEnd) {
            openSince = j.seconds;
            openSinceTime = j.time;
        }
        openAtEnd = true;
        break;
    case kEventOff:
        if (openAtEnd) running.push_back({openSince, j.seconds});
        openAtEnd = false;
        break;
    case kEventStart: powerOns.push_back(j.seconds); break;
    case kEventReset: resets.push_back(j.seconds); break;
    case kEventKindCount: break;
    }
    if (j.effect == EventEffect::OffCounted || j.effect == EventEffect::OffCountedFromStart ||
        j.effect == EventEffect::OffCutAtFinish || j.effect == EventEffect::ResetTotal)
        counted.push_back({j.from, j.to});

    const bool quiet = withoutEffect(j.effect);
    if (quiet && inRun_) {
        ++run_.runLength;
        run_.lastTime = j.time;
        return;
    }
    flushRun();
    DetailEntry entry{j, 1, j.time};
    entry.line.key = fixedKey(j.key);
    if (quiet && detail.size() < detailLimit_) {
        run_ = entry;
        inRun_ = true;
    } else {
        add(entry);
    }
}

void YachtTimeline::close(double openEnd) {
    flushRun();
    if (openAtEnd) running.push_back({openSince, openEnd});
}

void YachtTimeline::flushRun() {
    if (inRun_) add(run_);
    inRun_ = false;
}

void YachtTimeline::add(const DetailEntry& entry) {
    if (detail.size() < detailLimit_) detail.push_back(entry);
    else linesNotShown += entry.runLength;
}

} // namespace wg
