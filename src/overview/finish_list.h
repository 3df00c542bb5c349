#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/date_time.h"
#include "overview/yacht_files.h"

namespace wg {

// One yacht of the race committee's finish list.
struct ListedFinish {
    std::string yachtId;  // as the list writes it, blanks at either end dropped
    FinishTime finish;
    std::size_t line = 0;  // in the file, the header being line 1
};

// The finish list a results program exports: a header line naming the
// columns, then one yacht a line.
struct FinishList {
    std::string fileName;  // as the page names it
    std::vector<ListedFinish> yachts;
    std::vector<std::string> unreadLines;  // German, "Zeile 7: ...", in file order
};

// Of the lines that cannot be read the console and the page name the first.
inline constexpr std::size_t kUnreadLinesShown = 20;

// A list file larger than this is not read: a regatta's list has a few
// hundred lines.
inline constexpr std::size_t kFinishListByteLimit = 4u << 20;

// Reads a list's bytes: UTF-8 (with or without byte order mark) or code page
// 1252; ";" or "," between fields, whichever the header uses; fields may be
// quoted. The columns are found by their header in any case: the yacht ID
// under "Yacht-ID", "Segelnummer", "Sail No" or "SailNo", the finish under
// "Zieldurchgang", "Zielzeit" or "Finish". A line that cannot be read is
// named in `unreadLines` and the rest goes on. Empty when the list was read,
// else why not (German): a list without the two columns.
std::string parseFinishList(std::string_view bytes, FinishList& list);

// A finish written "dd.mm.yyyy hh:mm:ss", "dd.mm.yy hh:mm:ss" or
// "yyyy-mm-dd hh:mm:ss", within the ranges the finish-time dialog takes.
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
