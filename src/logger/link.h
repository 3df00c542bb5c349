#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "platform/serial_port.h"

namespace wg {

// The logger hangs on the first serial port unless the program is started
// with another one; always at 4800 baud.
inline constexpr const char* kLoggerPort = "COM1";
inline constexpr std::uint16_t kLoggerBaud = 4800;

// One serial link: created, opened, used for exactly one exchange, closed
// and destroyed within one user action, so no port stays held between them.
class SerialLink {
public:
    static constexpr std::size_t kReplyLimit = 999;

    explicit SerialLink(SerialPortFactory& ports) : ports_(ports) { ++ports_.linksInUse_; }
    // Releases a port that is still held, so a forgotten close can never
    // block the next exchange's exclusive open.
    ~SerialLink();
    SerialLink(const SerialLink&) = delete;
    SerialLink& operator=(const SerialLink&) = delete;

    // A link is opened once: a second open reports success without touching
    // the port, whether the first one succeeded or not.
    LinkStatus open(const std::string& name, std::uint16_t baud);
    LinkStatus write(const std::string& bytes);
    // Replaces the received bytes and the reply text; see SerialPort::read for
    // how long it may block. A link that is not open fails at once.
    LinkStatus read(std::size_t max);
    LinkStatus close();

    bool isOpen() const { return state_ == State::Open; }
    // Bytes delivered by the last read, zero bytes included.
    const std::string& received() const { return received_; }
    std::uint32_t bytesRead() const { return static_cast<std::uint32_t>(received_.size()); }
    std::uint32_t bytesWritten() const { return bytesWritten_; }
    // The last read as text: ends at the first zero byte, at most kReplyLimit.
    const std::string& reply() const { return reply_; }
    void clearReply() { reply_.clear(); }

private:
    enum class State { New, Open, OpenFailed, Closed };

    SerialPortFactory& ports_;
    std::unique_ptr<SerialPort> port_;
    State state_ = State::New;
    std::string received_;
    std::string reply_;
    std::uint32_t bytesWritten_ = 0;
};

} // namespace wg
