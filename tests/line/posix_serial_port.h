#pragma once
#include "platform/serial_port.h"

namespace wg::test {

// A SerialPort over a POSIX tty (the simulator's pseudo-terminal), with the
// same line settings and read contract as the program's Win32 port. Given a
// path, it opens that whatever name the program asks for, as Wine maps COM1.
class PosixSerialPort final : public SerialPort {
public:
    explicit PosixSerialPort(std::string path = {}) : path_(std::move(path)) {}
    ~PosixSerialPort() override;
    LinkStatus open(const std::string& name, std::uint16_t baud) override;
    LinkStatus write(const char* bytes, std::size_t count, std::size_t& accepted) override;
    LinkStatus read(std::size_t max, std::string& bytes) override;
    LinkStatus close() override;

private:
    std::string path_;
    int fd_ = -1;
    bool failed_ = false;
};

class PosixPortFactory final : public SerialPortFactory {
public:
    explicit PosixPortFactory(std::string path) : path_(std::move(path)) {}
    std::unique_ptr<SerialPort> create() override { return std::make_unique<PosixSerialPort>(path_); }

private:
    std::string path_;
};

} // namespace wg::test
