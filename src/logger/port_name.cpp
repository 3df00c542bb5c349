#include "logger/port_name.h"

#include <algorithm>

namespace wg {
namespace {

int portNumber(const std::string& name) { return std::stoi(name.substr(3)); }

} // namespace

std::optional<std::string> portName(const std::string& text) {
    if (text.size() < 4 || text.size() > 6) return std::nullopt;
    for (std::size_t i = 0; i < 3; ++i)
        if ((text[i] & ~0x20) != "COM"[i]) return std::nullopt;
    const std::string digits = text.substr(3);
    if (digits[0] == '0' || digits.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
    if (std::stoi(digits) > kHighestPortNumber) return std::nullopt;
    return "COM" + digits;
}

std::vector<std::string> sortedPorts(const std::vector<std::string>& names) {
    std::vector<std::string> ports;
    for (const std::string& name : names)
        if (auto port = portName(name)) ports.push_back(*port);
    std::sort(ports.begin(), ports.end(),
              [](const std::string& a, const std::string& b) { return portNumber(a) < portNumber(b); });
    ports.erase(std::unique(ports.begin(), ports.end()), ports.end());
    return ports;
}

std::string portFailureText(const std::string& port, const std::vector<std::string>& available) {
    std::string text = "Schnittstelle " + port +
                       " kann nicht geöffnet werden. Bitte prüfen, ob der ERLG angeschlossen und die "
                       "Schnittstelle vorhanden und nicht von einem anderen Programm belegt ist.\n\n";
    const std::vector<std::string> ports = sortedPorts(available);
    if (ports.empty()) {
        return text + "Dieser PC meldet keine serielle Schnittstelle. Ist der USB-Seriell-Adapter "
                      "eingesteckt?\nWakeguard mit der Schnittstelle des Adapters starten, zum Beispiel "
                      "\"Wakeguard.exe COM4\" im Feld \"Ziel\" der Verknüpfung.";
    }
    // A PC with dozens of virtual ports still gets a message that fits.
    constexpr std::size_t kListed = 16;
    std::string list;
    for (std::size_t i = 0; i < ports.size() && i < kListed; ++i) list += (i ? ", " : "") + ports[i];
    if (ports.size() > kListed) list += " und " + std::to_string(ports.size() - kListed) + " weitere";
    const std::string& example = ports.back() == port && ports.size() > 1 ? ports.front() : ports.back();
    return text + "Serielle Schnittstellen dieses PCs: " + list +
           ".\nWakeguard mit einer davon starten, zum Beispiel \"Wakeguard.exe " + example +
           "\" im Feld \"Ziel\" der Verknüpfung.";
}

} // namespace wg
