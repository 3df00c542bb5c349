#include "overview/finish_list.h"

#include <algorithm>
#include <map>

#include "files/text.h"
#include "files/yacht_record.h"
#include "overview/output_text.h"

namespace wg {
namespace {

const char* const kIdTitles[] = {"YACHT-ID", "SEGELNUMMER", "SAIL NO", "SAILNO"};
const char* const kFinishTitles[] = {"ZIELDURCHGANG", "ZIELZEIT", "FINISH"};
// Of a value that cannot be read the line names this many characters.
constexpr std::size_t kShownValueLimit = 30;

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The fields of one line; a quoted field may hold the separator and doubled quotes.
std::vector<std::string> fieldsOf(std::string_view line, char separator) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '"' && quoted && i + 1 < line.size() && line[i + 1] == '"') fields.back() += line[i++];
        else if (c == '"') quoted = !quoted;
        else if (c == separator && !quoted) fields.emplace_back();
        else fields.back() += c;
    }
    return fields;
}

// The column whose title is one of `titles`, or -1.
template <std::size_t N>
long columnOf(const std::vector<std::string>& header, const char* const (&titles)[N]) {
    for (std::size_t c = 0; c < header.size(); ++c)
        if (std::find(std::begin(titles), std::end(titles), foldCase(trimmed(header[c]))) != std::end(titles))
            return static_cast<long>(c);
    return -1;
}

// Three numbers joined by `separator`, each of as many digits as its range allows.
bool threeNumbers(std::string_view text, char separator, const std::size_t (&widths)[3][2], int (&values)[3]) {
    for (int k = 0; k < 3; ++k) {
        const std::size_t end = k < 2 ? text.find(separator) : text.size();
        if (end == std::string_view::npos) return false;
        const std::string_view piece = text.substr(0, end);
        if (piece.size() < widths[k][0] || piece.size() > widths[k][1] ||
            piece.find_first_not_of("0123456789") != std::string_view::npos)
            return false;
        values[k] = leadingInt(piece);
        text.remove_prefix(k < 2 ? end + 1 : end);
    }
    return true;
}

// 0 for a month that is none.
int daysInMonth(int month, int year) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
    if (month < 1 || month > 12) return 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

// The list's text in code page 1252, as the program keeps its texts.
std::string textOf(std::string_view bytes) {
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
    if (const std::optional<std::string> text = cp1252FromUtf8(bytes)) return *text;
    return std::string(bytes);
}

// Yacht IDs as the list and the file names are matched.
std::string matchKey(std::string_view id) {
    std::string key = foldCase(id);
    key.erase(std::remove_if(key.begin(), key.end(), [](char c) { return c == ' ' || c == '\t'; }), key.end());
    return key;
}

// „DNF“: a value as the line names it, cut to a length a line can show.
std::string quotedValue(std::string_view value) {
    std::string quoted = "\x84";
    quoted.append(value.substr(0, kShownValueLimit));
    if (value.size() > kShownValueLimit) quoted += '\x85';
    quoted += '\x93';
    return quoted;
}

} // namespace

std::optional<FinishTime> parseFinishTime(std::string_view text) {
    text = trimmed(text);
    const std::size_t blank = text.find_first_of(" \t");
    if (blank == std::string_view::npos) return std::nullopt;
    const std::string_view date = text.substr(0, blank);
    const bool iso = date.find('-') != std::string_view::npos;
    static constexpr std::size_t kIsoWidths[3][2] = {{4, 4}, {1, 2}, {1, 2}};
    static constexpr std::size_t kGermanWidths[3][2] = {{1, 2}, {1, 2}, {2, 4}};
    static constexpr std::size_t kTimeWidths[3][2] = {{1, 2}, {2, 2}, {2, 2}};
    int d[3], t[3];
    if (!threeNumbers(date, iso ? '-' : '.', iso ? kIsoWidths : kGermanWidths, d) ||
        !threeNumbers(trimmed(text.substr(blank)), ':', kTimeWidths, t))
        return std::nullopt;
    const int day = iso ? d[2] : d[0], month = d[1];
    const std::size_t yearDigits = iso ? 4 : date.size() - date.rfind('.') - 1;
    int year = iso ? d[0] : d[2];
    if (yearDigits == 4) year -= 2000;
    else if (yearDigits != 2) return std::nullopt;
    // The year as the finish-time dialog takes it, two digits from 03.
    if (year < 3 || year > 99 || day < 1 || day > daysInMonth(month, 2000 + year) || t[0] > 23 || t[1] > 59 ||
        t[2] > 59)
        return std::nullopt;
    return FinishTime{t[0], t[1], t[2], day, month, year};
}

