#pragma once
#include <map>
#include <string>

#include "platform/dialog_logic.h"
#include "platform/dialog_view.h"

namespace wg::test {

// A dialog window as a map of texts; also plays the user's part.
class FakeView final : public DialogView {
public:
    std::map<int, std::string> texts;
    std::map<int, bool> checked;
    std::map<int, bool> enabled;
    bool visible = true;
    bool closed = false;
    int result = 0;
    int repaints = 0;

    std::string fieldText(int id) override {
        std::string text = texts[id];
        std::size_t end = text.find_first_of("\r\n");
        if (end != std::string::npos) text.resize(end);
        return text.substr(0, 1024);
    }
    void setText(int id, const std::string& text) override { texts[id] = text; }
    void checkRadio(int first, int last, int id) override {
        for (int i = first; i <= last; ++i) checked[i] = (i == id);
    }
    void enable(int id, bool on) override { enabled[id] = on; }
    void setVisible(bool on) override { visible = on; }
    void repaintNow() override { ++repaints; }
    void close(int code) override {
        closed = true;
        result = code;
    }

    // The user types into a field and moves on.
    void type(DialogLogic& logic, int id, const std::string& text) {
        texts[id] = text;
        logic.fieldLeft(*this, id);
    }
    bool isChecked(int id) const {
        auto it = checked.find(id);
        return it != checked.end() && it->second;
    }
};

} // namespace wg::test
