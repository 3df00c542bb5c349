#pragma once
#include <string>

#include "evaluation/evaluation_run.h"
#include "files/file_names.h"
#include "files/status.h"
#include "files/regatta_record.h"
#include "files/yacht_record.h"
#include "logger/date_time_check.h"
#include "logger/exchange.h"
#include "platform/dialog_logic.h"

namespace wg {

inline constexpr const char* kYachtDataMissingCaption = "Datei- und Auswerungsfehler";
inline constexpr const char* kYachtDataMissingText =
    "Yacht-Stammdaten existiern nicht.\nKeine korrekte Auswertung möglich!\n"
    "Es werden nur die ERLG-Daten\nunter neuen Namen gespeichert!";
inline constexpr const char* kReadoutDoneText =
    "Alle Daten ordnungsgemäß aus ERLG ausgelesen und gespeichert.";

// "ERLG Daten Auslesen und Auswerten": reads a logger out into its yacht
// regatta data file, takes the finish crossing time, appends it to the file
// and evaluates the file. Works on the program's records in place.
class ReadoutDialog final : public DialogLogic {
public:
    // `timeZone` is the settings value (0 UTC, 1 local time) the dialog names.
    // The yacht files are looked for and written in `dataDirectory`.
    ReadoutDialog(LoggerContext& logger, YachtRecord& yacht, RegattaRecord& regatta, int timeZone,
                  EvaluationRun& run, std::string dataDirectory = kDataDirectory)
        : logger_(logger), yacht_(yacht), regatta_(regatta), timeZone_(timeZone), run_(run),
          dataDirectory_(std::move(dataDirectory)) {}

    const char* templateName() const override { return "IDD_ErlgLesen"; }
    void opened(DialogView& view) override;
    void fieldLeft(DialogView& view, int id) override;
    void clicked(DialogView& view, int id) override;
    void cancelRequested(DialogView& view) override;

private:
    void readLogger(DialogView& view);
    void saveFinishTime(DialogView& view);
    void compute(DialogView& view);
    void errorBox(const char* caption, const char* text);
    void close(DialogView& view);

    LoggerContext& logger_;
    YachtRecord& yacht_;
    RegattaRecord& regatta_;
    int timeZone_;
    EvaluationRun& run_;
    std::string dataDirectory_;
};

// What "Daten Speichern" says when the finish time could not be stored.
std::string finishNotSavedText(const std::string& fileName, Status status);

// Shows the yacht's identification fields, shared by both dialogs.
void showYachtIdentification(DialogView& view, const YachtRecord& yacht);

} // namespace wg
