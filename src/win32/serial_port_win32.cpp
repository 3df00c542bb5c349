#include "win32/serial_port_win32.h"

#include <algorithm>

#include "win32/overlapped_wait.h"
#include "win32/responsive_wait.h"
#include "platform/wide_text.h"

namespace wg {
namespace {

// A read waits 1000 ms for its first byte; the driver ends it then. These
// bounds only hold a driver that never ends a transfer.
constexpr DWORD kFirstByteMs = 1000;
constexpr DWORD kReadBoundMs = kFirstByteMs + 2000;
constexpr DWORD kQuickBoundMs = 2000;
// How long a cancelled transfer may take to end; a driver that ignores the
// cancel has failed the port.
constexpr DWORD kCancelBoundMs = 2000;
constexpr DWORD kReadChunk = 512;
// 4800 baud take about 2 ms a byte.
DWORD writeBoundMs(std::size_t count) { return 2000 + static_cast<DWORD>(count) * 10; }

} // namespace

Win32SerialPort::~Win32SerialPort() { release(); }

void Win32SerialPort::release() {
    if (handle_ != INVALID_HANDLE_VALUE) {
        CancelIo(handle_);
        CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
    }
    for (std::unique_ptr<Transfer>* transfer : {&reading_, &writing_}) {
        if (stuck_) static_cast<void>(transfer->release());  // left to the driver
        transfer->reset();
    }
}

LinkStatus Win32SerialPort::open(const std::string& name, std::uint16_t baud) {
    if (opened_) return handle_ != INVALID_HANDLE_VALUE ? kLinkOk : kLinkFailed;
    opened_ = true;
    // The device namespace reaches COM10 and above as well as COM1.
    const std::string device = name.rfind("\\\\.\\", 0) == 0 ? name : "\\\\.\\" + name;
    handle_ = CreateFileW(wide(device).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                          FILE_FLAG_OVERLAPPED, nullptr);
    if (handle_ == INVALID_HANDLE_VALUE) return kLinkFailed;
    reading_ = std::make_unique<Transfer>();
    writing_ = std::make_unique<Transfer>();

    COMMTIMEOUTS timeouts = {};
    timeouts.ReadIntervalTimeout = MAXDWORD;
    timeouts.ReadTotalTimeoutMultiplier = MAXDWORD;
    timeouts.ReadTotalTimeoutConstant = kFirstByteMs;

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
    if (reading_->overlapped.hEvent && writing_->overlapped.hEvent && SetCommTimeouts(handle_, &timeouts) &&
        SetCommState(handle_, &line))
        return kLinkOk;
    release();
    return kLinkFailed;
}

bool Win32SerialPort::finish(bool started, Transfer& transfer, DWORD& done, DWORD boundMs) {
    OVERLAPPED& overlapped = transfer.overlapped;
    if (started) return GetOverlappedResult(handle_, &overlapped, &done, FALSE) != 0;
    if (GetLastError() != ERROR_IO_PENDING) return false;
    done = 0;
    switch (awaitTransfer(handle_, overlapped, boundMs, kCancelBoundMs)) {
    case TransferEnd::Done: break;
    case TransferEnd::TimedOut:
        GetOverlappedResult(handle_, &overlapped, &done, FALSE);
        return false;
    case TransferEnd::Stuck:
        stuck_ = true;
        release();
        return false;
    }
    if (GetOverlappedResult(handle_, &overlapped, &done, FALSE)) return true;
    // Wine ends a read that timed out with this error; Windows with success.
    return GetLastError() == ERROR_TIMEOUT;
}

LinkStatus Win32SerialPort::write(const char* bytes, std::size_t count, std::size_t& accepted) {
    accepted = 0;
    if (handle_ == INVALID_HANDLE_VALUE) return kLinkFailed;
    Transfer& transfer = *writing_;
    transfer.bytes.assign(bytes, count);
    ResetEvent(transfer.overlapped.hEvent);
    DWORD written = 0;
    const bool ok = finish(WriteFile(handle_, transfer.bytes.data(), static_cast<DWORD>(count), &written,
                                     &transfer.overlapped) != 0,
                           transfer, written, writeBoundMs(count));
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

bool Win32SerialPort::readInto(std::string& bytes, DWORD count, DWORD boundMs) {
    Transfer& transfer = *reading_;
    count = std::min<DWORD>(count, kReadChunk);
    transfer.bytes.resize(kReadChunk);
    ResetEvent(transfer.overlapped.hEvent);
    DWORD got = 0;
    if (!finish(ReadFile(handle_, transfer.bytes.data(), count, &got, &transfer.overlapped) != 0, transfer, got,
                boundMs))
        return false;
    bytes.append(transfer.bytes.data(), std::min<DWORD>(got, count));
    return true;
}

// The timeouts of the open give this contract on Windows, but not every
// driver (nor Wine) honours them, so it is made explicit: what waits is
// taken at once; otherwise one byte is awaited for up to 1000 ms and then
// whatever else has come.
LinkStatus Win32SerialPort::read(std::size_t max, std::string& bytes) {
    bytes.clear();
    if (handle_ == INVALID_HANDLE_VALUE) return kLinkFailed;
    keepResponsive();
    if (max == 0) return kLinkOk;
    const DWORD wanted = static_cast<DWORD>(std::min<std::size_t>(max, kReadChunk));
    DWORD ready = waiting();
    if (ready == 0) {
        if (!setReadTimeouts(0, 0, kFirstByteMs) || !readInto(bytes, 1, kReadBoundMs)) return kLinkFailed;
        if (bytes.empty() || wanted == 1) return kLinkOk;
        ready = waiting();
        if (ready == 0) return kLinkOk;
    }
    const DWORD take = std::min<DWORD>(wanted - static_cast<DWORD>(bytes.size()), ready);
    if (!setReadTimeouts(MAXDWORD, 0, 0) || !readInto(bytes, take, kQuickBoundMs)) return kLinkFailed;
    return kLinkOk;
}

LinkStatus Win32SerialPort::close() {
    if (!opened_) return kLinkOk;
    const bool wasOpen = handle_ != INVALID_HANDLE_VALUE;
    release();
    return wasOpen ? kLinkOk : kLinkFailed;
}

std::vector<std::string> Win32SerialPortFactory::availablePorts() {
    std::vector<std::string> ports;
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_READ, &key) != ERROR_SUCCESS)
        return ports;
    for (DWORD index = 0;; ++index) {
        wchar_t name[256];
        DWORD nameLength = 256;
        wchar_t data[64] = {};
        DWORD dataBytes = sizeof data - sizeof(wchar_t);  // room for the end a value may lack
        DWORD type = 0;
        const LONG found = RegEnumValueW(key, index, name, &nameLength, nullptr, &type,
                                         reinterpret_cast<BYTE*>(data), &dataBytes);
        if (found == ERROR_NO_MORE_ITEMS) break;
        if (found != ERROR_SUCCESS || type != REG_SZ) continue;
        std::string port;
        if (narrow(data, port)) ports.push_back(port);
    }
    RegCloseKey(key);
    return ports;
}

} // namespace wg
