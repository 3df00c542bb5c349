#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "files/status.h"
#include "platform/clock.h"

namespace wg {

// How one file kind is read. The table of all kinds is below.
struct ReaderParams {
    int timeLimitSeconds;
    bool endOfFileTest;   // stop with 'n' as soon as the file has ended
    Status openFailure;   // what a file that cannot be opened gives
    bool textMode;        // CR LF read as LF, as a text-mode stream does
    const char* idKey;    // identification entry, or nullptr
    const char* idValue;  // the value it must have
};

namespace reader {
inline constexpr ReaderParams settings{10, false, kStatusCannotOpen, false, nullptr, nullptr};
inline constexpr ReaderParams regatta{100, false, kStatusCannotOpen, false, "Datei-Kennung", "Regattastammdaten"};
inline constexpr ReaderParams yachtMaster{10, true, kStatusCannotOpen, false, "Dateikennung", "Yachtdaten"};
inline constexpr ReaderParams yachtRegattaEvaluation{1000, true, kStatusNoEndMarker, true, "Dateikennung", "Yachtdaten"};
inline constexpr ReaderParams coarseMinutes{10, true, kStatusCannotOpen, false, nullptr, nullptr};
} // namespace reader

enum class ValueKind { Integer, Text, ContinuedText };

// A known key and where its value goes. The setter of a text cuts the value
// to its field; a continued text's setter receives the whole value so far.
struct KeyEntry {
    std::string key;
    ValueKind kind;
    std::function<void(std::int32_t)> setInteger;
    std::function<void(const std::string&)> setText;
};

KeyEntry integerKey(std::string key, std::int32_t& field);
KeyEntry textKey(std::string key, std::string& field, std::size_t limit);
KeyEntry continuedTextKey(std::string key, std::string& field, std::size_t limit);

// The longest key or value word a reader takes; the rest of a longer word is
// scanned on as characters.
inline constexpr std::size_t kMaxWord = 1023;

// The words of a file from where the scanner stands, for a handler of keys
// outside the table.
class WordReader {
public:
    virtual ~WordReader() = default;
    // The next white-space-delimited word (white space and line ends are
    // skipped first), at most kMaxWord characters; empty once the file ended.
    // It stays valid until the scan returns.
    virtual std::string_view word() = 0;
    virtual bool atEnd() const = 0;
};

// Called for a key outside the table. True when it has taken the words it
// wanted (scanning goes on right after the last of them); false to have the
// line skipped as for any unknown key.
using OtherKeyHandler = std::function<bool(std::string_view key, WordReader& words)>;

// Scans a file with the entry scanner: "$key value" entries, "/" comments,
// white space, "#" as the end. Values stored before an error stay stored.
Status scanFile(const std::string& programPath, const ReaderParams& params,
                const std::vector<KeyEntry>& keys, Clock& clock,
                const OtherKeyHandler& otherKey = {});

// The same over bytes already in memory (after the open succeeded).
Status scanBytes(const std::string& bytes, const ReaderParams& params,
                 const std::vector<KeyEntry>& keys, Clock& clock,
                 const OtherKeyHandler& otherKey = {});

} // namespace wg
