#pragma once
#include <optional>
#include <string>
#include <vector>

#include "files/regatta_record.h"
#include "overview/finish_list.h"
#include "overview/yacht_row.h"

namespace wg {

// Everything the two pages of one regatta show.
struct RegattaOverview {
    std::string regattaFile;  // "Kiel.rsd" as found
    RegattaRecord regatta;
    std::string timeBase;     // "UTC", "Lokalzeit" or "unbekannt"
    std::string madeAt;       // "15.06.2008 10:12", PC local time
    std::vector<YachtRow> rows;  // in the order of the table
    std::optional<FinishList> finishList;  // the race committee's, when one is used
    std::string entryList;    // the race office's entry list, when one is used
    int listHoursOff = 0;     // the list's time base seems off by this many hours (listHoursOff of the rows)
    std::vector<std::string> foreignNamedFiles;  // the regatta's files that cannot be opened by their names
};

// What the console and both pages say of the regatta's files that cannot be
// opened by their names; empty when there are none.
std::string foreignNamesText(const RegattaOverview& overview);

// "Kiel-Zielzeiten.csv (Zeiten in UTC)": the list and how its times are read,
// in the time base the settings name, as the finish-time dialog takes them.
std::string finishListText(const std::string& fileName, const std::string& timeBase);

// The head's label of the list's rule for times of day, on the console too.
inline constexpr const char* kTimeOfDayRuleLabel = "Uhrzeiten der Liste";

// The warning of a list that seems to be in another time base than the
// settings, for the console and both pages.
std::string timeBaseWarning(const RegattaOverview& overview);

// The head both pages carry: label and value, in this order.
std::vector<std::pair<std::string, std::string>> headItems(const RegattaOverview& overview);

// The table both pages carry: the column titles and a row's cells, from
// the program's own texts (code page 1252, not yet escaped). The column of
// the list's finish is there when a finish list is used.
std::vector<std::string> columnTitles(bool withList);
std::vector<std::string> rowCells(const YachtRow& row, bool withList);
// Columns that hold numbers, set right-aligned on the page.
bool isNumberColumn(std::size_t column, bool withList);

// The CSV file: UTF-8 with byte order mark, ";" between fields, CR LF.
std::string overviewCsv(const RegattaOverview& overview);
// The HTML page: head, table, timeline picture, a detail section per yacht.
std::string overviewHtml(const RegattaOverview& overview);
// The timeline picture as inline SVG (code page 1252 text).
std::string timelineSvg(const RegattaOverview& overview);

} // namespace wg
