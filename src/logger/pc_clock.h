#pragma once
#include <string>

#include "platform/shell.h"

namespace wg {

// Takes a PC time sample as the time-zone setting says: 0 the system time
// (UTC), 1 local time; any other setting keeps the previous sample.
void samplePcClock(Shell& shell, int timeZoneSetting, PcTime& sample);

// The line the main window shows, so officials see the time base the logger
// clocks are set from: "PC-Uhr (UTC): Mo. 07.12.26 09:05:03".
std::string pcClockLine(int timeZoneSetting, const PcTime& sample);

} // namespace wg
