#include "files/regatta_display_dialog.h"

#include "platform/command_ids.h"
#include "files/text.h"
#include "platform/dialog_view.h"
#include "resources/resource_ids.h"

namespace wg {

namespace {
std::string twoDigits(std::int32_t value) { return format(value < 10 ? "0%i" : "%i", static_cast<int>(value)); }
std::string colonTwoDigits(std::int32_t value) {
    return format(value < 10 ? ":0%i" : ":%i", static_cast<int>(value));
}
} // namespace

std::string displayTime(std::int32_t hour, std::int32_t minute, std::int32_t second) {
    // The second is always 0 in the record; it is written with a fixed 0.
    return twoDigits(hour) + colonTwoDigits(minute) + format(":0%i", static_cast<int>(second));
}

std::string displayDate(std::int32_t day, std::int32_t month, std::int32_t year) {
    return twoDigits(day) + colonTwoDigits(month) + format(":%i", static_cast<int>(year));
}

void RegattaDisplayDialog::opened(DialogView& view) {
    view.setText(IDC_START_TIME, displayTime(regatta_.start.hour, regatta_.start.minute, regatta_.start.second));
    view.setText(IDC_START_DATE, displayDate(regatta_.start.day, regatta_.start.month, regatta_.start.year));
    view.setText(IDC_END_TIME, displayTime(regatta_.end.hour, regatta_.end.minute, regatta_.end.second));
    view.setText(IDC_END_DATE, displayDate(regatta_.end.day, regatta_.end.month, regatta_.end.year));
    view.setText(IDC_STARTERS_SHOWN, format(":%i", static_cast<int>(regatta_.starters)));
    view.setText(IDC_DESIGNATION, ":" + regatta_.designation);
}

void RegattaDisplayDialog::clicked(DialogView& view, int id) {
    if (id == button::kOk) view.close(button::kOk);
}

} // namespace wg
