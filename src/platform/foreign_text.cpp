#include "platform/foreign_text.h"

#include "platform/dialog_logic.h"
#include "platform/dialog_view.h"
#include "platform/shell.h"

namespace wg {

namespace {
void warn(Shell& shell, const char* caption, const char* text) {
    BoxRequest box;
    box.caption = caption;
    box.text = text;
    box.icon = BoxIcon::Warning;
    shell.messageBox(box);
}
} // namespace

std::string foreignArgumentText(const std::string& shown) {
    return "Ein Argument enthält Zeichen, die das Programm nicht verarbeiten kann "
           "(möglich ist der Zeichensatz Windows-1252): " + shown;
}

bool leaveField(DialogLogic& logic, DialogView& view, Shell& shell, int id) {
    if (!view.fieldHasForeignCharacter(id)) {
        logic.fieldLeft(view, id);
        return true;
    }
    view.setText(id, "");
    warn(shell, kForeignEntryCaption, kForeignEntryText);
    return false;
}

void refuseForeignFileName(Shell& shell) { warn(shell, kForeignFileCaption, kForeignFileText); }

} // namespace wg
