#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace wg {

// The stored form of a value typed or read into a field of `limit` characters.
inline std::string cutTo(const std::string& text, std::size_t limit) {
    return text.size() <= limit ? text : text.substr(0, limit);
}

// Decimal value of a text as the program reads numbers everywhere: optional
// leading blanks and a sign, then digits up to the first other character; no
// digits give 0. Values beyond 32 bits are held at the nearest bound.
std::int32_t leadingInt(std::string_view text);

// printf into a std::string; never truncates.
std::string format(const char* fmt, ...)
#if defined(__MINGW32__)
    __attribute__((format(gnu_printf, 1, 2)))
#elif defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

// The part of a Windows-form path after its last "\" (the whole path if none).
std::string afterLastBackslash(const std::string& path);

// A text as a continued value of a key-value file carries it: runs of white
// space become one blank, blanks at either end go (a blank at the end of
// the line would take the next line's key into the value).
std::string carriableText(const std::string& text);

// `name` less its last four characters (an extension with its dot); empty
// when it has four characters or fewer.
std::string dropExtension(const std::string& name);

} // namespace wg
