#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace wg {

// The program keeps its texts as bytes of code page 1252; what other
// programs write (UTF-8, UTF-16) and what the overview's files and the Linux
// console want (UTF-8) are converted here.

// Bytes the code page leaves undefined become U+FFFD.
std::string utf8FromCp1252(std::string_view text);
// The way back for a text that is valid UTF-8: characters the code page
// lacks become "?". Empty optional for bytes that are not UTF-8.
std::optional<std::string> cp1252FromUtf8(std::string_view text);
// UTF-16 code units, two bytes each in the given order: characters the code
// page lacks, and halves of a surrogate pair standing alone, become "?"; an
// odd last byte is dropped.
std::string cp1252FromUtf16(std::string_view bytes, bool bigEndian);

// Lower-case letters of the code page as capitals, for comparing file
// names without regard to case as Windows does.
std::string foldCase(std::string_view text);

} // namespace wg
