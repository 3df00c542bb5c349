#pragma once
#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace wg::sim {

// What the logger holds.
struct DeviceState {
    std::string masterPassword = "MASTER";
    std::string userPassword = "USER";
    bool loggedIn = false;
    std::string serialNumber = "100234";
    std::string yachtId = "GER12";
    int operatingMode = 3;
    // Digits as the E, G and H commands carry them: ddmmyyhhmmss.
    std::string clock = "140608080000";
    std::string regattaStart = "140608093000";
    std::string regattaEnd = "140608170000";
    std::vector<std::string> events = {
        "Start : 14.06.08 Sa 09:00:00",
        "Generator Ein : 14.06.08 Sa 09:10:00",
        "Generator Aus : 14.06.08 Sa 09:12:30",
        "Getriebe Ein : 14.06.08 Sa 10:15:00",
        "Generator Ein : 14.06.08 Sa 10:15:05",
        "Getriebe Aus : 14.06.08 Sa 10:19:40",
        "Generator Aus : 14.06.08 Sa 10:20:00",
        "Stecker abgezogen : 14.06.08 Sa 17:30:00",
    };
    int coarseMinutes = 5;
};

// How the logger misbehaves, if at all.
enum class Fault {
    None,
    Silent,           // receives everything, sends nothing
    DropEcho,         // leaves out the echo
    EchoExtraByte,    // sends a further byte right behind the echo
    GarbledEcho,      // echoes a different character
    WrongCommand,     // answers every command with "Falsches Kommando"
    GluedAnswer,      // the answer follows the last echo without a pause
};

struct Behaviour {
    Fault fault = Fault::None;
    // The echo faults hit this many received characters, then the logger
    // behaves; 0 means every one.
    int faultCount = 0;
    // The event memory dump ("I") breaks off after this many bytes; 0 never.
    std::size_t dumpLimit = 0;
    // The dump pauses for dumpPauseMs after this many bytes; 0 never.
    std::size_t dumpPauseAt = 0;
    int dumpPauseMs = 0;
    // The logger falls silent for good after sending this many bytes in
    // all, echoes included; 0 never.
    std::size_t sendLimit = 0;
    // 4800 baud: one byte every 1/480 s, as the line carries them.
    bool paced = false;
    // A real logger answers a moment after the echo of a command's last
    // character; the program relies on the echo arriving alone.
    int answerDelayMs = 50;
    // How long the erase takes before it is confirmed; a logger that never
    // confirms it sends only the size line.
    int eraseMs = 5000;
    bool eraseConfirms = true;
    // After the erase the logger asks for its password again.
    bool eraseLogsOut = false;
};

// The engine-run logger as seen from the line: it echoes every character it
// receives, singly and at once, and answers each command from its state.
// Time is given by the caller in milliseconds; output bytes carry the time
// at which they are on the line.
class LoggerDevice {
public:
    LoggerDevice() = default;
    LoggerDevice(DeviceState state, Behaviour behaviour)
        : state_(std::move(state)), behaviour_(behaviour) {}

    // One byte arrives from the line at `nowMs`.
    void receive(char byte, std::int64_t nowMs);
    void receive(const std::string& bytes, std::int64_t nowMs);

    // How many bytes are on the line by `nowMs`.
    std::size_t available(std::int64_t nowMs) const;
    // Takes up to `max` of them.
    std::string take(std::size_t max, std::int64_t nowMs);
    // When the next byte not yet taken will be on the line.
    std::optional<std::int64_t> nextByteAtMs() const;

    // Every byte received, in order, and how many were sent.
    const std::string& received() const { return received_; }
    std::size_t sent() const { return sent_; }
    const DeviceState& state() const { return state_; }
    DeviceState& state() { return state_; }
    Behaviour& behaviour() { return behaviour_; }

private:
    enum class Phase { Line, Digits, LetterEnd, Password, YachtId };

    void echo(char byte, std::int64_t nowMs);
    void send(const std::string& bytes, std::int64_t atMs);
    void answer(const std::string& bytes, std::int64_t nowMs);
    bool hit(Fault fault);
    void lineEnded(const std::string& line, std::int64_t nowMs);
    void digitsEnded(const std::string& line, std::int64_t nowMs);
    void refuse(std::int64_t nowMs);
    std::string dump() const;

    DeviceState state_;
    Behaviour behaviour_;
    std::string received_;
    int hits_ = 0;
    std::size_t sent_ = 0;

    Phase phase_ = Phase::Line;
    std::string line_;
    char letter_ = 0;

    struct Timed {
        std::int64_t atUs;
        char byte;
    };
    std::deque<Timed> out_;
    std::int64_t lastOutUs_ = -1000000000;
};

} // namespace wg::sim
