#pragma once
#include "platform/serial_port.h"

namespace wg::test {

// A SerialPort over a POSIX tty (the simulator's pseudo-terminal), with the
// same line settings and read contract as the program's Win32 port.
class PosixSerialPort final : public SerialPort {
public:
    ~PosixSerialPort() override;
    LinkStatus open(const std::string& name, std::uint16_t baud) override;
    LinkStatus write(const char* bytes, std::size_t count, std::size_t& accepted) override;
    LinkStatus read(std::size_t max, std::string& bytes) override;
    LinkStatus close() override;

private:
    int fd_ = -1;
    bool failed_ = false;
};

// Opens `path` whatever name the program asks for, as Wine maps COM1.
class PosixPortFactory final : public SerialPortFactory {
public:
    explicit PosixPortFactory(std::string path) : path_(std::move(path)) {}
    std::unique_ptr<SerialPort> create() override;

private:
    std::string path_;
};

} // namespace wg::test
