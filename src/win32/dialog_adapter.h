#pragma once
#include <windows.h>

#include "platform/dialog_logic.h"

namespace wg {

// Runs any dialog logic as a modal dialog from its resource template. The one
// dialog procedure of the program forwards the window's events to the logic.
int runModalDialog(HINSTANCE instance, HWND owner, DialogLogic& logic);

} // namespace wg
