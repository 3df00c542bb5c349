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

// A logger that echoes every byte at once and answers each CR-ended line
// from a script: pieces of text, each due some milliseconds after the line
// ended. For answers the simulated logger does not give.
class ScriptedPorts final : public SerialPortFactory {
public:
    struct Piece {
        std::int64_t afterMs;
        std::string text;
    };
    explicit ScriptedPorts(VirtualClock& clock) : clock_(clock) {}
    std::unique_ptr<SerialPort> create() override { return std::make_unique<Port>(*this); }
    std::map<std::string, std::vector<Piece>> answers;

private:
    struct Port final : SerialPort {
        explicit Port(ScriptedPorts& owner) : owner(owner) {}
        LinkStatus open(const std::string&, std::uint16_t) override { return kLinkOk; }
        LinkStatus write(const char* bytes, std::size_t count, std::size_t& accepted) override {
            for (std::size_t i = 0; i < count; ++i) owner.receive(bytes[i]);
            accepted = count;
            return kLinkOk;
        }
        LinkStatus read(std::size_t max, std::string& bytes) override {
            bytes = owner.take(max);
            return kLinkOk;
        }
        LinkStatus close() override { return kLinkOk; }
        ScriptedPorts& owner;
    };

    void receive(char byte) {
        queue(clock_.nowMs(), byte);
        if (byte != '\r') {
            line_ += byte;
            return;
        }
        for (const Piece& piece : answers[line_])
            for (char c : piece.text) queue(clock_.nowMs() + piece.afterMs, c);
        line_.clear();
    }
    // Kept in time order; bytes due at the same time keep their order.
    void queue(std::int64_t at, char byte) {
        const auto later = std::find_if(out_.begin(), out_.end(), [at](const auto& o) { return o.first > at; });
        out_.insert(later, {at, byte});
    }
    // Waits for the next byte at most one second, as the read contract does.
    std::string take(std::size_t max) {
        const std::int64_t now = clock_.nowMs();
        if (out_.empty() || out_.front().first > now)
            clock_.advance(out_.empty() ? 1000 : std::min<std::int64_t>(out_.front().first - now, 1000));
        std::string bytes;
        while (bytes.size() < max && !out_.empty() && out_.front().first <= clock_.nowMs()) {
            bytes += out_.front().second;
            out_.pop_front();
        }
        return bytes;
    }

    VirtualClock& clock_;
    std::deque<std::pair<std::int64_t, char>> out_;
    std::string line_;
};

} // namespace wg::test
