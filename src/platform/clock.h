#pragma once
#include <cstdint>

namespace wg {

// Milliseconds since program start. Every time limit of the program runs on
// this clock, so tests can drive a virtual one and never wait.
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::int64_t nowMs() = 0;
    // Lets time pass without doing anything; a virtual clock just advances.
    virtual void pauseMs(std::int64_t ms) = 0;
};

// Whole seconds elapsed since `startMs`, truncated, as every limit counts them.
inline std::int64_t elapsedSeconds(Clock& clock, std::int64_t startMs) {
    return (clock.nowMs() - startMs) / 1000;
}

// The real clock of the running program (a steady clock).
Clock& systemClock();

} // namespace wg
