#pragma once
#include <cstdint>
#include <string>

#include "files/status.h"

namespace wg {

// Builds the bytes of a key-value file: "$", the key, blanks up to the file
// kind's value column, the value, CR LF.
class EntryWriter {
public:
    explicit EntryWriter(std::size_t valueColumn) : column_(valueColumn) {}
    EntryWriter& integer(const char* key, std::int32_t value);
    EntryWriter& text(const char* key, const std::string& value);
    // The entry only for a non-empty value: an empty one would make the
    // reader take the next line's key as the value. Without the entry the
    // field keeps its value, which after a fresh start is empty.
    EntryWriter& textIfAny(const char* key, const std::string& value);
    // "#" without a line end.
    EntryWriter& endMarker();
    const std::string& bytes() const { return bytes_; }

private:
    void keyColumn(const char* key);
    std::size_t column_;
    std::string bytes_;
};

// Puts the bytes in place as a complete new file: 0, or why not (a full
// drive, a file held open by another program, no permission, 'o' for the
// rest) with any old file left as it was.
Status writeComplete(const std::string& programPath, const std::string& bytes);

} // namespace wg
