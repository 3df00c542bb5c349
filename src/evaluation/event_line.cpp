#include "evaluation/event_line.h"

namespace wg {
namespace {

struct EventKey {
    std::string_view key;
    std::string_view onWord;  // empty: a key without a state word
    std::string_view offWord;
    std::string_view otherSeparator;  // accepted beside ":", or empty
    EventKind kind;                   // for keys without a state word
};

const EventKey kEventKeys[] = {
    {"Reset", {}, {}, {}, kEventReset},
    {"Start", {}, {}, {}, kEventStart},
    {"Generator", "Ein", "Aus", "Aus:", kEventOn},
    {"Getriebe", "Ein", "Aus", {}, kEventOn},
    {"Stecker", "abgezogen", "angesteckt", {}, kEventOn},
};

const EventKey* findEventKey(std::string_view key) {
    for (const EventKey& entry : kEventKeys)
        if (key == entry.key) return &entry;
    return nullptr;
}

// The next word; false once the file has ended.
bool next(WordReader& words, std::string_view& word) {
    word = words.word();
    return !word.empty();
}

} // namespace

EventLineResult readEventLine(std::string_view key, WordReader& words, EventLine& line) {
    const EventKey* entry = findEventKey(key);
    if (!entry) return EventLineResult::NotAnEventKey;

    std::string_view word;
    if (entry->onWord.empty()) {
        if (!next(words, word)) return EventLineResult::FileEnded;
        if (word != ":") return EventLineResult::NoEvent;
        line.kind = entry->kind;
    } else {
        for (;;) {
            if (!next(words, word)) return EventLineResult::FileEnded;
            if (word == entry->onWord) { line.kind = kEventOn; break; }
            if (word == entry->offWord) { line.kind = kEventOff; break; }
        }
        for (;;) {
            if (!next(words, word)) return EventLineResult::FileEnded;
            if (word == ":" || (!entry->otherSeparator.empty() && word == entry->otherSeparator)) break;
        }
    }

    std::string_view unused;
    if (!next(words, line.date) || !next(words, unused) || !next(words, line.time))
        return EventLineResult::FileEnded;
    return EventLineResult::Event;
}

} // namespace wg
