#pragma once
#include <algorithm>
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/serial_port.h"
#include "support/virtual_clock.h"

namespace wg::test {

// A logger that echoes every byte and answers each CR-ended line from a
// script: pieces of text, each due some milliseconds after the line ended.
// For answers the simulated logger does not give.
class ScriptedPorts final : public SerialPortFactory {
public:
    struct Piece {
        std::int64_t afterMs;
        std::string text;
    };

    explicit ScriptedPorts(VirtualClock& clock) : clock_(clock) {}

    std::unique_ptr<SerialPort> create() override { return std::make_unique<Port>(*this); }

    std::map<std::string, std::vector<Piece>> answers;
    std::string received;

private:
    struct Timed {
        std::int64_t atMs;
        char byte;
    };
    class Port final : public SerialPort {
    public:
        explicit Port(ScriptedPorts& owner) : owner_(owner) {}
        LinkStatus open(const std::string&, std::uint16_t) override { return kLinkOk; }
        LinkStatus write(const char* bytes, std::size_t count, std::size_t& accepted) override {
            for (std::size_t i = 0; i < count; ++i) owner_.receive(bytes[i]);
            accepted = count;
            return kLinkOk;
        }
        LinkStatus read(std::size_t max, std::string& bytes) override {
            bytes = owner_.take(max);
            return kLinkOk;
        }
        LinkStatus close() override { return kLinkOk; }

    private:
        ScriptedPorts& owner_;
    };

    void receive(char byte) {
        received += byte;
        const std::int64_t now = clock_.nowMs();
        queue(now, byte);
        if (byte != '\r') {
            line_ += byte;
            return;
        }
        auto it = answers.find(line_);
        line_.clear();
        if (it == answers.end()) return;
        for (const Piece& piece : it->second)
            for (char c : piece.text) queue(now + piece.afterMs, c);
    }

    void queue(std::int64_t at, char byte) {
        // Kept in time order; bytes due at the same time keep their order.
        auto it = std::upper_bound(out_.begin(), out_.end(), at,
                                   [](std::int64_t t, const Timed& timed) { return t < timed.atMs; });
        out_.insert(it, {at, byte});
    }

    std::string take(std::size_t max) {
        const std::int64_t now = clock_.nowMs();
        if (out_.empty() || out_.front().atMs > now) {
            // Wait for the next byte, at most one second.
            const std::int64_t next = out_.empty() ? now + 1000 : std::min(out_.front().atMs, now + 1000);
            clock_.advance(next - now);
        }
        std::string bytes;
        while (bytes.size() < max && !out_.empty() && out_.front().atMs <= clock_.nowMs()) {
            bytes += out_.front().byte;
            out_.pop_front();
        }
        return bytes;
    }

    VirtualClock& clock_;
    std::deque<Timed> out_;
    std::string line_;
};

} // namespace wg::test
