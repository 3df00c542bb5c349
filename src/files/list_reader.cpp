#include "files/list_reader.h"

#include <algorithm>

#include "files/code_page.h"
#include "files/text.h"

namespace wg {
namespace {

std::string decoded(std::string_view bytes) {
    if (bytes.starts_with("\xFF\xFE")) return cp1252FromUtf16(bytes.substr(2), false);
    if (bytes.starts_with("\xFE\xFF")) return cp1252FromUtf16(bytes.substr(2), true);
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
    return cp1252FromUtf8(bytes).value_or(std::string(bytes));
}

bool isLineEnd(char c) { return c == '\r' || c == '\n'; }

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Titles as they are compared: capitals, without blanks, dots and hyphens.
std::string normalisedTitle(std::string_view title) {
    std::string key = foldCase(title);
    std::erase_if(key, [](char c) { return c == ' ' || c == '\t' || c == '.' || c == '-'; });
    return key;
}

struct Scan {
    std::vector<std::string> fields;
    std::string separatorsSeen;  // those that ended a field, outside quotes
    bool unclosed = false;
};

// Reads the text record by record with the given separators.
class RecordReader {
public:
    RecordReader(std::string_view text, std::string_view separators) : text_(text), separators_(separators) {}

    bool atEnd() const { return at_ >= text_.size(); }
    std::size_t line() const { return line_; }

    // The record at the current position; afterwards the position is behind
    // it, or, when a quote of it is never closed, at the start of the line
    // after its first.
    Scan next() {
        const std::size_t start = at_, startLine = line_;
        Scan scan = fields();
        if (!scan.unclosed) return scan;
        const std::size_t lineEnd = std::min(text_.find_first_of("\r\n", start), text_.size());
        at_ = std::min(afterLineEnd(lineEnd), text_.size());
        line_ = startLine + 1;
        return scan;
    }

private:
    std::size_t afterLineEnd(std::size_t at) const { return at + (text_.compare(at, 2, "\r\n") == 0 ? 2 : 1); }

    // A line begun inside quotes goes on the same way whichever record got
    // there; one that led to a quote never closed is remembered, so a
    // record that reaches it again ends there, and no stretch of the text
    // is read inside quotes twice.
    bool leadsToUnclosed(std::size_t line) const { return line < unclosedLines_.size() && unclosedLines_[line]; }

    Scan fields() {
        enum { kFieldStart, kUnquoted, kQuoted, kAfterQuote } state = kFieldStart;
        Scan scan;
        scan.fields.emplace_back();
        std::vector<std::size_t> linesInQuotes;
        while (at_ < text_.size()) {
            const char c = text_[at_];
            std::string& field = scan.fields.back();
            if (state == kQuoted) {
                if (c == '"' && text_.compare(at_, 2, "\"\"") == 0) {
                    field += c;
                    at_ += 2;
                } else if (c == '"') {
                    state = kAfterQuote;
                    ++at_;
                } else if (isLineEnd(c)) {
                    const std::size_t next = afterLineEnd(at_);
                    field.append(text_.substr(at_, next - at_));
                    at_ = next;
                    linesInQuotes.push_back(++line_);
                    if (leadsToUnclosed(line_)) break;
                } else {
                    field += c;
                    ++at_;
                }
                continue;
            }
            if (isLineEnd(c)) {
                at_ = afterLineEnd(at_);
                ++line_;
                break;
            }
            ++at_;
            if (separators_.find(c) != std::string_view::npos) {
                scan.separatorsSeen += c;
                scan.fields.emplace_back();
                state = kFieldStart;
            } else if (state == kFieldStart && c == '"') {
                state = kQuoted;
            } else if (state != kFieldStart || (c != ' ' && c != '\t')) {
                field += c;
                if (state == kFieldStart) state = kUnquoted;
            }
        }
        if (state == kQuoted) {
            scan.unclosed = true;
            for (const std::size_t line : linesInQuotes) {
                if (line >= unclosedLines_.size()) unclosedLines_.resize(line + 1);
                unclosedLines_[line] = true;
            }
        }
        for (std::string& field : scan.fields) field = std::string(trimmed(field));
        return scan;
    }

    std::string_view text_, separators_;
    std::size_t at_ = 0, line_ = 1;
    std::vector<bool> unclosedLines_;
};

bool holdsText(const Scan& scan) {
    return std::any_of(scan.fields.begin(), scan.fields.end(), [](const std::string& f) { return !f.empty(); });
}

// The separator the header uses most; ';' where it uses none.
char separatorOf(std::string_view text) {
    RecordReader reader(text, ";\t,");
    while (!reader.atEnd()) {
        const Scan header = reader.next();
        if (!header.unclosed && !holdsText(header)) continue;
        char most = ';';
        for (const char c : {'\t', ','})
            if (std::count(header.separatorsSeen.begin(), header.separatorsSeen.end(), c) >
                std::count(header.separatorsSeen.begin(), header.separatorsSeen.end(), most))
                most = c;
        return most;
    }
    return ';';
}

} // namespace

long ListTable::column(std::span<const char* const> wanted) const {
    for (std::size_t c = 0; c < titles.size(); ++c) {
        const std::string key = normalisedTitle(titles[c]);
        for (const char* title : wanted)
            if (key == normalisedTitle(title)) return static_cast<long>(c);
    }
    return -1;
}

std::string_view fieldOf(const ListRecord& record, long column) {
    return column >= 0 && static_cast<std::size_t>(column) < record.fields.size() ? record.fields[column]
                                                                                  : std::string_view();
}

ListTable readList(std::string_view bytes) {
    const std::string text = decoded(bytes);
    ListTable table;
    table.separator = separatorOf(text);
    RecordReader reader(text, std::string_view(&table.separator, 1));
    bool headerRead = false;
    while (!reader.atEnd()) {
        const std::size_t line = reader.line();
        Scan scan = reader.next();
        if (scan.unclosed) {
            table.records.push_back({line, {}, format("Zeile %zu: Anführungszeichen nicht geschlossen", line)});
        } else if (!holdsText(scan)) {
            continue;
        } else if (!headerRead) {
            table.titles = std::move(scan.fields);
            headerRead = true;
        } else {
            table.records.push_back({line, std::move(scan.fields), ""});
        }
    }
    return table;
}

std::string titleListText(std::span<const char* const> titles) {
    std::string text;
    for (std::size_t i = 0; i < titles.size(); ++i)
        text += std::string(i == 0 ? "" : i + 1 == titles.size() ? " oder " : ", ") + "\x84" + titles[i] + "\x93";
    return text;
}

std::string quotedListValue(std::string_view value) {
    constexpr std::size_t kShownLimit = 30;
    std::string quoted = "\x84";
    quoted.append(value.substr(0, kShownLimit));
    if (value.size() > kShownLimit) quoted += '\x85';
    quoted += '\x93';
    return quoted;
}

} // namespace wg
