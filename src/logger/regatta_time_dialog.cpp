#include "logger/regatta_time_dialog.h"

#include "logger/date_time_check.h"
#include "logger/typed_field.h"
#include "platform/dialog_view.h"
#include "resources/resource_ids.h"

namespace wg {
namespace {

struct TimeField {
    int id;
    FieldKind kind;
    std::int32_t TimeOfRegatta::*value;
};

constexpr TimeField kTimeFields[] = {
    {IDC_RTIME_HOUR, FieldKind::Hour, &TimeOfRegatta::hour},
    {IDC_RTIME_MINUTE, FieldKind::Minute, &TimeOfRegatta::minute},
    {IDC_RTIME_DAY, FieldKind::Day, &TimeOfRegatta::day},
    {IDC_RTIME_MONTH, FieldKind::Month, &TimeOfRegatta::month},
    {IDC_RTIME_YEAR, FieldKind::Year, &TimeOfRegatta::year},
};

} // namespace

const RegattaTimeRole kStartTimeRole{"IDD_StartZeitEingabe", &RegattaRecord::start, 'G',
                                     "Regatta-Startzeit geaendert", kRegattaSavePromptStartTime,
                                     cmd::kStartTime};
const RegattaTimeRole kEndTimeRole{"IDD_ZielZeitEingabe", &RegattaRecord::end, 'H',
                                   "Regatta-Endezeit geaendert", kRegattaSavePrompt, cmd::kEndTime};

std::string regattaTimeCommand(RegattaRecord& regatta, const RegattaTimeRole& role) {
    formatRegattaTimeTexts(regatta);
    const auto& t = regatta.timeTexts;
    const bool start = role.time == &RegattaRecord::start;
    const std::size_t base = start ? kStartMinuteText : kEndMinuteText;
    // Within each half the texts run minute, hour, day, month, year.
    return std::string(1, role.letter) + t[base + 2] + t[base + 3] + t[base + 4] + t[base + 1] + t[base] +
           "00\n";
}

void RegattaTimeDialog::opened(DialogView& view) {
    const TimeOfRegatta& time = regatta_.*role_.time;
    for (const TimeField& field : kTimeFields) view.setText(field.id, twoDigitText(time.*field.value));
}

void RegattaTimeDialog::fieldLeft(DialogView& view, int id) {
    for (const TimeField& field : kTimeFields) {
        if (field.id != id) continue;
        TypedFieldContext typed{view, context_.shell, regatta_,
                                context_.message,
                                role_.reopenCommand};
        typedFieldLeft(typed, id, field.kind,
                       [this, &field](std::int32_t value) { (regatta_.*role_.time).*field.value = value; });
        return;
    }
}

void RegattaTimeDialog::clicked(DialogView& view, int id) {
    switch (id) {
    case IDC_SAVE:
        fileSave_ = FileSaveRequest{role_.savePrompt, ".rsd", kSaveRegattaData};
        context_.shell.runCommand(cmd::kFileSave);
        view.close(button::kOk);
        break;
    case IDC_RTIME_SEND:
        // The dialog is gone before the exchange blocks the program.
        view.close(button::kOk);
        view.setVisible(false);
        configurationExchange(context_, regattaTimeCommand(regatta_, role_), role_.successText);
        break;
    case button::kCancel:
        view.close(button::kCancel);
        break;
    default:
        break;
    }
}

void RegattaTimeDialog::cancelRequested(DialogView& view) { view.close(button::kCancel); }

} // namespace wg
