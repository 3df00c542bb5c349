#include "platform/clock.h"

#include <chrono>
#include <thread>

namespace wg {
namespace {

class SteadyClock final : public Clock {
public:
    SteadyClock() : start_(std::chrono::steady_clock::now()) {}
    std::int64_t nowMs() override {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
                   std::chrono::steady_clock::now() - start_)
            .count();
    }
    void pauseMs(std::int64_t ms) override {
        if (ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    }

private:
    std::chrono::steady_clock::time_point start_;
};

} // namespace

Clock& systemClock() {
    static SteadyClock clock;
    return clock;
}

} // namespace wg
