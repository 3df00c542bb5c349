#pragma once
#include <string>

#include "platform/shell.h"

namespace wg {

// Opens a yacht regatta data file in the system text editor, or says why not.
void viewEventFile(Shell& shell, const std::string& path);

} // namespace wg
