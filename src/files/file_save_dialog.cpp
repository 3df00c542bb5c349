#include "files/file_save_dialog.h"

#include "platform/command_ids.h"
#include "files/file_names.h"
#include "files/regatta_file.h"
#include "files/text.h"
#include "files/write_outcome.h"
#include "platform/dialog_view.h"
#include "resources/resource_ids.h"

namespace wg {

void FileSaveDialog::opened(DialogView& view) {
    view.setText(IDC_SAVE_PROMPT, request_.prompt);
    fileName_.clear();
    if (regatta_.path.size() < 2) return;
    // A name part of four characters or fewer has nothing before its
    // extension: no proposal then.
    const std::string proposal = dropExtension(afterLastBackslash(regatta_.path));
    if (proposal.empty()) return;
    view.setText(IDC_SAVE_NAME, proposal);
    fileName_ = proposal + request_.extension;
}

void FileSaveDialog::fieldLeft(DialogView& view, int id) {
    if (id != IDC_SAVE_NAME) return;
    const std::string line = view.fieldText(IDC_SAVE_NAME);
    if (line.empty()) return;
    if (line.size() > kSaveNameLimit) {
        show(kSaveNameTooLongMessage);
        return;
    }
    if (!isSafeFileName(line + request_.extension)) {
        // Nothing is written under a name the user did not mean: "OK" then
        // asks for a name, "Überschreiben" closes without writing.
        fileName_.clear();
        show(kUnsafeFileNameMessage);
        return;
    }
    fileName_ = line + request_.extension;
}

void FileSaveDialog::clicked(DialogView& view, int id) {
    if (id == button::kOk) {
        if (fileName_.empty()) {
            show(kNoSaveNameMessage);
            return;
        }
        if (!writable()) return;
        const Status status = write();
        if (status == kStatusOk)
            view.close(button::kOk);
        else  // a full drive or a file held open is said as such, not as a name taken
            show(status == kStatusCannotWrite ? std::string(kSaveFailedMessage) : writeFailureText(fileName_, status));
    } else if (id == IDC_OVERWRITE) {
        if (!fileName_.empty() && !writable()) return;
        // The dialog closes whatever came of it, but not without a word.
        const Status status = fileName_.empty() ? kStatusOk : write();
        if (status != kStatusOk) show(writeFailureText(fileName_, status));
        view.close(button::kOk);
    } else if (id == button::kCancel) {
        view.close(button::kCancel);
    }
}

void FileSaveDialog::cancelRequested(DialogView& view) { view.close(button::kCancel); }

void FileSaveDialog::show(const std::string& message) {
    messageText_.set(message);
    shell_.runCommand(cmd::kShowMessage);
}

bool FileSaveDialog::writable() {
    if (!isSafeFileName(fileName_)) {
        show(kUnsafeFileNameMessage);
        return false;
    }
    return true;
}

Status FileSaveDialog::write() {
    if (request_.kind != kSaveRegattaData) return kStatusCannotWrite;
    return writeRegattaData(regatta_, fileName_, directory_);
}

} // namespace wg
