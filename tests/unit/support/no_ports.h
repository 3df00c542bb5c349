#pragma once
#include "platform/serial_port.h"

namespace wg::test {

// A machine without serial ports: every open fails at once.
class NoPorts final : public SerialPortFactory {
public:
    std::unique_ptr<SerialPort> create() override { return std::make_unique<Absent>(); }

private:
    struct Absent final : SerialPort {
        LinkStatus open(const std::string&, std::uint16_t) override { return kLinkFailed; }
        LinkStatus write(const char*, std::size_t, std::size_t& accepted) override {
            accepted = 0;
            return kLinkFailed;
        }
        LinkStatus read(std::size_t, std::string& bytes) override {
            bytes.clear();
            return kLinkFailed;
        }
        LinkStatus close() override { return kLinkFailed; }
    };
};

} // namespace wg::test
