#include "overview/finish_list.h"

#include <algorithm>
#include <map>
#include <span>

#include "files/entry_list.h"
#include "files/list_reader.h"
#include "files/text.h"
#include "files/yacht_record.h"
#include "overview/output_text.h"

namespace wg {
namespace {

// The entry list's titles for the yacht ID; "SailNo" and "Segel-Nr" match too, as titles are compared
// without blanks, dots and hyphens.
const auto& kIdTitles = kYachtIdTitles;
const char* const kFinishTitles[] = {"Zieldurchgang", "Zielzeit", "Zielzeit (Uhrzeit)", "Finish", "Finish Time"};
const char* const kDateTitles[] = {"Datum", "Date", "Zieldatum"};
constexpr int kSecondsPerDay = 86400;

// Numbers joined by `separator`, one a width range, each of as many digits as its range allows.
bool numbers(std::string_view text, char separator, std::span<const std::size_t[2]> widths, int* values) {
    for (std::size_t k = 0; k < widths.size(); ++k) {
        const bool last = k + 1 == widths.size();
        const std::size_t end = last ? text.size() : text.find(separator);
        if (end == std::string_view::npos) return false;
        const std::string_view piece = text.substr(0, end);
        if (piece.size() < widths[k][0] || piece.size() > widths[k][1] ||
            piece.find_first_not_of("0123456789") != std::string_view::npos)
            return false;
        values[k] = leadingInt(piece);
        text.remove_prefix(last ? end : end + 1);
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

// "dd.mm.yyyy", "dd.mm.yy" or "yyyy-mm-dd" within the dialog's range: years
// 2003 to 2099 (two digits from 03), a real date. Only the date is set.
std::optional<FinishTime> parseDate(std::string_view date) {
    const bool iso = date.find('-') != std::string_view::npos;
    static constexpr std::size_t kIsoWidths[3][2] = {{4, 4}, {1, 2}, {1, 2}};
    static constexpr std::size_t kGermanWidths[3][2] = {{1, 2}, {1, 2}, {2, 4}};
    int d[3];
    if (!numbers(date, iso ? '-' : '.', iso ? std::span(kIsoWidths) : std::span(kGermanWidths), d)) return std::nullopt;
    const int day = iso ? d[2] : d[0], month = d[1];
    const std::size_t yearDigits = iso ? 4 : date.size() - date.rfind('.') - 1;
    int year = iso ? d[0] : d[2];
    if (yearDigits == 4) year -= 2000;
    else if (yearDigits != 2) return std::nullopt;
    if (year < 3 || year > 99 || day < 1 || day > daysInMonth(month, 2000 + year)) return std::nullopt;
    return FinishTime{0, 0, 0, day, month, year};
}

// "hh:mm:ss" or "hh:mm"; only the time is set.
std::optional<FinishTime> parseTimeOfDay(std::string_view time) {
    static constexpr std::size_t kWidths[3][2] = {{1, 2}, {2, 2}, {2, 2}};
    const std::size_t parts = 1 + std::count(time.begin(), time.end(), ':');
    int t[3] = {0, 0, 0};
    if (parts < 2 || parts > 3 || !numbers(time, ':', std::span(kWidths).first(parts), t) || t[0] > 23 ||
        t[1] > 59 || t[2] > 59)
        return std::nullopt;
    return FinishTime{t[0], t[1], t[2], 0, 0, 0};
}

// Days since 1 March 2000 of a date in 2000 to 2099, by the real calendar.
long dayNumber(int day, int month, int year) {
    const int shifted = month < 3 ? year - 1 : year;
    const int fromMarch = (month + 9) % 12;
    return 365L * shifted + shifted / 4 + (153 * fromMarch + 2) / 5 + day - 1;
}

double calendarSeconds(const TimeOfRegatta& t) {
    return dayNumber(t.day, t.month, t.year) * double(kSecondsPerDay) + t.hour * 3600.0 + t.minute * 60.0;
}

// `time`'s time of day on `date`'s day.
FinishTime onDay(FinishTime time, const FinishTime& date) {
    time.day = date.day;
    time.month = date.month;
    time.year = date.year;
    return time;
}

// The first time `timeOfDay` comes at or after the regatta start: on the
// start's day, else on the day after.
FinishTime firstAfterStart(const FinishTime& timeOfDay, const TimeOfRegatta& start) {
    FinishTime day{0, 0, 0, start.day, start.month, start.year};
    if (timeOfDay.hour * 3600 + timeOfDay.minute * 60 + timeOfDay.second < start.hour * 3600 + start.minute * 60 &&
        ++day.day > daysInMonth(day.month, 2000 + day.year)) {
        day.day = 1;
        if (++day.month > 12) {
            day.month = 1;
            ++day.year;
        }
    }
    return onDay(timeOfDay, day);
}

// Yacht IDs as the list and the file names are matched.
std::string matchKey(std::string_view id) {
    std::string key = foldCase(id);
    key.erase(std::remove_if(key.begin(), key.end(), [](char c) { return c == ' ' || c == '\t'; }), key.end());
    return key;
}


} // namespace

std::optional<FinishTime> parseFinishTime(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return std::nullopt;
    text = text.substr(first, text.find_last_not_of(" \t") - first + 1);
    const std::size_t blank = text.find_first_of(" \t");
    if (blank == std::string_view::npos) return parseTimeOfDay(text);
    const std::optional<FinishTime> date = parseDate(text.substr(0, blank));
    std::optional<FinishTime> time = parseTimeOfDay(text.substr(text.find_first_not_of(" \t", blank)));
    if (!date || !time) return std::nullopt;
    return onDay(*time, *date);
}

std::string parseFinishList(std::string_view bytes, const RegattaRecord& regatta, FinishList& list) {
    const ListTable table = readList(bytes);
    const long idColumn = table.column(kIdTitles), finishColumn = table.column(kFinishTitles),
               dateColumn = table.column(kDateTitles);
    std::string missing;
    if (idColumn < 0) missing = "für die Yacht-ID (" + titleListText(kIdTitles) + ")";
    if (finishColumn < 0)
        missing += (missing.empty() ? "" : " und die ") + std::string("für den Zieldurchgang (") +
                   titleListText(kFinishTitles) + ")";
    if (!missing.empty()) return "In der Kopfzeile fehlt die Spalte " + missing + ".";

    // How times of day were dated: by the date column, by the regatta start, not at all.
    bool datedBy[3] = {false, false, false};
    const bool longerThanADay = calendarSeconds(regatta.end) - calendarSeconds(regatta.start) > kSecondsPerDay;
    std::map<std::string, std::size_t> lineOfKey;
    for (const ListRecord& record : table.records) {
        if (!record.unreadable.empty()) {
            list.unreadLines.push_back(record.unreadable);
            continue;
        }
        const std::string_view id = fieldOf(record, idColumn), finishText = fieldOf(record, finishColumn),
                               dateText = fieldOf(record, dateColumn);
        const std::optional<FinishTime> finish = parseFinishTime(finishText), date = parseDate(dateText);
        const bool timeOfDay = finish && finish->day == 0;
        std::string problem;
        if (id.empty()) {
            problem = "Yacht-ID fehlt";
        } else if (id.size() > kYachtIdLimit) {
            problem = "Yacht-ID " + quotedListValue(id) + " ist zu lang";
        } else if (!finish) {
            problem = "Zieldurchgang " + quotedListValue(finishText) + " nicht lesbar";
        } else if (timeOfDay && !dateText.empty() && !date) {
            problem = "Datum " + quotedListValue(dateText) + " nicht lesbar";
        } else if (timeOfDay && !date && longerThanADay) {
            problem = "Zielzeit " + std::string(finishText) + " ohne Datum, die Regatta dauert länger als einen Tag";
            datedBy[2] = true;
        } else if (const auto [at, added] = lineOfKey.emplace(matchKey(id), record.line); !added) {
            problem = std::string(id) + format(" steht schon in Zeile %zu", at->second);
        }
        if (!problem.empty()) {
            list.unreadLines.push_back(format("Zeile %zu: ", record.line) + problem);
            continue;
        }
        if (timeOfDay) datedBy[date ? 0 : 1] = true;
        list.yachts.push_back({std::string(id),
                               !timeOfDay ? *finish : date ? onDay(*finish, *date) : firstAfterStart(*finish, regatta.start),
                               record.line});
    }
    const auto rule = [&list](const std::string& text) {
        list.timeOfDayRule += (list.timeOfDayRule.empty() ? "" : "; ") + text;
    };
    if (datedBy[0]) rule("Datum aus der Spalte " + quotedListValue(table.titles[dateColumn]));
    if (datedBy[1]) rule("am Tag des Regattastarts, vor seiner Uhrzeit am Tag danach");
    if (datedBy[2]) rule("nicht gelesen, die Regatta dauert länger als einen Tag");
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
