#pragma once
#include <windows.h>

namespace wg {

// The DPI the program's windows are drawn at. The manifest makes the program
// aware of it: per monitor (v2) where Windows 10 offers that, else the
// system's DPI, which is what these give on older systems.
int systemDpi();
int windowDpi(HWND window);

} // namespace wg
