#pragma once

namespace wg {

class DialogView;

// The behaviour of one dialog, knowing no toolkit. One generic Win32
// dialog procedure forwards the window's events here.
class DialogLogic {
public:
    virtual ~DialogLogic() = default;
    // Name of the dialog template in the resources, e.g. "IDD_UhrKonfig".
    virtual const char* templateName() const = 0;
    virtual void opened(DialogView& view) = 0;
    // An edit control lost the input focus.
    virtual void fieldLeft(DialogView&, int /*id*/) {}
    virtual void clicked(DialogView&, int /*id*/) {}
    // The user selected another row of a list view.
    virtual void selectionChanged(DialogView&, int /*id*/) {}
    // Close box or Escape. Dialogs that cannot be cancelled ignore it.
    virtual void cancelRequested(DialogView&) {}
};

} // namespace wg
