#include "evaluation/event_line.h"

namespace wg {
namespace {

struct EventKey {
    const char* key;
    const char* onWord;   // nullptr: a key without a state word
    const char* offWord;
    const char* otherSeparator;  // accepted beside ":", or nullptr
    EventKind kind;       // for keys without a state word
};

const EventKey kEventKeys[] = {
    {"Reset", nullptr, nullptr, nullptr, kEventReset},
    {"Start", nullptr, nullptr, nullptr, kEventStart},
    {"Generator", "Ein", "Aus", "Aus:", kEventOn},
    {"Getriebe", "Ein", "Aus", nullptr, kEventOn},
    {"Stecker", "abgezogen", "angesteckt", nullptr, kEventOn},
};

const EventKey* findEventKey(const std::string& key) {
    for (const EventKey& entry : kEventKeys)
        if (key == entry.key) return &entry;
    return nullptr;
}

// The next word; false once the file has ended.
bool next(WordReader& words, std::string& word) {
    word = words.word();
    return !word.empty();
}

} // namespace

EventLineResult readEventLine(const std::string& key, WordReader& words, EventLine& line) {
    const EventKey* entry = findEventKey(key);
    if (!entry) return EventLineResult::NotAnEventKey;

    std::string word;
    if (!entry->onWord) {
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
            if (word == ":" || (entry->otherSeparator && word == entry->otherSeparator)) break;
        }
    }

    std::string date, unused, time;
    if (!next(words, date) || !next(words, unused) || !next(words, time))
        return EventLineResult::FileEnded;
    line.date = std::move(date);
    line.time = std::move(time);
    return EventLineResult::Event;
}

} // namespace wg
