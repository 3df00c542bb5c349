#pragma once
#include <map>
#include <string>
#include <vector>

#include "platform/dialog_logic.h"
#include "platform/dialog_view.h"

namespace wg::test {

// A dialog window as a map of texts; records what the logic did to it and
// plays the user's part.
class FakeView final : public DialogView {
public:
    std::string fieldText(int id) override {
        return texts[id].substr(0, texts[id].find_first_of("\r\n")).substr(0, 1024);
    }
    void setText(int id, const std::string& text) override { texts[id] = text; }
    void checkRadio(int first, int last, int id) override {
        for (int i = first; i <= last; ++i) checked[i] = i == id;
    }
    void enable(int id, bool enabled) override { disabled[id] = !enabled; }
    void setVisible(bool visible) override { visibility.push_back(visible); }
    void repaintNow() override { ++repaints; }
    void close(int result) override { closes.push_back(result); }

    // The user types into a field and moves on to the next control.
    void type(DialogLogic& logic, int id, const std::string& text) {
        texts[id] = text;
        logic.fieldLeft(*this, id);
    }
    bool closed() const { return !closes.empty(); }
    int result() const { return closes.empty() ? 0 : closes.back(); }

    std::map<int, std::string> texts;
    std::map<int, bool> checked, disabled;
    std::vector<int> closes;
    std::vector<bool> visibility;
    int repaints = 0;
};

} // namespace wg::test
