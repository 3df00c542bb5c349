#pragma once
#include <string>

#include "files/file_names.h"
#include "files/file_save_request.h"
#include "files/regatta_record.h"
#include "files/status.h"
#include "platform/dialog_logic.h"
#include "platform/message_text.h"
#include "platform/shell.h"

namespace wg {

inline constexpr std::size_t kSaveNameLimit = 240;
inline constexpr const char* kSaveNameTooLongMessage = "Eingabe zu lang, maximal 240 Zeichen erlaubt.";
inline constexpr const char* kNoSaveNameMessage =
    "Kein Dateiname eingegeben, Bitte Namen eingeben oder mit <Abbruch> Dialog beenden.";
inline constexpr const char* kSaveFailedMessage =
    "Dateiname eixistiert bereits, Bitte neuen Namen eingeben oder mit <Überschreiben> bestehende "
    "Dateiüberschreiben.";

// "Daten speichern": asks for the name under which the regatta master data
// go into the data directory, proposing the name of the file loaded.
class FileSaveDialog final : public DialogLogic {
public:
    FileSaveDialog(const RegattaRecord& regatta, const FileSaveRequest& request, MessageText& messageText,
                   Shell& shell, std::string directory = kDataDirectory)
        : regatta_(regatta), request_(request), messageText_(messageText), shell_(shell),
          directory_(std::move(directory)) {}
    const char* templateName() const override { return "IDD_DateiSpeichern"; }
    void opened(DialogView& view) override;
    void fieldLeft(DialogView& view, int id) override;
    void clicked(DialogView& view, int id) override;
    void cancelRequested(DialogView& view) override;

    // The name typed or proposed, followed by the extension.
    const std::string& fileName() const { return fileName_; }

private:
    void show(const std::string& message);
    // Refuses, with a message, a name the writer must not be given.
    bool writable();
    Status write();
    const RegattaRecord& regatta_;
    const FileSaveRequest& request_;
    MessageText& messageText_;
    Shell& shell_;
    std::string directory_;
    std::string fileName_;
};

} // namespace wg
