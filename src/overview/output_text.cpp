#include "overview/output_text.h"

#include <algorithm>
#include <cmath>

#include "files/text.h"

namespace wg {
namespace {

// Code points of the bytes 0x80 to 0x9F; 0 where the code page has none.
constexpr char16_t kHighControls[] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

bool inRange(std::int32_t v, std::int32_t low, std::int32_t high) { return v >= low && v <= high; }

bool allDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// "-12" or "-0,5": a minus, digits, and at most one decimal comma with digits after it.
bool isNegativeNumber(std::string_view field) {
    if (field.empty() || field[0] != '-') return false;
    const std::size_t comma = field.find(',');
    return comma == std::string_view::npos ? allDigits(field.substr(1))
                                           : allDigits(field.substr(1, comma - 1)) && allDigits(field.substr(comma + 1));
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
        const auto high = std::find(std::begin(kHighControls), std::end(kHighControls), code);
        if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) out += static_cast<char>(code);
        else if (high != std::end(kHighControls)) out += static_cast<char>(0x80 + (high - kHighControls));
        else out += '?';
    }
    return out;
}

std::string htmlText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\'': out += "&#39;"; break;
        default: out += (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) ? '?' : c;
        }
    }
    return out;
}

std::string urlOfFileName(std::string_view name) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (const char ch : utf8FromCp1252(name)) {
        const unsigned char c = static_cast<unsigned char>(ch);
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
            c == '_' || c == '~') {
            out += ch;
        } else {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 15];
        }
    }
    return out;
}

std::string csvText(std::string_view text) {
    std::string field(text);
    if (!field.empty() && !isNegativeNumber(field) && std::string_view("=+-@\t\r").find(field[0]) != std::string_view::npos)
        field.insert(0, 1, '\'');
    const bool quote = field.find_first_of(";\"\r\n") != std::string::npos ||
                       (!field.empty() && (field.front() == ' ' || field.back() == ' '));
    if (!quote) return field;
    std::string out = "\"";
    for (const char c : field) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + '"';
}

std::string dateTimeText(const FinishTime& t) {
    if (!inRange(t.hour, 0, 23) || !inRange(t.minute, 0, 59) || !inRange(t.second, 0, 59) || !inRange(t.day, 1, 31) ||
        !inRange(t.month, 1, 12) || !inRange(t.year, 0, 99))
        return "";
    // Written digit by digit: the detail of a large regatta holds thousands.
    char text[] = "dd.mm.20yy hh:mm:ss";
    const auto put = [&text](int at, std::int32_t value) {
        text[at] = static_cast<char>('0' + value / 10);
        text[at + 1] = static_cast<char>('0' + value % 10);
    };
    put(0, t.day);
    put(3, t.month);
    put(8, t.year);
    put(11, t.hour);
    put(14, t.minute);
    put(17, t.second);
    return text;
}

std::string regattaTimeText(const TimeOfRegatta& t) {
    const std::string full = dateTimeText(FinishTime{t.hour, t.minute, 0, t.day, t.month, t.year});
    return full.empty() ? full : full.substr(0, full.size() - 3);
}

std::string shortDuration(double seconds) {
    // Whole seconds, as every duration of the evaluation is: minutes and the
    // seconds left over, both with the sign of the duration.
    const long long whole = std::llround(seconds);
    return std::to_string(whole / 60) + " min " + std::to_string(whole % 60) + " sek";
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
