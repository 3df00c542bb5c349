#pragma once
#include "platform/shell.h"

namespace wg {

// The shell of a program without windows: it shows no box but counts them
// (the evaluation shows one for every Reset after the regatta start), and
// offers no dialog, file choice or process.
class CountingShell final : public Shell {
public:
    void runCommand(int) override {}
    void postCommand(int) override {}
    BoxAnswer messageBox(const BoxRequest&) override {
        ++boxes;
        return BoxAnswer::Ok;
    }
    int runDialog(DialogLogic&) override { return 0; }
    FileChoice chooseFile(int, const std::string&, std::string&, std::string&) override {
        return FileChoice::Cancelled;
    }
    bool startProcess(const std::string&) override { return false; }
    void endProgram() override {}
    PcTime systemTime() override { return {}; }
    PcTime localTime() override { return {}; }

    int boxes = 0;
};

} // namespace wg
