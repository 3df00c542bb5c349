#pragma once
#include "platform/clock.h"

namespace wg::test {

// Time passes only when the code under test lets it pass (or a test says so).
class VirtualClock final : public Clock {
public:
    std::int64_t nowMs() override { return now_; }
    void pauseMs(std::int64_t ms) override { now_ += ms; }
    void advance(std::int64_t ms) { now_ += ms; }

private:
    std::int64_t now_ = 0;
};

} // namespace wg::test
