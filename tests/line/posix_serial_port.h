#pragma once
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>

#include "platform/serial_port.h"

namespace wg::test {

// A SerialPort over a POSIX tty (the simulator's pseudo-terminal), with the same line settings and read contract as the
// program's Win32 port. Given a path, it opens that whatever name the program asks for, as Wine maps COM1.
class PosixSerialPort final : public SerialPort {
public:
    explicit PosixSerialPort(std::string path = {}) : path_(std::move(path)) {}
    ~PosixSerialPort() override { close(); }
    LinkStatus open(const std::string& name, std::uint16_t baud) override {
        fd_ = ::open((path_.empty() ? name : path_).c_str(), O_RDWR | O_NOCTTY);
        termios line{};
        if (fd_ < 0 || baud != 4800 || tcgetattr(fd_, &line) != 0) return kLinkFailed;
        cfmakeraw(&line);
        line.c_cflag &= ~static_cast<tcflag_t>(CSTOPB | PARENB | CRTSCTS);
        line.c_cflag |= CS8 | CLOCAL | CREAD;
        cfsetispeed(&line, B4800);
        cfsetospeed(&line, B4800);
        line.c_cc[VMIN] = line.c_cc[VTIME] = 0;
        return tcsetattr(fd_, TCSANOW, &line) == 0 ? kLinkOk : kLinkFailed;
    }
    LinkStatus write(const char* bytes, std::size_t count, std::size_t& accepted) override {
        const ssize_t n = fd_ < 0 ? -1 : ::write(fd_, bytes, count);
        accepted = n > 0 ? static_cast<std::size_t>(n) : 0;
        return accepted == count ? kLinkOk : kLinkFailed;
    }
    // What is waiting at once, else the first byte within 1000 ms and what came with it.
    LinkStatus read(std::size_t max, std::string& bytes) override {
        bytes.clear();
        if (fd_ < 0) return kLinkFailed;
        pollfd p{fd_, POLLIN, 0};
        if (waiting() == 0 && ::poll(&p, 1, 1000) <= 0) return kLinkOk;
        bytes.resize(std::min(max, waiting()));
        const ssize_t n = ::read(fd_, bytes.data(), bytes.size());
        bytes.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
        return n >= 0 ? kLinkOk : kLinkFailed;
    }
    LinkStatus close() override {
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
        return kLinkOk;
    }

private:
    std::size_t waiting() const {
        int count = 0;
        return ioctl(fd_, FIONREAD, &count) == 0 && count > 0 ? static_cast<std::size_t>(count) : 0;
    }
    std::string path_;
    int fd_ = -1;
};

class PosixPortFactory final : public SerialPortFactory {
public:
    explicit PosixPortFactory(std::string path) : path_(std::move(path)) {}
    std::unique_ptr<SerialPort> create() override { return std::make_unique<PosixSerialPort>(path_); }

private:
    std::string path_;
};

} // namespace wg::test
