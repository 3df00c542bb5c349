#pragma once
#include <string>

namespace wg {

// Save kind of the regatta master data: selects the record and its writer.
inline constexpr char kSaveRegattaData = 'R';

inline constexpr const char* kRegattaSavePrompt =
    "Namen für Regatta-Stammdaten Datei eingeben. Dateiendung immer .rsd, Verzeichnis ist ..\\daten";
inline constexpr const char* kRegattaSavePromptStartTime =
    "Dateinamen für Regatta-Stammdaten Datei eingeben. Dateiendung immer .rsd, Verzeichnis ist ..\\daten";

// What a dialog sets before it asks the main window for the file-save dialog
// (command 50001); one program-wide instance.
struct FileSaveRequest {
    std::string prompt;
    std::string extension;
    char kind = 0;
};

} // namespace wg
