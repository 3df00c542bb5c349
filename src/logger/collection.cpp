#include "logger/collection.h"

namespace wg {

void drain(SerialLink& link, Clock& clock, MessageText* into) {
    MessageText scratch;
    MessageText& buffer = into ? *into : scratch;
    buffer.clear();
    collectFor(link, clock, buffer, 100, 2);
    link.clearReply();
}

void timedCollection(SerialLink& link, Clock& clock, MessageText& into) {
    into.clear();
    link.read(100);
    into.set(link.reply());
    const std::int64_t start = clock.nowMs();
    while (elapsedSeconds(clock, start) < 2) {
        link.read(50);
        into.append(link.reply());
    }
}

void collectFor(SerialLink& link, Clock& clock, MessageText& into, std::size_t count,
                std::int64_t seconds) {
    const std::int64_t start = clock.nowMs();
    do {
        link.read(100);
        into.append(link.reply());
    } while (into.size() < count && elapsedSeconds(clock, start) < seconds);
}

bool collectAtLeast(SerialLink& link, Clock& clock, MessageText& into, std::size_t count) {
    std::int64_t lastGrowth = clock.nowMs();
    while (into.size() < count) {
        const std::size_t before = into.size();
        link.read(100);
        into.append(link.reply());
        if (into.size() > before) {
            lastGrowth = clock.nowMs();
        } else if (elapsedSeconds(clock, lastGrowth) >= kSilenceLimitSeconds ||
                   into.size() >= MessageText::kLimit) {
            return false;
        }
    }
    return true;
}

} // namespace wg
