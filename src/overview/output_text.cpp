#include "overview/output_text.h"

#include <algorithm>
#include <cmath>

#include "files/text.h"

namespace wg {
namespace {

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

} // namespace wg
