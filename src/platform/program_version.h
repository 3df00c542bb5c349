#pragma once
#include <string>

namespace wg {

// The build version "<version>+<commit>" the version resource carries, for
// records that say which program made them.
std::string programVersion();

} // namespace wg
