#pragma once
#include <string>

#include "files/file_save_request.h"
#include "files/regatta_record.h"
#include "platform/dialog_logic.h"
#include "platform/message_text.h"
#include "platform/shell.h"

namespace wg {

inline constexpr const char* kDesignationTooLongMessage =
    "Bezeichnung darf maximal 255 Zeichen lang sein, bitte neu eingeben!";

// "Regatta Stammdaten": designation and number of starters, edited in the
// record in place; "Speichern" asks for the file-save dialog.
class RegattaEntryDialog final : public DialogLogic {
public:
    RegattaEntryDialog(RegattaRecord& regatta, MessageText& messageText, FileSaveRequest& fileSave,
                       Shell& shell)
        : regatta_(regatta), messageText_(messageText), fileSave_(fileSave), shell_(shell) {}
    const char* templateName() const override { return "IDD_StammDaten"; }
    void opened(DialogView& view) override;
    void fieldLeft(DialogView& view, int id) override;
    void clicked(DialogView& view, int id) override;
    void cancelRequested(DialogView& view) override;

private:
    void designationLeft(DialogView& view);
    RegattaRecord& regatta_;
    MessageText& messageText_;
    FileSaveRequest& fileSave_;
    Shell& shell_;
};

} // namespace wg
