#pragma once
#include <functional>
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
    struct Radio {
        int first, last, id;
    };

    std::string fieldText(int id) override {
        std::string text = texts[id];
        std::size_t lineEnd = text.find_first_of("\r\n");
        if (lineEnd != std::string::npos) text.resize(lineEnd);
        return text.size() > 1024 ? text.substr(0, 1024) : text;
    }
    void setText(int id, const std::string& text) override { texts[id] = text; }
    void checkRadio(int first, int last, int id) override {
        radios.push_back({first, last, id});
        for (int i = first; i <= last; ++i) checked_[i] = (i == id);
    }
    void enable(int id, bool enabled) override { enabled_[id] = enabled; }
    void setVisible(bool visible) override {
        visible_ = visible;
        visibility.push_back(visible);
    }
    void repaintNow() override {
        ++repaints;
        if (onRepaint) onRepaint();
    }
    void close(int result) override { closes.push_back(result); }

    // The user types into a field and moves on to the next control.
    void type(DialogLogic& logic, int id, const std::string& text) {
        texts[id] = text;
        logic.fieldLeft(*this, id);
    }

    bool closed() const { return !closes.empty(); }
    int result() const { return closes.empty() ? 0 : closes.back(); }
    bool isChecked(int id) const {
        auto it = checked_.find(id);
        return it != checked_.end() && it->second;
    }
    bool isEnabled(int id) const {
        auto it = enabled_.find(id);
        return it == enabled_.end() || it->second;
    }
    bool isVisible() const { return visible_; }

    std::map<int, std::string> texts;
    std::vector<Radio> radios;
    std::vector<int> closes;
    std::vector<bool> visibility;
    int repaints = 0;
    std::function<void()> onRepaint;  // sees what a repaint would show

private:
    std::map<int, bool> checked_;
    std::map<int, bool> enabled_;
    bool visible_ = true;
};

} // namespace wg::test
