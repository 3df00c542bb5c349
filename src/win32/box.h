#pragma once
#include <windows.h>

#include "platform/shell.h"

namespace wg {

// Shows a message box as the program asks for it; owner may be null.
BoxAnswer showBox(HWND owner, const BoxRequest& request);

} // namespace wg
