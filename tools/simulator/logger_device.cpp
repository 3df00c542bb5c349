#include "logger_device.h"

#include <algorithm>
#include <cctype>

namespace wg::sim {
namespace {

constexpr std::int64_t kByteUs = 1000000 / 480;
constexpr std::size_t kLineLimit = 40;
constexpr const char* kLoginDemand = "\nPasswort erforderlich\r\n";

bool allDigits(const std::string& text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); });
}

} // namespace

void LoggerDevice::receive(const std::string& bytes, std::int64_t nowMs) {
    for (char byte : bytes) receive(byte, nowMs);
}

bool LoggerDevice::hit(Fault fault) {
    if (behaviour_.fault != fault) return false;
    if (behaviour_.faultCount <= 0) return true;
    if (hits_ >= behaviour_.faultCount) return false;
    ++hits_;
    return true;
}

void LoggerDevice::send(const std::string& bytes, std::int64_t atMs) {
    std::int64_t at = std::max(atMs * 1000, lastOutUs_);
    for (char byte : bytes) {
        if (behaviour_.sendLimit > 0 && sent_ >= behaviour_.sendLimit) return;
        ++sent_;
        if (behaviour_.paced) at = std::max(at, lastOutUs_ + kByteUs);
        out_.push_back({at, byte});
        lastOutUs_ = at;
    }
}

void LoggerDevice::echo(char byte, std::int64_t nowMs) {
    if (hit(Fault::DropEcho)) return;
    if (hit(Fault::EchoExtraByte)) {
        send(std::string(1, byte) + "*", nowMs);
        return;
    }
    if (hit(Fault::GarbledEcho)) {
        send(std::string(1, static_cast<char>(byte ^ 0x01)), nowMs);
        return;
    }
    send(std::string(1, byte), nowMs);
}

void LoggerDevice::answer(const std::string& bytes, std::int64_t nowMs) {
    const bool glued = hit(Fault::GluedAnswer);
    send(bytes, nowMs + (glued ? 0 : behaviour_.answerDelayMs));
}

void LoggerDevice::refuse(std::int64_t nowMs) { answer("Falsches Kommando", nowMs); }

void LoggerDevice::receive(char byte, std::int64_t nowMs) {
    received_ += byte;
    if (hit(Fault::Silent)) return;
    echo(byte, nowMs);

    switch (phase_) {
    case Phase::Line:
        if (line_.empty()) {
            if (byte == '\r' || byte == '\n') return;
            if (byte == 'E' || byte == 'G' || byte == 'H') {
                line_ = byte;
                phase_ = Phase::Digits;
                return;
            }
            if (byte == 'X' || byte == 'A') {
                letter_ = byte;
                phase_ = Phase::LetterEnd;
                return;
            }
        }
        if (byte == '\r') {
            const std::string line = line_;
            line_.clear();
            lineEnded(line, nowMs);
            return;
        }
        if (byte == '\n') return;
        // A letter sent again because its echo went wrong is the same letter.
        if (line_.size() == 1 && byte == line_[0]) return;
        line_ += byte;
        if (line_.size() > kLineLimit) {
            line_.clear();
            refuse(nowMs);
        }
        return;

    case Phase::Digits:
        if (line_.size() == 1 && byte == line_[0]) return;
        if (!std::isdigit(static_cast<unsigned char>(byte))) {
            line_.clear();
            phase_ = Phase::Line;
            refuse(nowMs);
            return;
        }
        line_ += byte;
        if (line_.size() == 13) {
            const std::string line = line_;
            line_.clear();
            phase_ = Phase::Line;
            digitsEnded(line, nowMs);
        }
        return;

    case Phase::LetterEnd:
        if (byte == letter_) return;
        if (byte != '\n' && byte != '\r') {
            phase_ = Phase::Line;
            refuse(nowMs);
            return;
        }
        if (hit(Fault::WrongCommand)) {
            phase_ = Phase::Line;
            refuse(nowMs);
            return;
        }
        line_.clear();
        phase_ = Phase::Password;
        answer("\r\nPasswort: ", nowMs);
        return;

    case Phase::Password:
        if (byte == '\r') {
            const bool ok = line_ == (letter_ == 'X' ? state_.masterPassword : state_.userPassword);
            line_.clear();
            phase_ = Phase::Line;
            state_.loggedIn = ok;
            answer(ok ? "\nPasswort OK\r\n" : "\nFalsches Passwort\r\n", nowMs);
            return;
        }
        if (line_.size() < kLineLimit) line_ += byte;
        return;

    case Phase::YachtId:
        if (byte == '\r') {
            state_.yachtId = line_.substr(0, 15);
            line_.clear();
            phase_ = Phase::Line;
            answer("\nYacht-ID gespeichert\r\n", nowMs);
            return;
        }
        if (line_.size() < kLineLimit) line_ += byte;
        return;
    }
}

