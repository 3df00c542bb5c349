#include "files/kv_writer.h"

#include <algorithm>

#include "files/text.h"
#include "files/write_outcome.h"
#include "platform/file_system.h"

namespace wg {

void EntryWriter::keyColumn(const char* key) {
    std::string head = std::string("$") + key;
    head.resize(std::max(head.size(), column_), ' ');
    bytes_ += head;
}

EntryWriter& EntryWriter::integer(const char* key, std::int32_t value) {
    keyColumn(key);
    bytes_ += format("%i", static_cast<int>(value));
    bytes_ += "\r\n";
    return *this;
}

EntryWriter& EntryWriter::text(const char* key, const std::string& value) {
    keyColumn(key);
    bytes_ += value;
    bytes_ += "\r\n";
    return *this;
}

EntryWriter& EntryWriter::textIfAny(const char* key, const std::string& value) {
    return value.empty() ? *this : text(key, value);
}

EntryWriter& EntryWriter::endMarker() {
    bytes_ += '#';
    return *this;
}

Status writeComplete(const std::string& programPath, const std::string& bytes) {
    return writeStatus(replaceFile(programPath, bytes), 1);
}

} // namespace wg
