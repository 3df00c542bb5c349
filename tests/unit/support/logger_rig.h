#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "logger/exchange.h"
#include "logger_device.h"
#include "simulated_port.h"
#include "support/fakes.h"

namespace wg::test {

inline constexpr bool kLoggedIn = true;

// The simulated logger on the virtual clock, with everything a logger exchange works with; `shell.shown` collects the
// messages shown. The logger may start logged in, with a fault, and falling silent after `sendLimit` bytes (0: never).
struct LoggerRig {
    explicit LoggerRig(bool loggedIn = false, sim::Fault fault = sim::Fault::None, std::size_t sendLimit = 0) {
        shell.shows = &message;
        logger().loggedIn = loggedIn;
        behaviour().fault = fault;
        behaviour().sendLimit = sendLimit;
    }
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
