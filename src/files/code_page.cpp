#include "files/code_page.h"

#include <algorithm>

namespace wg {
namespace {

// Code points of the bytes 0x80 to 0x9F; 0 where the code page has none.
constexpr char16_t kHighControls[] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// The code page's byte for a character, "?" where it has none.
char cp1252Of(char32_t code) {
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) return static_cast<char>(code);
    const auto high = std::find(std::begin(kHighControls), std::end(kHighControls), code);
    return high != std::end(kHighControls) ? static_cast<char>(0x80 + (high - kHighControls)) : '?';
}

} // namespace

std::string utf8FromCp1252(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        // Plain ASCII, most of every page, goes over in runs.
        const std::size_t ascii = i;
        while (i < text.size() && static_cast<unsigned char>(text[i]) < 0x80) ++i;
        out.append(text, ascii, i - ascii);
        if (i == text.size()) break;
        const unsigned char c = static_cast<unsigned char>(text[i]);
        char16_t code = c >= 0xA0 ? c : kHighControls[c - 0x80];
        if (code == 0) code = 0xFFFD;
        if (code < 0x800) {
            out += static_cast<char>(0xC0 | (code >> 6));
        } else {
            out += static_cast<char>(0xE0 | (code >> 12));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        }
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
    return out;
}

std::optional<std::string> cp1252FromUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead >= 0xC2 && lead < 0xE0 ? 2 : lead >= 0xE0 && lead < 0xF0 ? 3
                                   : lead >= 0xF0 && lead < 0xF5 ? 4 : 0;
        if (length == 0 || i + length > text.size()) return std::nullopt;
        char32_t code = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k) {
            const unsigned char c = static_cast<unsigned char>(text[i + k]);
            if ((c & 0xC0) != 0x80) return std::nullopt;
            code = (code << 6) | (c & 0x3F);
        }
        i += length;
        out += cp1252Of(code);
    }
    return out;
}

std::string cp1252FromUtf16(std::string_view bytes, bool bigEndian) {
    const auto unit = [&](std::size_t i) -> char32_t {
        const unsigned char first = static_cast<unsigned char>(bytes[i]), second = static_cast<unsigned char>(bytes[i + 1]);
        return bigEndian ? (first << 8) | second : (second << 8) | first;
    };
    std::string out;
    out.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const char32_t code = unit(i);
        if (code >= 0xD800 && code < 0xDC00 && i + 3 < bytes.size() && unit(i + 2) >= 0xDC00 && unit(i + 2) < 0xE000) {
            i += 2;  // a pair stands for a character beyond the code page
            out += '?';
        } else {
            out += code >= 0xD800 && code < 0xE000 ? '?' : cp1252Of(code);
        }
    }
    return out;
}

std::string foldCase(std::string_view text) {
    std::string out(text);
    for (char& ch : out) {
        const unsigned char c = static_cast<unsigned char>(ch);
        if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) ch = static_cast<char>(c - 0x20);
        else if (c == 0x9A || c == 0x9C || c == 0x9E) ch = static_cast<char>(c - 0x10);
        else if (c == 0xFF) ch = static_cast<char>(0x9F);
    }
    return out;
}

} // namespace wg
