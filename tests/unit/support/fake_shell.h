#pragma once
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/shell.h"

namespace wg::test {

// The main window's services, recorded; answers and file choices are
// scripted by the test (a box without a scripted answer gets Ok or Yes).
class FakeShell final : public Shell {
public:
    struct Choice {
        bool chosen;
        std::string path, fileTitle;
    };

    void runCommand(int id) override {
        commandsRun.push_back(id);
        if (onCommand) onCommand(id);
    }
    void postCommand(int id) override { commandsPosted.push_back(id); }
    BoxAnswer messageBox(const BoxRequest& request) override {
        boxes.push_back(request);
        if (!answers.empty()) {
            BoxAnswer answer = answers.front();
            answers.pop_front();
            return answer;
        }
        return request.buttons == BoxButtons::YesNo ? BoxAnswer::Yes : BoxAnswer::Ok;
    }
    int runDialog(DialogLogic& logic) override {
        dialogsRun.push_back(logic.templateName());
        return onDialog ? onDialog(logic) : 0;
    }
    bool chooseFile(int kind, const std::string& title, std::string& path,
                    std::string& fileTitle) override {
        fileChoices.push_back({kind, title});
        if (choices.empty()) return false;
        Choice choice = choices.front();
        choices.pop_front();
        if (!choice.chosen) return false;
        path = choice.path;
        fileTitle = choice.fileTitle;
        return true;
    }
    bool startProcess(const std::string& commandLine) override {
        processesStarted.push_back(commandLine);
        return processStarts;
    }
    void endProgram() override { ++programEnds; }
    PcTime systemTime() override { return utc; }
    PcTime localTime() override { return local; }

    // Recorded.
    std::vector<int> commandsRun;
    std::vector<int> commandsPosted;
    std::vector<BoxRequest> boxes;
    std::vector<std::string> dialogsRun;
    std::vector<std::pair<int, std::string>> fileChoices;
    std::vector<std::string> processesStarted;
    int programEnds = 0;

    // Scripted.
    std::deque<BoxAnswer> answers;
    std::deque<Choice> choices;
    std::function<void(int)> onCommand;
    std::function<int(DialogLogic&)> onDialog;
    bool processStarts = true;
    PcTime utc, local;
};

} // namespace wg::test
