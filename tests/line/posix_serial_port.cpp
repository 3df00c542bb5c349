#include "posix_serial_port.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace wg::test {
namespace {

std::size_t waiting(int fd) {
    int count = 0;
    if (ioctl(fd, FIONREAD, &count) != 0 || count < 0) return 0;
    return static_cast<std::size_t>(count);
}

} // namespace

PosixSerialPort::~PosixSerialPort() {
    if (fd_ >= 0) ::close(fd_);
}

LinkStatus PosixSerialPort::open(const std::string& name, std::uint16_t baud) {
    fd_ = ::open((path_.empty() ? name : path_).c_str(), O_RDWR | O_NOCTTY);
    if (fd_ < 0 || baud != 4800) {
        failed_ = true;
        return kLinkFailed;
    }
    termios line{};
    if (tcgetattr(fd_, &line) != 0) return kLinkFailed;
    cfmakeraw(&line);
    line.c_cflag &= ~static_cast<tcflag_t>(CSTOPB | PARENB | CRTSCTS);
    line.c_cflag |= CS8 | CLOCAL | CREAD;
    cfsetispeed(&line, B4800);
    cfsetospeed(&line, B4800);
    line.c_cc[VMIN] = 0;
    line.c_cc[VTIME] = 0;
    return tcsetattr(fd_, TCSANOW, &line) == 0 ? kLinkOk : kLinkFailed;
}

LinkStatus PosixSerialPort::write(const char* bytes, std::size_t count, std::size_t& accepted) {
    accepted = 0;
    if (fd_ < 0) return kLinkFailed;
    while (accepted < count) {
        const ssize_t n = ::write(fd_, bytes + accepted, count - accepted);
        if (n < 0) {
            if (errno == EINTR) continue;
            return kLinkFailed;
        }
        accepted += static_cast<std::size_t>(n);
    }
    return kLinkOk;
}

LinkStatus PosixSerialPort::read(std::size_t max, std::string& bytes) {
    bytes.clear();
    if (fd_ < 0) return kLinkFailed;
    if (waiting(fd_) == 0) {
        pollfd p{fd_, POLLIN, 0};
        const int ready = ::poll(&p, 1, 1000);
        if (ready <= 0) return ready == 0 || errno == EINTR ? kLinkOk : kLinkFailed;
    }
    const std::size_t take = std::min(max, waiting(fd_));
    if (take == 0) return kLinkOk;
    bytes.resize(take);
    const ssize_t n = ::read(fd_, bytes.data(), take);
    bytes.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    return n >= 0 ? kLinkOk : kLinkFailed;
}

LinkStatus PosixSerialPort::close() {
    if (failed_) return kLinkFailed;
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    return kLinkOk;
}

} // namespace wg::test
