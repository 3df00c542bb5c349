#include "yacht/fleet_dialog.h"

#include <algorithm>

#include "files/file_names.h"
#include "files/text.h"
#include "files/yacht_record.h"
#include "logger/login.h"
#include "logger/password_dialog.h"
#include "platform/dialog_view.h"
#include "platform/file_system.h"
#include "platform/foreign_text.h"
#include "resources/resource_ids.h"

namespace wg {
namespace {

constexpr int kFirstMode = IDC_FLEET_MODE1, kLastMode = IDC_FLEET_MODE4;
// The open-file dialog's kind for entry lists (string table entry 4).
constexpr int kEntryListKind = IDS_FILTER_ENTRY_LIST;

std::string timeText(const TimeOfRegatta& t) {
    return format("%02d.%02d.%02d %02d:%02d", static_cast<int>(t.day), static_cast<int>(t.month),
                  static_cast<int>(t.year), static_cast<int>(t.hour), static_cast<int>(t.minute));
}

std::string regattaLine(const RegattaRecord& regatta) {
    return "Regatta: " + regatta.designation + " \x95 Start " + timeText(regatta.start) + " \x95 Ende " +
           timeText(regatta.end);
}

} // namespace

std::string preparedState(const PreparationSummary& summary) { return "vorbereitet " + preparedText(summary); }

void FleetDialog::opened(DialogView& view) {
    view.setText(IDC_FLEET_REGATTA, regattaLine(place_.regatta));
    view.setListColumns(IDC_FLEET_LIST,
                        {{"Yacht-ID", 45}, {"Yachtname", 95}, {"Siegel", 30}, {"Betriebsart", 50}, {"Zustand", 170}});
    view.checkRadio(IDC_FLEET_ERASE, IDC_FLEET_ERASE, IDC_FLEET_ERASE);
    view.checkRadio(kFirstMode, kLastMode, kFirstMode + defaultMode_ - 1);
    const std::string name = place_.regatta.regattaFileName + kEntryListSuffix;
    if (fileExists(place_.dataDirectory + name)) loadList(view, place_.dataDirectory + name, name);
    else chooseList(view);
}

void FleetDialog::chooseList(DialogView& view) {
    std::string path, title;
    const FileChoice choice = place_.logger.shell.chooseFile(kEntryListKind, "Meldeliste, Datei öffnen", path, title);
    if (choice == FileChoice::Chosen) return loadList(view, path, title);
    if (choice == FileChoice::ForeignName) refuseForeignFileName(place_.logger.shell);
    if (rows_.empty())
        view.setText(IDC_FLEET_LIST_INFO, "Keine Meldeliste: " + place_.regatta.regattaFileName + kEntryListSuffix +
                                              " liegt nicht in Daten.");
}

void FleetDialog::loadList(DialogView& view, const std::string& path, const std::string& fileName) {
    std::string bytes;
    EntryList list;
    std::string problem = "nicht lesbar";
    if (readWholeFile(path, bytes, kEntryListByteLimit) && bytes.size() <= kEntryListByteLimit)
        problem = readEntryList(bytes, list);
    if (!problem.empty()) {
        view.setText(IDC_FLEET_LIST_INFO, "Die Meldeliste " + fileName + " ist unbrauchbar: " + problem);
        return;
    }
    rows_.clear();
    const std::vector<PreparationSummary> records =
        preparedYachts(place_.dataDirectory, place_.regatta.regattaFileName, place_.logger.clock);
    for (const EntryListYacht& yacht : list.yachts) {
        Row row{yacht};
        for (const PreparationSummary& s : records)
            if (s.yachtId == yacht.yachtId) row = Row{yacht, preparedState(s), true};
        rows_.push_back(row);
    }
    std::string info = format("Meldeliste %s: %zu Yachten", fileName.c_str(), list.yachts.size());
    if (!list.unreadLines.empty()) info += "; nicht übernommen: " + list.unreadLines.front();
    if (list.unreadLines.size() > 1) info += format(" und %zu weitere", list.unreadLines.size() - 1);
    view.setText(IDC_FLEET_LIST_INFO, info);
    const auto open = std::find_if(rows_.begin(), rows_.end(), [](const Row& r) { return !r.prepared; });
    showRows(view, open == rows_.end() ? -1 : static_cast<int>(open - rows_.begin()));
}

std::int32_t FleetDialog::modeOf(const Row& row) const {
    return row.yacht.operatingMode ? row.yacht.operatingMode : defaultMode_;
}

void FleetDialog::showRows(DialogView& view, int selected) {
    std::vector<std::vector<std::string>> cells;
    for (const Row& row : rows_)
        cells.push_back({row.yacht.yachtId, row.yacht.yachtName, std::to_string(row.yacht.sealCount),
                         std::to_string(modeOf(row)) + (row.yacht.operatingMode ? "" : " (Vorgabe)"), row.state});
    view.setListRows(IDC_FLEET_LIST, cells);
    view.selectListRow(IDC_FLEET_LIST, selected);
    selectionChanged(view, IDC_FLEET_LIST);
}

void FleetDialog::selectionChanged(DialogView& view, int id) {
    if (id != IDC_FLEET_LIST) return;
    const int at = view.selectedListRow(IDC_FLEET_LIST);
    if (at < 0 || static_cast<std::size_t>(at) >= rows_.size()) return view.setText(IDC_FLEET_SELECTED, "");
    const Row& row = rows_[at];
    view.setText(IDC_FLEET_SELECTED, row.yacht.yachtId + " " + row.yacht.yachtName +
                                         format(": Betriebsart %d, %d Siegel \x96 ", static_cast<int>(modeOf(row)),
                                                static_cast<int>(row.yacht.sealCount)) + row.state);
}

void FleetDialog::fieldLeft(DialogView& view, int id) {
    if (id != IDC_FLEET_PASSWORD) return;
    const std::string typed = view.fieldText(id);
    if (typed.empty()) return;
    if (typed.size() > kLoggerPasswordLimit) {
        view.setText(id, "");
        view.setText(IDC_FLEET_PROGRESS, kPasswordTooLongText);
        return;
    }
    masterPassword_ = typed;
}

void FleetDialog::clicked(DialogView& view, int id) {
    if (id >= kFirstMode && id <= kLastMode) {
        defaultMode_ = id - kFirstMode + 1;
        view.checkRadio(kFirstMode, kLastMode, id);
        showRows(view, view.selectedListRow(IDC_FLEET_LIST));
    } else if (id == IDC_FLEET_CHOOSE_LIST) {
        chooseList(view);
    } else if (id == IDC_FLEET_PREPARE) {
        prepare(view);
    } else if (id == button::kCancel) {
        view.close(button::kCancel);
    }
}

void FleetDialog::cancelRequested(DialogView& view) { view.close(button::kCancel); }

void FleetDialog::prepare(DialogView& view) {
    const int at = view.selectedListRow(IDC_FLEET_LIST);
    if (at < 0 || static_cast<std::size_t>(at) >= rows_.size())
        return view.setText(IDC_FLEET_PROGRESS, "Bitte zuerst eine Yacht der Liste wählen.");
    if (masterPassword_.empty()) return view.setText(IDC_FLEET_PROGRESS, kNoPasswordText);
    Row& row = rows_[at];
    const PreparationOrder order{row.yacht.yachtId, row.yacht.yachtName, row.yacht.sealCount, modeOf(row),
                                 masterPassword_, view.isChecked(IDC_FLEET_ERASE)};
    std::string progress = row.yacht.yachtId + ":";
    const auto show = [&](const std::string& more) {
        progress += more;
        view.setText(IDC_FLEET_PROGRESS, progress);
        view.repaintNow();
    };
    PreparationEvents events;
    events.stepBegins = [&](PreparationStep step) { show(std::string(" ") + stepTitle(step) + " \x85"); };
    events.repaint = [&] { view.repaintNow(); };
    events.prepareAgain = [&](const PreparationSummary& other) {
        BoxRequest box;
        box.caption = "ERLG schon vorbereitet";
        box.text = preparedElsewhereText(other) + "\nTrotzdem für die Yacht " + row.yacht.yachtId + " vorbereiten?";
        box.icon = BoxIcon::Warning;
        box.buttons = BoxButtons::YesNo;
        return place_.logger.shell.messageBox(box) == BoxAnswer::Yes;
    };
    const PreparationResult result = prepareLogger(place_, order, events);
    // The rows first: the last line of the progress tells that the preparation is over.
    if (!result.prepared()) {
        row.state = std::string(stepTitle(result.step)) + ": " + result.answer;
        showRows(view, at);
        return show(" FEHLER. " + row.state);
    }
    row.state = preparedState({result.record.regatta, row.yacht.yachtId, result.record.serialNumber,
                               result.record.preparedAt});
    row.prepared = true;
    // The next open yacht after this one, else the first open one.
    int next = -1;
    for (std::size_t k = 1; k <= rows_.size() && next < 0; ++k)
        if (!rows_[(at + k) % rows_.size()].prepared) next = static_cast<int>((at + k) % rows_.size());
    showRows(view, next);
    show(" fertig: " + row.state);
}

} // namespace wg
