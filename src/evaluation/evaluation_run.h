#pragma once
#include <string>

namespace wg {

// What the two evaluation dialogs keep for the whole program run.
struct EvaluationRun {
    // A logger was read out and its file stored; never cleared in a run.
    bool dataRead = false;
    // A finish time was appended to that file; never cleared in a run.
    bool finishSaved = false;
    // A finish time is typed in the readout dialog but not yet appended:
    // Windows is asked to wait with ending the session until it is saved or
    // the dialog closed.
    bool finishUnsaved = false;
    // The file "Yacht laden" chose last, for "Ereignissdatei betrachten".
    std::string chosenPath;
};

} // namespace wg
