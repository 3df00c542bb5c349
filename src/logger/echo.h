#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "logger/link.h"
#include "platform/clock.h"

namespace wg {

// How often one character goes out without its echo coming back alone, and
// how long after its first write, before the logger counts as not answering.
inline constexpr int kEchoWriteLimit = 5;
inline constexpr std::int64_t kEchoSecondsLimit = 3;

// Sends a command text character by character, all but its last character
// (texts ending in "\r\r" send one CR, texts ending in "\n" no terminator).
// After each write a read of up to `echoReadSize` bytes must return exactly
// that character; otherwise the character is written again. Returns true
// once the last character sent has been echoed; false when one character
// went out kEchoWriteLimit times, or kEchoSecondsLimit whole seconds passed
// since its first write, without its echo, or the link is not open.
bool echoedTransmission(SerialLink& link, Clock& clock, const std::string& command,
                        std::size_t echoReadSize);

} // namespace wg
