#include "evaluation/readout_dialog.h"

#include "evaluation/event_log.h"
#include "files/file_names.h"
#include "files/fingerprint.h"
#include "files/text.h"
#include "files/write_outcome.h"
#include "files/yacht_master_file.h"
#include "files/yacht_regatta_file.h"
#include "logger/identification.h"
#include "logger/typed_field.h"
#include "platform/command_ids.h"
#include "platform/dialog_view.h"
#include "resources/resource_ids.h"
#include "yacht/coarse_minutes.h"
#include "yacht/readout.h"

namespace wg {
namespace {

struct FinishField {
    int id;
    FieldKind kind;
    std::int32_t FinishTime::*component;
};

constexpr FinishField kFinishFields[] = {
    {IDC_EV_HOUR, FieldKind::Hour, &FinishTime::hour},
    {IDC_EV_MINUTE, FieldKind::Minute, &FinishTime::minute},
    {IDC_EV_SECOND, FieldKind::Second, &FinishTime::second},
    {IDC_EV_DAY, FieldKind::Day, &FinishTime::day},
    {IDC_EV_MONTH, FieldKind::Month, &FinishTime::month},
    {IDC_EV_YEAR, FieldKind::Year, &FinishTime::year},
};

} // namespace

std::string finishNotSavedText(const std::string& fileName, Status status) {
    return "Die Zieldurchgangszeit wurde nicht gespeichert. " + writeFailureText(fileName, status) +
           " Bitte die Ursache beheben und erneut „Daten Speichern“ wählen!";
}

void showYachtIdentification(DialogView& view, const YachtRecord& yacht) {
    view.setText(IDC_EV_YACHT_ID, yacht.yachtId);
    view.setText(IDC_EV_SERIAL, yacht.serialNumber);
    view.setText(IDC_EV_FILE_NAME, yacht.masterFileName);
    view.setText(IDC_EV_SEALS, format("%i", static_cast<int>(yacht.sealCount)));
    view.setText(IDC_EV_YACHT_NAME, yacht.yachtName);
}

void ReadoutDialog::opened(DialogView& view) {
    view.setText(IDC_EV_TIME_ZONE, timeZone_ == 0 ? " UTC" : timeZone_ == 1 ? "Lokalzeit" : "");
}

void ReadoutDialog::fieldLeft(DialogView& view, int id) {
    for (const FinishField& field : kFinishFields) {
        if (field.id != id) continue;
        TypedFieldContext context{view, logger_.shell, regatta_, logger_.message, cmd::kReadOutAndEvaluate};
        FinishTime& finish = yacht_.finish;
        EvaluationRun& run = run_;
        typedFieldLeft(context, id, field.kind, [&finish, &field, &run](std::int32_t value) {
            finish.*(field.component) = value;
            run.finishUnsaved = true;
        });
        return;
    }
}

void ReadoutDialog::clicked(DialogView& view, int id) {
    switch (id) {
    case IDC_EV_READ: readLogger(view); break;
    case IDC_EV_SAVE: saveFinishTime(view); break;
    case IDC_EV_COMPUTE: compute(view); break;
    case button::kOk:
    case button::kCancel: close(view); break;
    default: break;
    }
}

void ReadoutDialog::cancelRequested(DialogView& view) { close(view); }

void ReadoutDialog::close(DialogView& view) {
    run_.finishUnsaved = false;
    view.close(button::kCancel);
}

void ReadoutDialog::errorBox(const char* caption, const char* text) {
    BoxRequest box;
    box.caption = caption;
    box.text = text;
    box.icon = BoxIcon::Error;
    box.topmost = true;
    logger_.shell.messageBox(box);
}

void ReadoutDialog::readLogger(DialogView& view) {
    const int identified = identificationQuery(logger_, yacht_);
    if (identified == kIdentificationPasswordRequired) {
        close(view);
        logger_.shell.postCommand(cmd::kMasterPassword);
        return;
    }
    // No port or no echo: the user has been told; nothing more can be asked.
    if (identified != kIdentified) return;
    if (!coarseMinutesQuery(logger_, yacht_)) return;

    view.setText(IDC_EV_COARSE, format("%i min", static_cast<int>(yacht_.coarseMinutes)));
    view.setText(IDC_EV_YACHT_ID, yacht_.yachtId);
    view.setText(IDC_EV_SERIAL, yacht_.serialNumber);

    yacht_.masterFileName = yachtMasterFileName(regatta_.regattaFileName, yacht_.yachtId);
    if (readYachtMasterData(yacht_, dataDirectory_, logger_.clock) == kStatusCannotOpen) {
        errorBox(kYachtDataMissingCaption, kYachtDataMissingText);
    } else {
        view.setText(IDC_EV_FILE_NAME, yacht_.masterFileName);
        view.setText(IDC_EV_SEALS, format("%i", static_cast<int>(yacht_.sealCount)));
        view.setText(IDC_EV_YACHT_NAME, yacht_.yachtName);
    }
    view.repaintNow();

    yacht_.regattaFileName = yachtRegattaFileName(regatta_.regattaFileName, yacht_.yachtId);
    // The progress stands in the status area while the event memory comes,
    // renewed at every line and every second; the window repaints after
    // every read, so it never looks hung. A readout that fails leaves the
    // status area as it was.
    const std::string status = view.fieldText(IDC_EV_STATUS);
    ReadoutProgress shown{0, 0, -1};
    const auto showProgress = [&](const ReadoutProgress& progress) {
        if (progress.lines != shown.lines || progress.seconds != shown.seconds) {
            shown = progress;
            view.setText(IDC_EV_STATUS, readoutProgressText(progress));
        }
        view.repaintNow();
    };
    if (readOut(logger_, yacht_, dataDirectory_, showProgress) != kReadoutDone) {
        view.setText(IDC_EV_STATUS, status);
        return;
    }
    view.setText(IDC_EV_STATUS, kReadoutDoneText);
    run_.dataRead = true;
}

void ReadoutDialog::saveFinishTime(DialogView& view) {
    if (!run_.dataRead) {
        errorBox("Bedienungsfehler", "Datenspeicherung nicht möglich,\nZuerst ERLG auslesen!");
        return;
    }
    // Only a fingerprint that vouched for the file before is renewed: one
    // edited since its readout, or read out before fingerprints were
    // written, must not come out looking untouched.
    const bool vouched = checkFingerprint(dataDirectory_, yacht_.regattaFileName) == FingerprintCheck::Matches;
    const FinishSave saved = appendFinishTime(yacht_, dataDirectory_, vouched);
    if (saved.status != kStatusOk) {
        // The file is as it was: no part of a finish block, no word of success.
        report(logger_, finishNotSavedText(yacht_.regattaFileName, saved.status));
        return;
    }
    if (vouched && !saved.fingerprintRenewed) report(logger_, fingerprintFailureText(yacht_.regattaFileName));
    run_.finishUnsaved = false;
    view.setText(IDC_EV_STATUS,
                 format("Zieldurchgangszeit in Datei %s gespeichert.", yacht_.regattaFileName.c_str()));
    run_.finishSaved = true;
}

void ReadoutDialog::compute(DialogView& view) {
    if (!run_.finishSaved) {
        errorBox("Fehlende Eingabe", "Noch keine Zieldurchgangszeit eingegeben\nBerechnung nicht möglich.");
        return;
    }
    evaluate(logger_.shell, yacht_, regatta_, dataDirectory_, logger_.clock);
    view.setText(IDC_EV_EVENTS, format("%i", static_cast<int>(yacht_.evaluation.eventCount)));
    view.setText(IDC_EV_DURATION, yacht_.evaluation.durationText);
}

} // namespace wg
