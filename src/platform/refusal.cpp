#include "platform/refusal.h"

#include "platform/command_ids.h"
#include "platform/dialog_view.h"
#include "platform/message_text.h"
#include "platform/shell.h"

namespace wg {

void refuseAndReopen(DialogView& view, Shell& shell, MessageText& message, const std::string& text,
                     int reopenCommand) {
    view.close(button::kCancel);
    view.setVisible(false);
    message.set(text);
    shell.runCommand(cmd::kShowMessage);
    message.clear();
    shell.postCommand(reopenCommand);
}

} // namespace wg
