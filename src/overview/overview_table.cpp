#include <cstdlib>
#include <string>

#include "files/text.h"
#include "overview/output_text.h"
#include "overview/regatta_overview.h"

namespace wg {
namespace {

enum Column : std::size_t {
    kId, kName, kSerial, kSeals, kMode, kFinish, kListFinish, kDuration, kSeconds, kMinutes,
    kEvents, kPowerOn, kResets, kCoarse, kStatus, kPrepared, kColumnCount
};

std::string number(long long value) { return format("%lld", value); }

std::vector<std::string> withoutListColumn(std::vector<std::string> cells, bool withList) {
    if (!withList) cells.erase(cells.begin() + kListFinish);
    return cells;
}


} // namespace

std::string finishListText(const std::string& fileName, const std::string& timeBase) {
    return fileName + (timeBase == "UTC"         ? " (Zeiten in UTC)"
                       : timeBase == "Lokalzeit" ? " (Zeiten in Lokalzeit)"
                                                 : " (Zeitbasis unbekannt)");
}

std::vector<std::pair<std::string, std::string>> headItems(const RegattaOverview& ov) {
    std::vector<std::pair<std::string, std::string>> items = {
        {"Regatta", ov.regatta.designation},
        {"Regattadatei", ov.regattaFile},
        {"Regattastart", regattaTimeText(ov.regatta.start)},
        {"Regattaende", regattaTimeText(ov.regatta.end)},
        {"Zeitbasis", ov.timeBase},
        {"Erstellt", ov.madeAt},
    };
    if (ov.finishList) items.push_back({"Zielzeitenliste", finishListText(ov.finishList->fileName, ov.timeBase)});
    if (!ov.entryList.empty()) items.push_back({"Meldeliste", ov.entryList});
    if (ov.finishList && !ov.finishList->timeOfDayRule.empty())
        items.push_back({kTimeOfDayRuleLabel, ov.finishList->timeOfDayRule});
    return items;
}

std::string foreignNamesText(const RegattaOverview& ov) {
    if (ov.foreignNamedFiles.empty()) return "";
    std::string names;
    for (const std::string& name : ov.foreignNamedFiles) names += (names.empty() ? "" : ", ") + name;
    return "Nicht gelesen: " + names + ". Ihr Name enthält Zeichen außerhalb des Zeichensatzes Windows-1252 (als „?“ "
           "gezeigt); bitte die Datei umbenennen.";
}

std::string timeBaseWarning(const RegattaOverview& ov) {
    const int hours = std::abs(ov.listHoursOff);
    return format("Achtung: Bei allen Yachten mit gespeichertem Zieldurchgang liegt der der Zielzeitenliste genau "
                  "%d %s %s. Die Liste scheint in einer anderen Zeitbasis zu stehen als die Einstellungen (%s); "
                  "ihre Zeiten sind unverändert übernommen.",
                  hours, hours == 1 ? "Stunde" : "Stunden", ov.listHoursOff > 0 ? "später" : "früher",
                  ov.timeBase.c_str());
}

std::vector<std::string> columnTitles(bool withList) {
    return withoutListColumn({"Yacht-ID", "Yachtname", "ERLG-Seriennummer", "Siegel", "Betriebsart",
                              "Zieldurchgang", "Zieldurchgang laut Liste", "Motorlaufzeit bis Zieldurchgang",
                              "Sekunden", "Minuten", "Ereignisse", "Power-On", "Resets nach Start", "Grobminuten",
                              "Status", "Vorbereitet"},
                             withList);
}

bool isNumberColumn(std::size_t column, bool withList) {
    if (!withList && column >= kListFinish) ++column;
    return column == kSeals || column == kMode || (column >= kDuration && column <= kCoarse);
}

std::vector<std::string> rowCells(const YachtRow& row, bool withList) {
    std::vector<std::string> cells(kColumnCount);
    cells[kId] = row.files.yachtId;
    if (row.headerRead) {
        cells[kName] = row.yachtName;
        cells[kSerial] = row.serialNumber;
        cells[kSeals] = number(row.sealCount);
        cells[kMode] = number(row.operatingMode);
    }
    if (row.hasFinish) cells[kFinish] = dateTimeText(row.finish);
    if (row.listFinish) cells[kListFinish] = dateTimeText(*row.listFinish);
    if (row.hasEngineTime) {
        cells[kDuration] = row.durationText;
        cells[kSeconds] = number(static_cast<long long>(row.engineSeconds));
        cells[kMinutes] = format("%.2f", row.engineSeconds / 60);
        for (char& c : cells[kMinutes])
            if (c == '.') c = ',';
        cells[kEvents] = number(row.eventCount);
        cells[kPowerOn] = number(row.powerOnCount);
        cells[kResets] = number(row.resetsAfterStart);
    }
    if (row.coarseMinutes) cells[kCoarse] = number(*row.coarseMinutes);
    cells[kStatus] = statusText(row);
    if (row.prepared) cells[kPrepared] = preparedText(*row.prepared);
    return withoutListColumn(std::move(cells), withList);
}

std::string overviewCsv(const RegattaOverview& ov) {
    std::string text;
    const auto line = [&text](const std::vector<std::string>& fields) {
        for (std::size_t i = 0; i < fields.size(); ++i) {
            if (i) text += ';';
            text += csvText(fields[i]);
        }
        text += "\r\n";
    };
    for (const auto& [label, value] : headItems(ov)) line({label, value});
    if (ov.listHoursOff) line({"Warnung", timeBaseWarning(ov)});
    if (!ov.foreignNamedFiles.empty()) line({"Warnung", foreignNamesText(ov)});
    text += "\r\n";
    const bool withList = ov.finishList.has_value();
    line(columnTitles(withList));
    for (const YachtRow& row : ov.rows) line(rowCells(row, withList));
    return "\xEF\xBB\xBF" + utf8FromCp1252(text);
}

} // namespace wg
