#pragma once
#include <memory>
#include <string>

#include "platform/serial_port.h"
#include "support/fakes.h"

namespace wg::test {

// A logger reduced to its line: it echoes every byte at once, answers each line end with
// `reply`, and sends `burst` right behind the echo of the `burstAfter`-th byte it receives
// (0: never). All links opened on it share the one line; `wire` is every byte received.
struct CannedPort final : SerialPortFactory {
    CannedPort(VirtualClock& clock, std::string reply, std::size_t burstAfter = 0, std::string burst = "")
        : clock(clock), reply(std::move(reply)), burstAfter(burstAfter), burst(std::move(burst)) {}

    struct Link final : SerialPort {
        explicit Link(CannedPort& line) : line(line) {}
        LinkStatus open(const std::string&, std::uint16_t) override { return kLinkOk; }
        LinkStatus write(const char* bytes, std::size_t count, std::size_t& accepted) override {
            for (accepted = 0; accepted < count; ++accepted) {
                const char c = bytes[accepted];
                line.wire += c;
                line.out += c;
                if (line.wire.size() == line.burstAfter) line.out += line.burst;
                if (c == '\r' || c == '\n') line.out += line.reply;
            }
            return kLinkOk;
        }
        LinkStatus read(std::size_t max, std::string& bytes) override {
            if (line.out.empty()) line.clock.advance(1000);
            bytes = line.out.substr(0, max);
            line.out.erase(0, bytes.size());
            return kLinkOk;
        }
        LinkStatus close() override { return kLinkOk; }
        CannedPort& line;
    };
    std::unique_ptr<SerialPort> create() override { return std::make_unique<Link>(*this); }

    VirtualClock& clock;
    std::string reply;
    std::size_t burstAfter;
    std::string burst;
    std::string wire;
    std::string out;  // sent, not yet read
};

} // namespace wg::test
