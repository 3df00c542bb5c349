#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "logger/exchange.h"
#include "logger_device.h"
#include "simulated_port.h"
#include "support/fakes.h"

namespace wg::test {

// The simulated logger on the virtual clock, with everything a logger
// exchange works with; `shell.shown` collects the messages shown.
struct LoggerRig {
    LoggerRig() { shell.shows = &message; }
    sim::DeviceState& logger() { return device.state(); }
    sim::Behaviour& behaviour() { return device.behaviour(); }
    const std::string& wire() const { return device.received(); }
    const Texts& shown() const { return shell.shown; }

    VirtualClock clock;
    sim::LoggerDevice device;
    sim::SimulatedPortFactory ports{device, clock};
    MessageText message;
    FakeShell shell;
    LoggerContext context{ports, clock, message, shell};
};

struct LoggerTest : ::testing::Test, LoggerRig {};

} // namespace wg::test
