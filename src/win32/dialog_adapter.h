#pragma once
#include <windows.h>

#include "platform/dialog_logic.h"
#include "platform/shell.h"

namespace wg {

// Runs any dialog logic as a modal dialog from its resource template. The one
// dialog procedure of the program forwards the window's events to the logic;
// a field's text goes through the shell's refusal of what the program's
// texts cannot carry first.
int runModalDialog(HINSTANCE instance, HWND owner, DialogLogic& logic, Shell& shell);

// The window a new dialog or message box of the main window goes on top of:
// the innermost open dialog, else the main window. A dialog that asks for a
// message thus stays blocked until the message is answered.
HWND currentOwner(HWND mainWindow);

} // namespace wg
