#pragma once
#include <string>

#include "files/file_save_request.h"
#include "files/regatta_record.h"
#include "logger/exchange.h"
#include "platform/dialog_logic.h"

namespace wg {

// What tells the start time dialog from the end time dialog.
struct RegattaTimeRole {
    const char* templateName;
    TimeOfRegatta RegattaRecord::*time;
    char letter;
    const char* successText;
    const char* savePrompt;
    int reopenCommand;
};

extern const RegattaTimeRole kStartTimeRole;
extern const RegattaTimeRole kEndTimeRole;

// The G or H command of `role`: the letter, day, month, year, hour and
// minute as two-digit texts, "00" for the seconds, and "\n" so that no
// terminator is sent. Rewrites the regatta time texts first.
std::string regattaTimeCommand(RegattaRecord& regatta, const RegattaTimeRole& role);

// "Startzeiteingabe" and "Zielzeiteingabe": edit the regatta start or end
// time in the record in place, save the regatta master data, send the time
// to the logger.
class RegattaTimeDialog final : public DialogLogic {
public:
    RegattaTimeDialog(LoggerContext& context, RegattaRecord& regatta, FileSaveRequest& fileSave,
                      const RegattaTimeRole& role)
        : context_(context), regatta_(regatta), fileSave_(fileSave), role_(role) {}

    const char* templateName() const override { return role_.templateName; }
    void opened(DialogView& view) override;
    void fieldLeft(DialogView& view, int id) override;
    void clicked(DialogView& view, int id) override;
    void cancelRequested(DialogView& view) override;

private:
    LoggerContext& context_;
    RegattaRecord& regatta_;
    FileSaveRequest& fileSave_;
    const RegattaTimeRole& role_;
};

} // namespace wg
