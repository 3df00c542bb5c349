#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace wg {

// Result of every port and link operation: 0 success, 5 failure, nothing else.
using LinkStatus = std::uint16_t;
inline constexpr LinkStatus kLinkOk = 0;
inline constexpr LinkStatus kLinkFailed = 5;

// One serial port, opened for one exchange with the logger. Every call is
// synchronous; none blocks for longer than stated here.
class SerialPort {
public:
    virtual ~SerialPort() = default;

    // Opens the named port ("COM1") exclusively as an existing device with the
    // fixed line settings: `baud`, 8 data bits, no parity, one stop bit,
    // binary, no flow control, no modem line changes. Returns kLinkOk, or
    // kLinkFailed when the port is missing, held by another program or refuses
    // the settings. Blocks only as long as the platform takes to open a device;
    // it never waits for the far end.
    virtual LinkStatus open(const std::string& name, std::uint16_t baud) = 0;

    // Hands `count` bytes to the line in one synchronous write and stores in
    // `accepted` how many were taken. kLinkOk when the platform reports
    // success, kLinkFailed otherwise (also when the port is not open). Returns
    // once the bytes are accepted by the driver, without a timeout of its own.
    virtual LinkStatus write(const char* bytes, std::size_t count, std::size_t& accepted) = 0;

    // The read contract every exchange relies on. Replaces `bytes` with what
    // was received:
    // - bytes are waiting: returns at once with the waiting bytes, at most `max`;
    // - none are waiting: waits for the first byte, at most 1000 ms, then
    //   returns it together with whatever else is waiting by then (at most `max`);
    // - nothing within 1000 ms: returns kLinkOk with `bytes` empty.
    // So a read blocks for 1000 ms at most. kLinkFailed when the platform
    // refuses the read or the port is not open (then it returns at once).
    virtual LinkStatus read(std::size_t max, std::string& bytes) = 0;

    // Releases the port. kLinkOk after a successful open (whatever the
    // platform reports) and when the port was never opened; kLinkFailed when
    // the open had failed. Never blocks on the line.
    virtual LinkStatus close() = 0;
};

// Makes a fresh, unopened port for each exchange. The program's skin gives
// one over the platform's serial devices; tests give one wired to a simulated
// logger.
class SerialPortFactory {
public:
    virtual ~SerialPortFactory() = default;
    virtual std::unique_ptr<SerialPort> create() = 0;
    // The serial ports this PC has, as the platform lists them ("COM1",
    // "COM4"), in no particular order; empty when it cannot tell.
    virtual std::vector<std::string> availablePorts() { return {}; }

    // The program's one answer to whether a logger exchange runs: while a
    // link made from this factory exists, one does (its messages included).
    bool exchangeRunning() const { return linksInUse_ > 0; }

private:
    friend class SerialLink;
    int linksInUse_ = 0;
};

} // namespace wg
