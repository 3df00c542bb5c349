#pragma once
#include <functional>
#include <string>
#include <vector>

#include "platform/shell.h"

namespace wg::test {

// Records what the logic asks of the main window; runs nothing.
class FakeShell final : public Shell {
public:
    std::vector<int> commands;  // runCommand, in order
    std::vector<int> posted;    // postCommand, in order
    std::vector<BoxRequest> boxes;
    std::vector<std::string> dialogs;  // template names of runDialog
    BoxAnswer boxAnswer = BoxAnswer::Ok;
    int dialogResult = 1;
    PcTime utc, local;
    // Called for every runCommand, e.g. to see the message text of 50000.
    std::function<void(int)> onCommand;

    void runCommand(int id) override {
        commands.push_back(id);
        if (onCommand) onCommand(id);
    }
    void postCommand(int id) override { posted.push_back(id); }
    BoxAnswer messageBox(const BoxRequest& request) override {
        boxes.push_back(request);
        return boxAnswer;
    }
    int runDialog(DialogLogic& logic) override {
        dialogs.push_back(logic.templateName());
        return dialogResult;
    }
    bool chooseFile(int, const std::string&, std::string&, std::string&) override { return false; }
    bool startProcess(const std::string&) override { return true; }
    void endProgram() override {}
    PcTime systemTime() override { return utc; }
    PcTime localTime() override { return local; }
};

} // namespace wg::test
