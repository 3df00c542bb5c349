#pragma once
#include <string>
#include <vector>

namespace wg {

// What a dialog's logic can do to its window. The Win32 adapter implements
// it over an HWND; tests use a map of texts.
class DialogView {
public:
    virtual ~DialogView() = default;
    // The control's first line, at most 1024 characters.
    virtual std::string fieldText(int id) = 0;
    // True when that line holds a character code page 1252, the program's
    // text, has no byte for.
    virtual bool fieldHasForeignCharacter(int id) = 0;
    virtual void setText(int id, const std::string& text) = 0;
    // Selects `id` among the radio buttons first..last; id 0 clears them all.
    virtual void checkRadio(int first, int last, int id) = 0;
    virtual void enable(int id, bool enabled) = 0;
    virtual void setVisible(bool visible) = 0;
    // Lets the window repaint while a long exchange runs; input stays blocked.
    virtual void repaintNow() = 0;
    // Ends the modal dialog once the current handler returns.
    virtual void close(int result) = 0;

    // A check box's state.
    virtual bool isChecked(int /*id*/) { return false; }
    // A list view of rows and columns (widths in dialog units); one row at
    // most is selected, -1 for none.
    struct ListColumn {
        std::string title;
        int width;
    };
    virtual void setListColumns(int /*id*/, const std::vector<ListColumn>& /*columns*/) {}
    virtual void setListRows(int /*id*/, const std::vector<std::vector<std::string>>& /*rows*/) {}
    virtual void selectListRow(int /*id*/, int /*row*/) {}
    virtual int selectedListRow(int /*id*/) { return -1; }
};

} // namespace wg
