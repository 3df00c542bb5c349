#pragma once
#include <map>
#include <string>
#include <vector>

#include "platform/dialog_view.h"

namespace wg::test {

// A dialog window as a map of control texts; records what the logic did.
class FakeView final : public DialogView {
public:
    struct Radio {
        int first, last, id;
    };

    std::string fieldText(int id) override {
        auto it = texts.find(id);
        return it == texts.end() ? std::string() : it->second.substr(0, 1024);
    }
    void setText(int id, const std::string& text) override { texts[id] = text; }
    void checkRadio(int first, int last, int id) override { radios.push_back({first, last, id}); }
    void enable(int id, bool enabled) override { enabled_[id] = enabled; }
    void setVisible(bool visible) override { visibleChanges.push_back(visible); }
    void repaintNow() override { ++repaints; }
    void close(int result) override { closes.push_back(result); }

    bool isEnabled(int id) const {
        auto it = enabled_.find(id);
        return it == enabled_.end() || it->second;
    }
    bool closed() const { return !closes.empty(); }

    std::map<int, std::string> texts;
    std::vector<Radio> radios;
    std::vector<bool> visibleChanges;
    std::vector<int> closes;
    int repaints = 0;

private:
    std::map<int, bool> enabled_;
};

} // namespace wg::test
