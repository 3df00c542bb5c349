#include "win32/serial_port_win32.h"

#include <algorithm>

namespace wg {

Win32SerialPort::~Win32SerialPort() {
    if (handle_ && handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
}

LinkStatus Win32SerialPort::open(const std::string& name, std::uint16_t baud) {
    if (handle_) return kLinkOk;
    // The device namespace reaches COM10 and above as well as COM1.
    const std::string device = name.rfind("\\\\.\\", 0) == 0 ? name : "\\\\.\\" + name;
    handle_ = CreateFileA(device.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                          0, nullptr);
    if (handle_ == INVALID_HANDLE_VALUE) return kLinkFailed;

    COMMTIMEOUTS timeouts = {};
    timeouts.ReadIntervalTimeout = MAXDWORD;
    timeouts.ReadTotalTimeoutMultiplier = MAXDWORD;
    timeouts.ReadTotalTimeoutConstant = 1000;
    timeouts.WriteTotalTimeoutMultiplier = 0;
    timeouts.WriteTotalTimeoutConstant = 0;
    if (!SetCommTimeouts(handle_, &timeouts)) return kLinkFailed;

    // Built from zeros: binary, 8N1, no flow control, DTR and RTS disabled,
    // no XON/XOFF, no error or NUL handling, no abort on error.
    DCB line = {};
    line.DCBlength = sizeof line;
    line.BaudRate = baud;
    line.fBinary = TRUE;
    line.ByteSize = 8;
    line.Parity = NOPARITY;
    line.StopBits = ONESTOPBIT;
    line.fDtrControl = DTR_CONTROL_DISABLE;
    line.fRtsControl = RTS_CONTROL_DISABLE;
    return SetCommState(handle_, &line) ? kLinkOk : kLinkFailed;
}

LinkStatus Win32SerialPort::write(const char* bytes, std::size_t count, std::size_t& accepted) {
    accepted = 0;
    if (!handle_ || handle_ == INVALID_HANDLE_VALUE) return kLinkFailed;
    DWORD written = 0;
    const BOOL ok = WriteFile(handle_, bytes, static_cast<DWORD>(count), &written, nullptr);
    accepted = written;
    return ok ? kLinkOk : kLinkFailed;
}

bool Win32SerialPort::setReadTimeouts(DWORD interval, DWORD multiplier, DWORD constant) {
    COMMTIMEOUTS timeouts = {};
    timeouts.ReadIntervalTimeout = interval;
    timeouts.ReadTotalTimeoutMultiplier = multiplier;
    timeouts.ReadTotalTimeoutConstant = constant;
    return SetCommTimeouts(handle_, &timeouts) != 0;
}

DWORD Win32SerialPort::waiting() {
    DWORD errors = 0;
    COMSTAT status = {};
    if (!ClearCommError(handle_, &errors, &status)) return 0;
    return status.cbInQue;
}

bool Win32SerialPort::readInto(std::string& bytes, DWORD count) {
    char buffer[512];
    count = std::min<DWORD>(count, sizeof buffer);
    DWORD got = 0;
    if (!ReadFile(handle_, buffer, count, &got, nullptr)) return false;
    bytes.append(buffer, got);
    return true;
}

// The timeouts of the open give this contract on Windows, but not every
// driver (nor Wine) honours them, so it is made explicit: what waits is
// taken at once; otherwise one byte is awaited for up to 1000 ms and then
// whatever else has come.
LinkStatus Win32SerialPort::read(std::size_t max, std::string& bytes) {
    bytes.clear();
    if (!handle_ || handle_ == INVALID_HANDLE_VALUE) return kLinkFailed;
    if (max == 0) return kLinkOk;
    const DWORD wanted = static_cast<DWORD>(std::min<std::size_t>(max, 512));
    DWORD ready = waiting();
    if (ready == 0) {
        if (!setReadTimeouts(0, 0, 1000) || !readInto(bytes, 1)) return kLinkFailed;
        if (bytes.empty() || wanted == 1) return kLinkOk;
        ready = waiting();
        if (ready == 0) return kLinkOk;
    }
    const DWORD take = std::min<DWORD>(wanted - static_cast<DWORD>(bytes.size()), ready);
    if (!setReadTimeouts(MAXDWORD, 0, 0) || !readInto(bytes, take)) return kLinkFailed;
    return kLinkOk;
}

LinkStatus Win32SerialPort::close() {
    if (!handle_) return kLinkOk;
    if (handle_ == INVALID_HANDLE_VALUE) return kLinkFailed;
    CloseHandle(handle_);
    handle_ = nullptr;
    return kLinkOk;
}

} // namespace wg