void LoggerDevice::lineEnded(const std::string& line, std::int64_t nowMs) {
    if (hit(Fault::WrongCommand)) {
        refuse(nowMs);
        return;
    }
    const bool login = state_.loggedIn;
    if (line == "D") {
        answer(login ? "\nERLG: " + state_.serialNumber + "\r\nYacht: " + state_.yachtId + "\r\n"
                     : kLoginDemand,
               nowMs);
    } else if (line == "D0") {
        if (!login) {
            answer(kLoginDemand, nowMs);
            return;
        }
        phase_ = Phase::YachtId;
        answer("\nYacht-ID eingeben\r\n", nowMs);
    } else if (line == "F") {
        answer("\nBetriebsart: " + std::to_string(state_.operatingMode) + "\r\n", nowMs);
    } else if (line[0] == 'F' && allDigits(line.substr(1))) {
        if (!login) {
            answer(kLoginDemand, nowMs);
            return;
        }
        const int mode = line.size() == 2 ? line[1] - '0' : 0;
        if (mode < 1 || mode > 5) {
            answer("\nFalsche Betriebsart\r\n", nowMs);
            return;
        }
        state_.operatingMode = mode;
        answer("\nBetriebsart " + std::to_string(mode) + " eingestellt\r\n", nowMs);
    } else if (line == "T") {
        answer("\nEreignisdauer bis Regatta-Ende: " + std::to_string(state_.coarseMinutes) +
                   " min\r\n",
               nowMs);
    } else if (line == "I") {
        std::string bytes = dump();
        if (behaviour_.dumpLimit > 0 && bytes.size() > behaviour_.dumpLimit)
            bytes.resize(behaviour_.dumpLimit);
        const std::size_t pauseAt = behaviour_.dumpPauseAt;
        if (pauseAt == 0 || pauseAt >= bytes.size()) {
            answer(bytes, nowMs);
            return;
        }
        answer(bytes.substr(0, pauseAt), nowMs);
        send(bytes.substr(pauseAt), nowMs + behaviour_.answerDelayMs + behaviour_.dumpPauseMs);
    } else if (line == "C") {
        answer("\nEEProm Size = 8192\r\n", nowMs);
        if (!behaviour_.eraseConfirms) return;
        send("EEProm geloescht\r\n", nowMs + behaviour_.answerDelayMs + behaviour_.eraseMs);
        state_.events.clear();
        state_.coarseMinutes = 0;
        if (behaviour_.eraseLogsOut) state_.loggedIn = false;
    } else {
        refuse(nowMs);
    }
}

void LoggerDevice::digitsEnded(const std::string& line, std::int64_t nowMs) {
    if (hit(Fault::WrongCommand)) {
        refuse(nowMs);
        return;
    }
    if (!state_.loggedIn) {
        answer("Passwort erforderlich\r\n", nowMs);
        return;
    }
    const std::string digits = line.substr(1);
    switch (line[0]) {
    case 'E':
        state_.clock = digits;
        answer("Uhr gestellt\r\n", nowMs);
        break;
    case 'G':
        state_.regattaStart = digits;
        answer("Regatta-Start gesetzt\r\n", nowMs);
        break;
    default:
        state_.regattaEnd = digits;
        answer("Regatta-Ende gesetzt\r\n", nowMs);
        break;
    }
}

std::string LoggerDevice::dump() const {
    std::string bytes = "\n";
    for (const std::string& event : state_.events) bytes += event + "\r\n";
    return bytes + "Ereigniss Ende\r\n";
}

std::size_t LoggerDevice::available(std::int64_t nowMs) const {
    std::size_t count = 0;
    for (const Timed& t : out_) {
        if (t.atUs > nowMs * 1000) break;
        ++count;
    }
    return count;
}

std::string LoggerDevice::take(std::size_t max, std::int64_t nowMs) {
    std::string bytes;
    while (bytes.size() < max && !out_.empty() && out_.front().atUs <= nowMs * 1000) {
        bytes += out_.front().byte;
        out_.pop_front();
    }
    return bytes;
}

std::optional<std::int64_t> LoggerDevice::nextByteAtMs() const {
    if (out_.empty()) return std::nullopt;
    return (out_.front().atUs + 999) / 1000;
}

} // namespace wg::sim
