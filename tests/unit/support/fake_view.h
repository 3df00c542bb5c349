#pragma once
#include <map>
#include <string>

#include "platform/dialog_view.h"

namespace wg::test {

// A dialog window as a map of texts.
class FakeView final : public DialogView {
public:
    std::map<int, std::string> texts;
    std::map<int, bool> enabled;
    int checked = 0;
    bool visible = true;
    bool closed = false;
    int result = 0;

    std::string fieldText(int id) override {
        std::string text = texts[id];
        const auto lineEnd = text.find_first_of("\r\n");
        if (lineEnd != std::string::npos) text.resize(lineEnd);
        return text.substr(0, 1024);
    }
    void setText(int id, const std::string& text) override { texts[id] = text; }
    void checkRadio(int, int, int id) override { checked = id; }
    void enable(int id, bool on) override { enabled[id] = on; }
    void setVisible(bool on) override { visible = on; }
    void repaintNow() override {}
    void close(int r) override {
        closed = true;
        result = r;
    }
};

} // namespace wg::test
