#include "files/regatta_entry_dialog.h"

#include "platform/command_ids.h"
#include "files/text.h"
#include "platform/dialog_view.h"
#include "platform/refusal.h"
#include "resources/resource_ids.h"

namespace wg {

void RegattaEntryDialog::opened(DialogView& view) {
    view.setText(IDC_STARTERS, format("%i", static_cast<int>(regatta_.starters)));
    view.setText(IDC_DESIGNATION, regatta_.designation);
}

void RegattaEntryDialog::fieldLeft(DialogView& view, int id) {
    if (id == IDC_DESIGNATION) {
        designationLeft(view);
    } else if (id == IDC_STARTERS) {
        const std::string text = view.fieldText(IDC_STARTERS);
        if (!text.empty()) regatta_.starters = leadingInt(text);
    }
}

void RegattaEntryDialog::designationLeft(DialogView& view) {
    const std::string text = view.fieldText(IDC_DESIGNATION);
    if (text.empty()) return;
    if (text.size() > kRegattaTextLimit) {
        refuseAndReopen(view, shell_, messageText_, kDesignationTooLongMessage, cmd::kEnterRegattaData);
        return;
    }
    // Kept as the file will carry it: single blanks, none at the ends. A text
    // of blanks only is as good as an empty field.
    const std::string designation = carriableText(text);
    if (!designation.empty()) regatta_.designation = designation;
}

void RegattaEntryDialog::clicked(DialogView& view, int id) {
    switch (id) {
    case IDC_SAVE:
        fileSave_ = FileSaveRequest{kRegattaSavePrompt, ".rsd", kSaveRegattaData};
        shell_.runCommand(cmd::kFileSave);
        view.close(button::kOk);
        break;
    case button::kOk:
    case button::kCancel:
        view.close(id);
        break;
    default:
        break;
    }
}

void RegattaEntryDialog::cancelRequested(DialogView& view) { view.close(button::kCancel); }

} // namespace wg
