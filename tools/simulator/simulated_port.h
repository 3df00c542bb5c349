#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "logger_device.h"
#include "platform/clock.h"
#include "platform/serial_port.h"

namespace wg::sim {

// Hands out ports wired to one simulated logger on one clock. A read that
// finds nothing waiting lets the clock run to the logger's next byte, or by
// 1000 ms when none comes, so with a virtual clock no exchange ever waits.
// Like a real port it can be held by one port at a time.
class SimulatedPortFactory final : public SerialPortFactory {
public:
    SimulatedPortFactory(LoggerDevice& device, Clock& clock) : device_(device), clock_(clock) {}

    std::unique_ptr<SerialPort> create() override;
    std::vector<std::string> availablePorts() override { return portNames; }

    // The names that exist; an open of any other name fails.
    std::vector<std::string> portNames = {"COM1"};
    // Every open attempted, with its name and baud rate.
    struct OpenAttempt {
        std::string name;
        std::uint16_t baud;
    };
    std::vector<OpenAttempt> opens;
    int created = 0;
    bool held = false;

    LoggerDevice& device() { return device_; }
    Clock& clock() { return clock_; }

private:
    LoggerDevice& device_;
    Clock& clock_;
};

} // namespace wg::sim
