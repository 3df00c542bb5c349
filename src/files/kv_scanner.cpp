#include "files/kv_scanner.h"

#include <algorithm>
#include <cstring>

#include "files/text.h"
#include "platform/file_system.h"

namespace wg {

KeyEntry integerKey(std::string key, std::int32_t& field) {
    return {std::move(key), ValueKind::Integer, [&field](std::int32_t v) { field = v; }, {}};
}

KeyEntry textKey(std::string key, std::string& field, std::size_t limit) {
    return {std::move(key), ValueKind::Text, {},
            [&field, limit](const std::string& v) { field = cutTo(v, limit); }};
}

KeyEntry continuedTextKey(std::string key, std::string& field, std::size_t limit) {
    return {std::move(key), ValueKind::ContinuedText, {},
            [&field, limit](const std::string& v) { field = cutTo(v, limit); }};
}

namespace {

bool isWhite(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// Reading position over the file's bytes.
class Cursor final : public WordReader {
public:
    explicit Cursor(std::string_view bytes) : bytes_(bytes) {}
    bool atEnd() const override { return pos_ >= bytes_.size(); }
    char next() { return bytes_[pos_++]; }
    std::size_t position() const { return pos_; }

    // The next white-space-delimited word; white space and line ends are
    // skipped first. At most kMaxWord characters are taken.
    std::string_view word() override {
        while (!atEnd() && isWhite(bytes_[pos_])) ++pos_;
        const std::size_t start = pos_;
        const std::size_t stop = std::min(bytes_.size(), start + kMaxWord);
        while (pos_ < stop && !isWhite(bytes_[pos_])) ++pos_;
        return bytes_.substr(start, pos_ - start);
    }

    // Skips the rest of a line the way a 132-byte line read does: at most 131
    // characters, up to and including the line end.
    void skipLine() {
        const std::size_t stop = std::min(bytes_.size(), pos_ + 131);
        const void* end = std::memchr(bytes_.data() + pos_, '\n', stop - pos_);
        pos_ = end ? static_cast<std::size_t>(static_cast<const char*>(end) - bytes_.data()) + 1 : stop;
    }

private:
    std::string_view bytes_;
    std::size_t pos_ = 0;
};

// CR LF read as LF, as a text-mode stream delivers it; a lone CR stays.
std::string toTextMode(const std::string& bytes) {
    std::string out(bytes.size(), '\0');
    char* to = out.data();
    const std::size_t n = bytes.size();
    for (std::size_t i = 0; i < n; ++i) {
        const char c = bytes[i];
        if (c == '\r' && i + 1 < n && bytes[i + 1] == '\n') continue;
        *to++ = c;
    }
    out.resize(static_cast<std::size_t>(to - out.data()));
    return out;
}

const KeyEntry* findKey(const std::vector<KeyEntry>& keys, std::string_view key) {
    for (const KeyEntry& entry : keys)
        if (entry.key == key) return &entry;
    return nullptr;
}

} // namespace

Status scanBytes(const std::string& raw, const ReaderParams& params,
                 const std::vector<KeyEntry>& keys, Clock& clock,
                 const OtherKeyHandler& otherKey) {
    std::string translated;
    if (params.textMode) translated = toTextMode(raw);
    Cursor in(params.textMode ? translated : raw);
    const std::int64_t startMs = clock.nowMs();
    const std::int64_t limitMs = std::int64_t(params.timeLimitSeconds) * 1000;
    std::int64_t elapsed = 0;
    const KeyEntry* continued = nullptr;
    std::string continuedValue;
    const std::string_view idKey = params.idKey ? params.idKey : "";
    // The clock is read every few thousand characters, counting those taken
    // by words and skipped lines too; reading it per character would cost
    // more than the scan itself.
    constexpr std::size_t kClockInterval = 4096;
    std::size_t nextClockRead = kClockInterval;

    for (;;) {
        if (elapsed >= params.timeLimitSeconds) return kStatusNoEndMarker;
        if (in.atEnd()) {
            if (params.endOfFileTest) return kStatusNoEndMarker;
            // A reader without the end-of-file test keeps dispatching the last
            // character, which can only be white space, "$" or "/" here, until
            // its time limit has passed.
            std::int64_t spent = clock.nowMs() - startMs;
            if (spent < limitMs) clock.pauseMs(limitMs - spent);
            return kStatusNoEndMarker;
        }
        const char c = in.next();
        if (in.position() >= nextClockRead) {
            nextClockRead = in.position() + kClockInterval;
            elapsed = elapsedSeconds(clock, startMs);
        }
        switch (c) {
        case '\t': case '\n': case '\r':
            break;
        case ' ':
            if (continued) {
                const std::string_view more = in.word();
                if (!more.empty()) {
                    continuedValue += ' ';
                    continuedValue += more;
                    continued->setText(continuedValue);
                }
            }
            break;
        case '#':
            return kStatusOk;
        case '$': {
            continued = nullptr;
            std::string_view key = in.word();
            // A "$" alone on its line (a readout stores an empty logger line
            // so) would take the next entry's "$" and key as its key and skip
            // that entry whole. No key begins with "$": such a word is the
            // next entry.
            while (!key.empty() && key.front() == '$') key.remove_prefix(1);
            if (!idKey.empty() && key == idKey) {
                if (in.word() != params.idValue) return kStatusWrongFileKind;
                break;
            }
            const KeyEntry* entry = findKey(keys, key);
            if (!entry) {
                if (!(otherKey && otherKey(key, in))) in.skipLine();
                break;
            }
            const std::string_view value = in.word();
            if (entry->kind == ValueKind::Integer) {
                entry->setInteger(leadingInt(value));
            } else {
                entry->setText(std::string(value));
                if (entry->kind == ValueKind::ContinuedText) {
                    continued = entry;
                    continuedValue = value;
                }
            }
            break;
        }
        case '/':
            in.skipLine();
            break;
        default:
            return kStatusBadCharacter;
        }
    }
}

Status scanFile(const std::string& programPath, const ReaderParams& params,
                const std::vector<KeyEntry>& keys, Clock& clock,
                const OtherKeyHandler& otherKey) {
    std::string bytes;
    if (!readWholeFile(programPath, bytes)) return params.openFailure;
    return scanBytes(bytes, params, keys, clock, otherKey);
}

} // namespace wg
