#include "logger/echo.h"

namespace wg {

bool echoedTransmission(SerialLink& link, Clock& clock, const std::string& command,
                        std::size_t echoReadSize) {
    if (!link.isOpen()) return false;
    for (std::size_t i = 0; i + 1 < command.size(); ++i) {
        const std::string character(1, command[i]);
        const std::int64_t firstWrite = clock.nowMs();
        for (int writes = 0;; ++writes) {
            if (writes == kEchoWriteLimit || elapsedSeconds(clock, firstWrite) >= kEchoSecondsLimit)
                return false;
            link.write(character);
            link.read(echoReadSize);
            // A zero byte cannot be told from a short reply, so the echo is
            // judged on the bytes received.
            if (link.received() == character) break;
        }
    }
    return true;
}

} // namespace wg
