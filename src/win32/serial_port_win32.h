#pragma once
#include <windows.h>

#include <string>

#include "platform/serial_port.h"

namespace wg {

// A serial port of the PC through the Win32 communications functions.
// Decides nothing: it gives the line settings and the read contract of
// SerialPort, and reports success or failure. Its waits keep the program's
// windows alive (overlapped I/O under a responsive wait), so the window
// answers while the logger takes its time.
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
    // One overlapped ReadFile under the timeouts in force, awaited for at
    // most `boundMs`; appends what came.
    bool readInto(std::string& bytes, DWORD count, DWORD boundMs);

    // What the driver works on while a transfer is pending: its bytes and
    // its OVERLAPPED with its event, which must live as long as the driver
    // may touch them.
    struct Transfer {
        Transfer() { overlapped.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr); }
        ~Transfer() {
            if (overlapped.hEvent) CloseHandle(overlapped.hEvent);
        }
        Transfer(const Transfer&) = delete;
        Transfer& operator=(const Transfer&) = delete;
        OVERLAPPED overlapped = {};
        std::string bytes;
    };
    // Ends a transfer (`started`: what ReadFile or WriteFile returned),
    // waiting responsively; false when the platform failed it or it did not
    // end within `boundMs` (it is then cancelled). A transfer that not even
    // the cancel ends leaves the port stuck: every later call fails at once.
    bool finish(bool started, Transfer& transfer, DWORD& done, DWORD boundMs);
    void release();

    HANDLE handle_ = INVALID_HANDLE_VALUE;
    // Made at the open, freed at the release unless the port is stuck:
    // then the driver may still write into them, and they are left to it.
    std::unique_ptr<Transfer> reading_, writing_;
    bool opened_ = false;
    bool stuck_ = false;
};

class Win32SerialPortFactory final : public SerialPortFactory {
public:
    std::unique_ptr<SerialPort> create() override { return std::make_unique<Win32SerialPort>(); }
    // The ports Windows lists under HKLM\HARDWARE\DEVICEMAP\SERIALCOMM.
    std::vector<std::string> availablePorts() override;
};

} // namespace wg
