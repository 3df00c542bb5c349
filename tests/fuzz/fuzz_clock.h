#pragma once
#include "platform/clock.h"

namespace wg::fuzz {

// Time passes only when the code lets it pass, so a reader that waits out
// its limit returns at once.
class StillClock final : public Clock {
public:
    std::int64_t nowMs() override { return now_; }
    void pauseMs(std::int64_t ms) override { now_ += ms; }

private:
    std::int64_t now_ = 0;
};

} // namespace wg::fuzz
