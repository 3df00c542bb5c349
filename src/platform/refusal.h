#pragma once
#include <string>

namespace wg {

class DialogView;
class MessageText;
class Shell;

// A dialog that refuses a typed value closes and hides itself, shows `text`
// in the message dialog at once and only then posts `reopenCommand`, which
// opens it again once it has closed.
//
// The message must not be posted too. A modal dialog stays hidden until its
// message loop first finds the queue empty; a message dialog posted ahead of
// the reopening command finds that command waiting, runs the reopened dialog
// inside its own loop and stays hidden until the user has closed that one:
// the dialog comes back without a reason, and the reason follows too late.
void refuseAndReopen(DialogView& view, Shell& shell, MessageText& message, const std::string& text,
                     int reopenCommand);

} // namespace wg
