#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/date_time.h"
#include "files/regatta_record.h"
#include "overview/yacht_files.h"

namespace wg {

// One yacht of the race committee's finish list.
struct ListedFinish {
    std::string yachtId;  // as the list writes it, blanks at either end dropped
    FinishTime finish;
    std::size_t line = 0;  // the line of the file its record starts on, the first being 1
};

// The finish list a results program exports: a header line naming the
// columns, then one yacht a record.
struct FinishList {
    std::string fileName;  // as the page names it
    std::vector<ListedFinish> yachts;
    std::vector<std::string> unreadLines;  // German, "Zeile 7: ...", in file order
    std::string timeOfDayRule;  // German: how finishes without a date were dated; empty when none came
};

// Of the lines that cannot be read the console and the page name the first.
inline constexpr std::size_t kUnreadLinesShown = 20;

// A list file larger than this is not read: a regatta's list has a few
// hundred lines.
inline constexpr std::size_t kFinishListByteLimit = 4u << 20;

// Reads a list's bytes as files/list_reader.h says. The columns: the yacht
// ID under "Yacht-ID", "Segelnummer", "Segel-Nr.", "Sail No" or "Sail
// Number", the finish under "Zieldurchgang", "Zielzeit", "Zielzeit
// (Uhrzeit)", "Finish" or "Finish Time", and where there is one the date
// under "Datum", "Date" or "Zieldatum". A finish written as a time of day
// takes the date from that column, else the first such time at or after the
// regatta start; when the regatta's window is longer than a day such a line
// is named instead. A record that cannot be read is named in `unreadLines`
// and the rest goes on. Empty when the list was read, else why not
// (German): a list without the two columns.
std::string parseFinishList(std::string_view bytes, const RegattaRecord& regatta, FinishList& list);

// A finish written "dd.mm.yyyy hh:mm:ss", "dd.mm.yy hh:mm:ss" or
// "yyyy-mm-dd hh:mm:ss" (the seconds may be left out), within the ranges the
// finish-time dialog takes; or a time of day alone, "hh:mm:ss" or "hh:mm",
// whose day, month and year are then 0.
std::optional<FinishTime> parseFinishTime(std::string_view text);

// What the list says of one yacht of the overview.
struct ListEntry {
    bool listGiven = false;
    std::optional<FinishTime> finish;  // empty: not in the list
};

// Matches the list against the yachts found in the data folder, yacht IDs
// compared without regard to case or blanks: one entry per yacht, beside
// `yachts`. A yacht only in the list is added to `yachts` (no files), in
// the order of yacht IDs.
std::vector<ListEntry> matchFinishList(std::vector<YachtFiles>& yachts, const FinishList* list);

} // namespace wg
