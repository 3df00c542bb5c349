#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "logger/exchange.h"
#include "logger_device.h"
#include "simulated_port.h"
#include "support/fake_shell.h"
#include "support/virtual_clock.h"

namespace wg::test {

// A logger exchange against the simulated logger on the virtual clock.
class LoggerTest : public ::testing::Test {
protected:
    LoggerTest() {
        shell.onCommand = [this](int id) {
            if (id == cmd::kShowMessage) shown.push_back(message.text());
        };
    }
    // The device's state and behaviour before the exchange runs.
    sim::DeviceState& logger() { return device.state(); }
    sim::Behaviour& behaviour() { return device.behaviour(); }
    const std::string& wire() const { return device.received(); }
    std::vector<std::string> shownOnly(const std::string& text) const { return {text}; }

    VirtualClock clock;
    sim::LoggerDevice device;
    sim::SimulatedPortFactory ports{device, clock};
    MessageText message;
    FakeShell shell;
    LoggerContext context{ports, clock, message, shell};
    std::vector<std::string> shown;  // message text each time the dialog showed it
};

} // namespace wg::test
