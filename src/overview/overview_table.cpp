#include <string>

#include "files/text.h"
#include "overview/output_text.h"
#include "overview/regatta_overview.h"

namespace wg {
namespace {

enum Column : std::size_t {
    kId, kName, kSerial, kSeals, kMode, kFinish, kDuration, kSeconds, kMinutes,
    kEvents, kPowerOn, kResets, kCoarse, kStatus, kColumnCount
};

std::string number(long long value) { return format("%lld", value); }

} // namespace

std::vector<std::pair<std::string, std::string>> headItems(const RegattaOverview& ov) {
    return {
        {"Regatta", ov.regatta.designation},
        {"Regattadatei", ov.regattaFile},
        {"Regattastart", regattaTimeText(ov.regatta.start)},
        {"Regattaende", regattaTimeText(ov.regatta.end)},
        {"Zeitbasis", ov.timeBase},
        {"Erstellt", ov.madeAt},
    };
}

const std::vector<std::string>& columnTitles() {
    static const std::vector<std::string> titles = {
        "Yacht-ID", "Yachtname", "ERLG-Seriennummer", "Siegel", "Betriebsart", "Zieldurchgang",
        "Motorlaufzeit bis Zieldurchgang", "Sekunden", "Minuten", "Ereignisse", "Power-On",
        "Resets nach Start", "Grobminuten", "Status"};
    return titles;
}

bool isNumberColumn(std::size_t column) {
    return column == kSeals || column == kMode || (column >= kDuration && column <= kCoarse);
}

std::vector<std::string> rowCells(const YachtRow& row) {
    std::vector<std::string> cells(kColumnCount);
    cells[kId] = row.files.yachtId;
    if (row.headerRead) {
        cells[kName] = row.yachtName;
        cells[kSerial] = row.serialNumber;
        cells[kSeals] = number(row.sealCount);
        cells[kMode] = number(row.operatingMode);
    }
    if (row.hasFinish) cells[kFinish] = dateTimeText(row.finish);
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
    return cells;
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
    text += "\r\n";
    line(columnTitles());
    for (const YachtRow& row : ov.rows) line(rowCells(row));
    return "\xEF\xBB\xBF" + utf8FromCp1252(text);
}

} // namespace wg
