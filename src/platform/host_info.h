#pragma once
#include <string>

namespace wg {

// The PC's name as the network knows it ("REGATTA-PC"); empty when it
// cannot be told. Records say on which PC they were made.
std::string computerName();

// The build version "<version>+<commit>" the version resource carries.
std::string programVersion();

} // namespace wg
