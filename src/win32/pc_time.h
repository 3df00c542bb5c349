#pragma once
#include "platform/shell.h"

namespace wg {

// The PC clock in UTC and in the PC's local time, for both programs.
PcTime systemPcTime();
PcTime localPcTime();

} // namespace wg
