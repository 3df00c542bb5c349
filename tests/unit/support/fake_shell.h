#pragma once
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/shell.h"
#include "support/fake_view.h"

namespace wg::test {

// The main window's services as a recorder with scripted answers. Dialogs
// opened while a user action is queued run with that user; others only
// return `dialogResult`.
class FakeShell final : public Shell {
public:
    using UserAction = std::function<void(DialogLogic&, FakeView&)>;
    struct Choice {
        bool confirmed;
        std::string path;
        std::string fileTitle;
    };
    struct ChooseCall {
        int kind;
        std::string title;
    };

    void runCommand(int id) override {
        commandsRun.push_back(id);
        if (onCommand) onCommand(id);
    }
    void postCommand(int id) override { commandsPosted.push_back(id); }
    BoxAnswer messageBox(const BoxRequest& request) override {
        boxes.push_back(request);
        if (boxAnswers.empty()) return request.buttons == BoxButtons::YesNo ? BoxAnswer::No : BoxAnswer::Ok;
        BoxAnswer answer = boxAnswers.front();
        boxAnswers.pop_front();
        return answer;
    }
    int runDialog(DialogLogic& logic) override {
        dialogsRun.push_back(logic.templateName());
        if (user.empty()) return dialogResult;
        UserAction action = user.front();
        user.pop_front();
        FakeView view;
        logic.opened(view);
        action(logic, view);
        lastView = view;
        return view.result();
    }
    bool chooseFile(int kind, const std::string& title, std::string& path, std::string& fileTitle) override {
        chooseCalls.push_back({kind, title});
        if (choices.empty()) return false;
        Choice choice = choices.front();
        choices.pop_front();
        if (!choice.confirmed) return false;
        path = choice.path;
        fileTitle = choice.fileTitle;
        return true;
    }
    bool startProcess(const std::string& commandLine) override {
        processes.push_back(commandLine);
        return processStarts;
    }
    void endProgram() override { ++endRequests; }
    PcTime systemTime() override { return utc; }
    PcTime localTime() override { return local; }

    // Called for every command run, e.g. to record the message text it shows.
    std::function<void(int)> onCommand;
    std::vector<int> commandsRun;
    std::vector<int> commandsPosted;
    std::vector<BoxRequest> boxes;
    std::deque<BoxAnswer> boxAnswers;
    std::vector<std::string> dialogsRun;
    std::deque<UserAction> user;
    FakeView lastView;  // the last dialog run with a user, as the user left it
    int dialogResult = 1;
    std::deque<Choice> choices;
    std::vector<ChooseCall> chooseCalls;
    std::vector<std::string> processes;
    bool processStarts = true;
    int endRequests = 0;
    PcTime utc{2026, 12, 0, 6, 20, 15, 3, 0};
    PcTime local{2026, 12, 0, 6, 21, 15, 3, 0};
};

} // namespace wg::test