std::string parseFinishList(std::string_view bytes, FinishList& list) {
    const std::string text = textOf(bytes);
    std::vector<std::string_view> lines;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = std::min(text.find_first_of("\r\n", at), text.size());
        lines.push_back(std::string_view(text).substr(at, end - at));
        at = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    std::size_t headerAt = 0;
    while (headerAt < lines.size() && trimmed(lines[headerAt]).empty()) ++headerAt;
    const std::string_view header = headerAt < lines.size() ? lines[headerAt] : std::string_view();
    const char separator = header.find(';') != std::string_view::npos ? ';' : ',';
    const std::vector<std::string> titles = fieldsOf(header, separator);
    const long idColumn = columnOf(titles, kIdTitles), finishColumn = columnOf(titles, kFinishTitles);
    std::string missing;
    if (idColumn < 0) missing = "für die Yacht-ID („Yacht-ID“, „Segelnummer“, „Sail No“ oder „SailNo“)";
    if (finishColumn < 0)
        missing += (missing.empty() ? "" : " und die ") + std::string("für den Zieldurchgang („Zieldurchgang“, "
                                                                      "„Zielzeit“ oder „Finish“)");
    if (!missing.empty()) return "In der Kopfzeile fehlt die Spalte " + missing + ".";

    std::map<std::string, std::size_t> lineOfKey;
    for (std::size_t i = headerAt + 1; i < lines.size(); ++i) {
        const std::vector<std::string> fields = fieldsOf(lines[i], separator);
        if (std::all_of(fields.begin(), fields.end(), [](const std::string& f) { return trimmed(f).empty(); }))
            continue;
        const std::size_t number = i + 1;
        const auto field = [&](long column) {
            return static_cast<std::size_t>(column) < fields.size() ? trimmed(fields[column]) : std::string_view();
        };
        const std::string_view id = field(idColumn), finishText = field(finishColumn);
        const std::optional<FinishTime> finish = parseFinishTime(finishText);
        std::string problem;
        if (id.empty()) problem = "Yacht-ID fehlt";
        else if (id.size() > kYachtIdLimit) problem = "Yacht-ID " + quotedValue(id) + " ist zu lang";
        else if (!finish) problem = "Zieldurchgang " + quotedValue(finishText) + " nicht lesbar";
        else if (const auto [at, added] = lineOfKey.emplace(matchKey(id), number); !added)
            problem = std::string(id) + format(" steht schon in Zeile %zu", at->second);
        if (!problem.empty()) list.unreadLines.push_back(format("Zeile %zu: ", number) + problem);
        else list.yachts.push_back({std::string(id), *finish, number});
    }
    return "";
}

std::vector<ListEntry> matchFinishList(std::vector<YachtFiles>& yachts, const FinishList* list) {
    std::vector<ListEntry> entries(yachts.size(), ListEntry{list != nullptr, std::nullopt});
    if (!list) return entries;
    std::map<std::string, std::pair<const ListedFinish*, bool>> listed;  // by key: the entry, matched
    for (const ListedFinish& y : list->yachts) listed[matchKey(y.yachtId)] = {&y, false};
    for (std::size_t i = 0; i < yachts.size(); ++i) {
        const auto found = listed.find(matchKey(yachts[i].yachtId));
        if (found == listed.end()) continue;
        entries[i].finish = found->second.first->finish;
        found->second.second = true;
    }
    std::vector<std::pair<YachtFiles, ListEntry>> all;
    for (std::size_t i = 0; i < yachts.size(); ++i) all.emplace_back(std::move(yachts[i]), entries[i]);
    for (const auto& [key, entry] : listed) {
        if (entry.second) continue;
        YachtFiles onlyListed;
        onlyListed.yachtId = entry.first->yachtId;
        all.push_back({onlyListed, ListEntry{true, entry.first->finish}});
    }
    std::stable_sort(all.begin(), all.end(),
                     [](const auto& a, const auto& b) { return yachtIdBefore(a.first.yachtId, b.first.yachtId); });
    yachts.clear();
    entries.clear();
    for (auto& [files, entry] : all) {
        yachts.push_back(std::move(files));
        entries.push_back(entry);
    }
    return entries;
}

} // namespace wg
