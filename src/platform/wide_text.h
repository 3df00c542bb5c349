#pragma once
#include <string>

namespace wg {

// Inside the program every text is code page 1252, the bytes of its files;
// Windows takes and gives text as UTF-16. These are the program's only
// conversions between the two, whatever the system's own code page is.

// A text of the program as Windows takes it.
std::wstring wide(const std::string& text);

// A text from Windows as the program keeps it. Letters written decomposed
// (an "e" and a combining accent, as a Mac names files) are composed first,
// so "é" is one byte. False when it still holds a character code page 1252
// has no byte for; `text` then has "?" there and must not be stored.
bool narrow(const std::wstring& wideText, std::string& text);

// The same text with its accented letters decomposed, as a Mac names files;
// the text itself when Windows cannot tell.
std::wstring decomposed(const std::wstring& wideText);

// A path from Windows as the program keeps it: as it is when code page 1252
// holds it, else relative to the working directory when that form does (the
// folders above the program's own may be named in any script). False when
// neither does.
bool programPath(const std::wstring& path, std::string& text);

} // namespace wg
