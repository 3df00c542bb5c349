#pragma once
#include <functional>
#include <string>

#include "evaluation/evaluation_run.h"
#include "files/regatta_record.h"
#include "files/yacht_record.h"
#include "platform/clock.h"
#include "platform/dialog_logic.h"
#include "platform/shell.h"

namespace wg {

// "Yachtdaten berechnen und auswerten": evaluates a stored yacht regatta data
// file without a logger and hands it to the text viewer.
class EvaluationDialog final : public DialogLogic {
public:
    // Opens a yacht regatta data file in the system text editor.
    using FileViewer = std::function<void(const std::string& path)>;

    EvaluationDialog(Shell& shell, Clock& clock, YachtRecord& yacht, RegattaRecord& regatta,
                     EvaluationRun& run, FileViewer viewFile)
        : shell_(shell), clock_(clock), yacht_(yacht), regatta_(regatta), run_(run),
          viewFile_(std::move(viewFile)) {}

    const char* templateName() const override { return "IDD_Berechnen"; }
    void opened(DialogView&) override {}
    void clicked(DialogView& view, int id) override;
    void cancelRequested(DialogView& view) override;

private:
    void loadYacht(DialogView& view);
    void compute(DialogView& view);

    Shell& shell_;
    Clock& clock_;
    YachtRecord& yacht_;
    RegattaRecord& regatta_;
    EvaluationRun& run_;
    FileViewer viewFile_;
};

// "07:05:09" and "03.06.04": two digits per component.
std::string finishTimeText(const FinishTime& finish);
std::string finishDateText(const FinishTime& finish);

} // namespace wg
