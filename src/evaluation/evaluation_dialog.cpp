#include "evaluation/evaluation_dialog.h"

#include "evaluation/event_log.h"
#include "evaluation/readout_dialog.h"
#include "files/file_names.h"
#include "files/open_file.h"
#include "files/text.h"
#include "files/yacht_master_file.h"
#include "logger/date_time_check.h"
#include "platform/command_ids.h"
#include "platform/dialog_view.h"
#include "resources/resource_ids.h"

namespace wg {
namespace {

bool namesYachtRegattaFile(const std::string& fileTitle) {
    return fileTitle.find(".YRD") != std::string::npos || fileTitle.find(".yrd") != std::string::npos;
}

} // namespace

std::string finishTimeText(const FinishTime& f) {
    return twoDigitText(f.hour) + ":" + twoDigitText(f.minute) + ":" + twoDigitText(f.second);
}

std::string finishDateText(const FinishTime& f) {
    return twoDigitText(f.day) + "." + twoDigitText(f.month) + "." + twoDigitText(f.year);
}

void EvaluationDialog::clicked(DialogView& view, int id) {
    switch (id) {
    case IDC_EV_LOAD: loadYacht(view); break;
    case IDC_EV_COMPUTE: compute(view); break;
    case IDC_EV_VIEW:
        if (viewFile_) viewFile_(run_.chosenPath);
        break;
    case button::kOk:
    case button::kCancel: view.close(button::kCancel); break;
    default: break;
    }
}

void EvaluationDialog::cancelRequested(DialogView& view) { view.close(button::kCancel); }

void EvaluationDialog::loadYacht(DialogView& view) {
    view.setVisible(false);
    std::string path, fileTitle;
    const bool confirmed = chooseDataFile(shell_, kChooseYachtRegattaFile, kChooseYachtRegattaTitle, path, fileTitle);
    routeChosenFile(confirmed, path, fileTitle, regatta_, yacht_);
    view.setVisible(true);

    if (confirmed && namesYachtRegattaFile(fileTitle)) {
        clearYachtRecord(yacht_);
        run_.chosenPath = cutTo(path, kYachtFileNameLimit);
        const Status read = readYachtMasterData(yacht_, kDataDirectory, clock_);
        yacht_.regattaFileName = run_.chosenPath;
        if (read == kStatusCannotOpen) {
            BoxRequest box;
            box.caption = kYachtDataMissingCaption;
            box.text = kYachtDataMissingText;
            box.icon = BoxIcon::Error;
            box.topmost = true;
            shell_.messageBox(box);
            view.setText(IDC_EV_FINISH_TIME, "");
            return;
        }
    }
    showYachtIdentification(view, yacht_);
    view.setText(IDC_EV_FINISH_TIME, "");
}

void EvaluationDialog::compute(DialogView& view) {
    clearYachtRecord(yacht_);
    evaluate(shell_, yacht_, regatta_, "", clock_);
    view.setText(IDC_EV_EVENTS, format("%i", static_cast<int>(yacht_.evaluation.eventCount)));
    view.setText(IDC_EV_POWER_ON, format("%i", static_cast<int>(yacht_.evaluation.powerOnCount)));
    view.setText(IDC_EV_DURATION, yacht_.evaluation.durationText);
    view.setText(IDC_EV_FINISH_TIME, finishTimeText(yacht_.finish));
    view.setText(IDC_EV_FINISH_DATE, finishDateText(yacht_.finish));
}

} // namespace wg
