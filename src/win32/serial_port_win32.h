#pragma once
#include <windows.h>

#include "platform/serial_port.h"

namespace wg {

// A serial port of the PC through the Win32 communications functions.
// Decides nothing: it gives the line settings and the read contract of
// SerialPort, and reports success or failure.
class Win32SerialPort final : public SerialPort {
public:
    ~Win32SerialPort() override;
    LinkStatus open(const std::string& name, std::uint16_t baud) override;
    LinkStatus write(const char* bytes, std::size_t count, std::size_t& accepted) override;
    LinkStatus read(std::size_t max, std::string& bytes) override;
    LinkStatus close() override;

private:
    bool setReadTimeouts(DWORD interval, DWORD multiplier, DWORD constant);
    // How many received bytes wait in the driver; 0 when it cannot tell.
    DWORD waiting();
    // One ReadFile under the timeouts in force; appends what came.
    bool readInto(std::string& bytes, DWORD count);

    HANDLE handle_ = nullptr;
};

class Win32SerialPortFactory final : public SerialPortFactory {
public:
    std::unique_ptr<SerialPort> create() override { return std::make_unique<Win32SerialPort>(); }
};

} // namespace wg
