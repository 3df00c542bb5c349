#pragma once
#include <memory>
#include <string>

#include "platform/serial_port.h"
#include "support/fakes.h"

namespace wg::test {

// A logger reduced to its line: it echoes every byte at once, answers each line end with `reply`, sends `burst` right
// behind the echo of the `burstAfter`-th byte (0: never). Its links share the line; `wire()` is every byte received.
struct CannedPort final : SerialPort, SerialPortFactory {
    CannedPort(VirtualClock& clock, std::string reply, std::size_t burstAfter = 0, std::string burst = "")
        : clock(clock), reply(std::move(reply)), burst(std::move(burst)), burstAfter(burstAfter) {}
    std::unique_ptr<SerialPort> create() override { return std::make_unique<CannedPort>(*this); }
    LinkStatus open(const std::string&, std::uint16_t) override { return kLinkOk; }
    LinkStatus write(const char* bytes, std::size_t count, std::size_t& accepted) override {
        for (accepted = 0; accepted < count; ++accepted) {
            *received += bytes[accepted];
            *sent += bytes[accepted];
            if (received->size() == burstAfter) *sent += burst;
            if (bytes[accepted] == '\r' || bytes[accepted] == '\n') *sent += reply;
        }
        return kLinkOk;
    }
    LinkStatus read(std::size_t max, std::string& bytes) override {
        if (sent->empty()) clock.advance(1000);
        bytes = sent->substr(0, max);
        sent->erase(0, bytes.size());
        return kLinkOk;
    }
    LinkStatus close() override { return kLinkOk; }
    const std::string& wire() const { return *received; }

    VirtualClock& clock;
    std::string reply, burst;
    std::size_t burstAfter;
    std::shared_ptr<std::string> received = std::make_shared<std::string>(), sent = std::make_shared<std::string>();
};

} // namespace wg::test
