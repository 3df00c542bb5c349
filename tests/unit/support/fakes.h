#pragma once
#include <deque>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/command_ids.h"
#include "platform/dialog_logic.h"
#include "platform/dialog_view.h"
#include "platform/message_text.h"
#include "platform/shell.h"

namespace wg::test {

using Texts = std::vector<std::string>;

// Time passes only when the code under test lets it pass (or a test says so).
class VirtualClock final : public Clock {
public:
    std::int64_t nowMs() override { return now_; }
    void pauseMs(std::int64_t ms) override { now_ += ms; }
    void advance(std::int64_t ms) { now_ += ms; }

private:
    std::int64_t now_ = 0;
};

// A dialog window as a map of texts; records what the logic did to it and plays the user's part.
class FakeView final : public DialogView {
public:
    std::string fieldText(int id) override {
        return texts[id].substr(0, texts[id].find_first_of("\r\n")).substr(0, 1024);
    }
    bool fieldHasForeignCharacter(int id) override { return foreign.count(id) > 0; }
    void setText(int id, const std::string& text) override { texts[id] = text; }
    void checkRadio(int first, int last, int id) override { for (int i = first; i <= last; ++i) checked[i] = i == id; }
    void enable(int id, bool enabled) override { disabled[id] = !enabled; }
    void setVisible(bool visible) override { visibility.push_back(visible); }
    void repaintNow() override {
        ++repaints;
        if (onRepaint) onRepaint();
    }
    void close(int result) override { closes.push_back(result); }
    bool isChecked(int id) override { return checked[id]; }
    void setListRows(int id, const std::vector<Texts>& rows) override { lists[id] = rows; }
    void selectListRow(int id, int row) override { selected[id] = row; }
    int selectedListRow(int id) override { return selected.count(id) ? selected[id] : -1; }

    // The user types into a field and moves on to the next control.
    void type(DialogLogic& logic, int id, const std::string& text) {
        texts[id] = text;
        logic.fieldLeft(*this, id);
    }
    bool closed() const { return !closes.empty(); }
    int result() const { return closes.empty() ? 0 : closes.back(); }

    std::map<int, std::string> texts;
    std::set<int> foreign;  // fields holding a character beyond code page 1252
    std::map<int, bool> checked, disabled;
    std::map<int, std::vector<Texts>> lists;  // a list view's rows
    std::map<int, int> selected;              // its selected row
    std::vector<int> closes;
    std::vector<bool> visibility;
    int repaints = 0;
    std::function<void()> onRepaint;  // sees what a repaint would show
};

// The main window's services as a recorder with scripted answers. A dialog runs with the next queued user action;
// without one the user closes it at once with the close box, so no scripted run can loop for ever.
class FakeShell final : public Shell {
public:
    using UserAction = std::function<void(DialogLogic&, FakeView&)>;
    struct Choice {
        bool confirmed;
        std::string path, fileTitle;
        bool foreignName = false;  // named beyond code page 1252: refused by the platform's side
    };

    void runCommand(int id) override {
        commandsRun.push_back(id);
        if (id == cmd::kShowMessage && shows) shown.push_back(shows->text());
        if (onCommand) onCommand(id);
    }
    void postCommand(int id) override { commandsPosted.push_back(id); }
    BoxAnswer messageBox(const BoxRequest& request) override {
        boxes.push_back(request);
        return next(boxAnswers, BoxAnswer::No);
    }
    int runDialog(DialogLogic& logic) override {
        dialogsRun.push_back(logic.templateName());
        FakeView view;
        logic.opened(view);
        next(user, UserAction([](DialogLogic& l, FakeView& v) { l.cancelRequested(v); }))(logic, view);
        return view.result();
    }
    FileChoice chooseFile(int kind, const std::string& title, std::string& path, std::string& fileTitle) override {
        chosen.push_back(std::to_string(kind) + " " + title);
        const Choice choice = next(choices, Choice{false, "", ""});
        if (choice.foreignName) return FileChoice::ForeignName;
        if (!choice.confirmed) return FileChoice::Cancelled;
        path = choice.path;
        fileTitle = choice.fileTitle;
        return FileChoice::Chosen;
    }
    bool startProcess(const std::string& commandLine) override {
        processes.push_back(commandLine);
        return processStarts;
    }
    void endProgram() override { ++endRequests; }
    Texts boxTexts() const {  // "caption|text" of each box shown
        Texts texts;
        for (const BoxRequest& box : boxes) texts.push_back(box.caption + "|" + box.text);
        return texts;
    }
    PcTime systemTime() override { return utc; }
    PcTime localTime() override { return local; }

    // The message text whose content every command 50000 records in `shown`.
    const MessageText* shows = nullptr;
    std::function<void(int)> onCommand;
    std::vector<std::string> shown, dialogsRun, chosen, processes;
    std::vector<int> commandsRun, commandsPosted;
    std::vector<BoxRequest> boxes;
    std::deque<BoxAnswer> boxAnswers;
    std::deque<UserAction> user;
    std::deque<Choice> choices;
    bool processStarts = true;
    int endRequests = 0;
    PcTime utc{2026, 12, 0, 6, 20, 15, 3, 0};
    PcTime local{2026, 12, 0, 6, 21, 15, 3, 0};

private:
    template <class T>
    static T next(std::deque<T>& queue, T otherwise) {
        if (queue.empty()) return otherwise;
        const T front = queue.front();
        queue.pop_front();
        return front;
    }
};

} // namespace wg::test
