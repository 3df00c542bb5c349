#pragma once
#include <optional>
#include <string>
#include <vector>

namespace wg {

// The serial ports Windows can name: COM1 to COM256.
inline constexpr int kHighestPortNumber = 256;

// The port name a user typed ("COM4", "com12") as the program uses it
// ("COM4", "COM12"); nothing when the text is not such a name. Leading zeros
// and anything around the name are refused, so every port has one spelling.
std::optional<std::string> portName(const std::string& text);

// The ports sorted by their number (COM2 before COM10), each once; names that
// are not ports are left out.
std::vector<std::string> sortedPorts(const std::vector<std::string>& names);

// The message shown when the logger's port cannot be opened: the port in
// use, the ports this PC has, and how to start the program with one of them.
std::string portFailureText(const std::string& port, const std::vector<std::string>& available);

} // namespace wg
