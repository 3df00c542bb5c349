#pragma once
#include <windows.h>

#include "app/app_state.h"

namespace wg {

// Creates the main window and runs the message loop; returns the exit code.
int runMainWindow(HINSTANCE instance, int showState, AppState& state);

} // namespace wg
