#pragma once
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/shell.h"
#include "support/fake_view.h"

namespace wg::test {

// The main window's services, recorded; dialogs run a scripted user.
class FakeShell final : public Shell {
public:
    using UserAction = std::function<void(DialogLogic&, FakeView&)>;

    std::vector<int> ran;        // commands run at once
    std::vector<int> posted;     // commands run after the dialog closed
    std::vector<BoxRequest> boxes;
    std::deque<BoxAnswer> answers;  // default Ok / Yes
    std::vector<std::string> dialogs;
    std::deque<UserAction> user;    // one action per dialog opened
    std::function<void(int)> onCommand;  // lets a test carry out commands
    std::vector<std::string> started;
    bool processStarts = true;
    bool ended = false;
    PcTime utc{2026, 12, 0, 6, 20, 15, 3, 0};
    PcTime local{2026, 12, 0, 6, 21, 15, 3, 0};
    // Scripted open-file dialog: confirmed, path, file title.
    struct Choice { bool confirmed; std::string path; std::string title; };
    std::deque<Choice> choices;
    std::vector<std::pair<int, std::string>> fileDialogs;

    void runCommand(int id) override {
        ran.push_back(id);
        if (onCommand) onCommand(id);
    }
    void postCommand(int id) override { posted.push_back(id); }
    BoxAnswer messageBox(const BoxRequest& request) override {
        boxes.push_back(request);
        if (answers.empty()) return request.buttons == BoxButtons::YesNo ? BoxAnswer::Yes : BoxAnswer::Ok;
        BoxAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    int runDialog(DialogLogic& logic) override {
        dialogs.push_back(logic.templateName());
        FakeView view;
        lastView = view;
        logic.opened(view);
        if (!user.empty()) {
            UserAction action = user.front();
            user.pop_front();
            action(logic, view);
        }
        lastView = view;
        return view.result;
    }
    bool chooseFile(int kind, const std::string& title, std::string& path, std::string& fileTitle) override {
        fileDialogs.emplace_back(kind, title);
        if (choices.empty()) return false;
        Choice choice = choices.front();
        choices.pop_front();
        if (!choice.confirmed) return false;
        path = choice.path;
        fileTitle = choice.title;
        return true;
    }
    bool startProcess(const std::string& commandLine) override {
        started.push_back(commandLine);
        return processStarts;
    }
    void endProgram() override { ended = true; }
    PcTime systemTime() override { return utc; }
    PcTime localTime() override { return local; }

    FakeView lastView;  // the last dialog as the user left it
};

} // namespace wg::test
