#pragma once
#include <cstddef>
#include <cstdint>

#include "logger/link.h"
#include "platform/message_text.h"
#include "platform/clock.h"

namespace wg {

// A reply that stops growing for this many whole seconds has ended; every
// collection that waits for a number of characters gives up after it.
inline constexpr std::int64_t kSilenceLimitSeconds = 3;

// Throws away what the logger sent unasked: reads of up to 100 bytes until
// 100 characters have come or 2 whole seconds have passed (a silent logger
// costs two empty reads). Collects into `into` when given, else into a
// scratch buffer; clears the link's reply text at the end.
void drain(SerialLink& link, Clock& clock, MessageText* into = nullptr);

// The reply to the clock and regatta-time commands: `into` is cleared and
// takes one read of up to 100 bytes, then reads of up to 50 bytes are
// appended until 2 whole seconds have passed.
void timedCollection(SerialLink& link, Clock& clock, MessageText& into);

// Appends reads of up to 100 bytes to `into` until it holds `count`
// characters or `seconds` whole seconds have passed.
void collectFor(SerialLink& link, Clock& clock, MessageText& into, std::size_t count,
                std::int64_t seconds);

// Appends reads of up to 100 bytes to `into` until it holds `count`
// characters. False when the text stopped growing for kSilenceLimitSeconds
// before that: the logger fell silent or sends nothing but zero bytes.
bool collectAtLeast(SerialLink& link, Clock& clock, MessageText& into, std::size_t count);

} // namespace wg
