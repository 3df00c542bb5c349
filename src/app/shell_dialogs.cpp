#include "app/shell_dialogs.h"

#include "app/startup.h"
#include "files/text.h"
#include "platform/dialog_view.h"

namespace wg {

void MessageDialog::opened(DialogView& view) { view.setText(kText, state_.messageText()); }

void MessageDialog::clicked(DialogView& view, int id) {
    if (id == 1) view.close(1);
}

void ScreenDialog::opened(DialogView& view) {
    savedWidth_ = settings_.windowWidth;
    savedHeight_ = settings_.windowHeight;
    view.setText(kWidth, format("%i", static_cast<int>(settings_.windowWidth)));
    view.setText(kHeight, format("%i", static_cast<int>(settings_.windowHeight)));
}

void ScreenDialog::fieldLeft(DialogView& view, int id) {
    if (id != kWidth && id != kHeight) return;
    const std::string text = view.fieldText(id);
    if (text.empty()) return;
    (id == kWidth ? settings_.windowWidth : settings_.windowHeight) = leadingInt(text);
}

void ScreenDialog::clicked(DialogView& view, int id) {
    if (id == 2) {
        settings_.windowWidth = savedWidth_;
        settings_.windowHeight = savedHeight_;
        view.close(2);
    } else if (id == 1) {
        view.close(1);
    }
}

void AboutDialog::opened(DialogView& view) {
    view.setText(kName, kProgramName);
    view.setText(kRelease, kReleaseText);
}

void AboutDialog::clicked(DialogView& view, int id) {
    if (id == 1) view.close(1);
}

void TimeZoneDialog::opened(DialogView& view) {
    const int selected = settings_.timeZone == 0 ? kUtc : settings_.timeZone == 1 ? kLocal : 0;
    view.checkRadio(kUtc, kLocal, selected);
}

void TimeZoneDialog::clicked(DialogView& view, int id) {
    if (id == kUtc || id == kLocal) {
        settings_.timeZone = id == kUtc ? 0 : 1;
        view.checkRadio(kUtc, kLocal, id);
    } else if (id == 1) {
        view.close(1);
    }
}

} // namespace wg
