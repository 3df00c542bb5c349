#include "evaluation/readout_dialog.h"

#include "evaluation/event_log.h"
#include "files/file_names.h"
#include "files/fingerprint.h"
#include "files/text.h"
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
        TypedFieldContext context{view, logger_.shell, regatta_,
                                  [this](const std::string& text) {
                                      // Shown once this dialog has closed.
                                      logger_.message.set(text);
                                      logger_.shell.postCommand(cmd::kShowMessage);
                                  },
                                  cmd::kReadOutAndEvaluate};
        FinishTime& finish = yacht_.finish;
        typedFieldLeft(context, id, field.kind,
                       [&finish, &field](std::int32_t value) { finish.*(field.component) = value; });
        return;
    }
}

void ReadoutDialog::clicked(DialogView& view, int id) {
    switch (id) {
    case IDC_EV_READ: readLogger(view); break;
    case IDC_EV_SAVE: saveFinishTime(view); break;
    case IDC_EV_COMPUTE: compute(view); break;
    case button::kOk:
    case button::kCancel: view.close(button::kCancel); break;
    default: break;
    }
}

void ReadoutDialog::cancelRequested(DialogView& view) { view.close(button::kCancel); }

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
        view.close(button::kCancel);
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
    if (readOut(logger_, yacht_, dataDirectory_) != kReadoutDone) return;
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
    if (appendFinishTime(yacht_, dataDirectory_) != kStatusOk) return;
    if (vouched && writeFingerprint(dataDirectory_, yacht_.regattaFileName) != kStatusOk)
        report(logger_, fingerprintFailureText(yacht_.regattaFileName));
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
