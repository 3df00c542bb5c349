#pragma once
#include <cstdint>
#include <string>

#include "files/date_time.h"
#include "files/regatta_record.h"
#include "files/yacht_record.h"

namespace wg {

// Seconds from 1 January to the first of `month` in a year of 365 days.
// A month outside 1 to 12, which only a damaged file can carry, gives 0.
double monthOffsetSeconds(std::int32_t month);

// Seconds since 1 January of year 01, 00:00:00, counting every year as 365
// days and every February as 28. Computed in double precision throughout, so
// any components, absurd ones included, give a defined count.
double secondCount(std::int32_t hour, std::int32_t minute, std::int32_t second,
                   std::int32_t day, std::int32_t month, std::int32_t year);
double secondCount(const FinishTime& time);

// "%5.0Lf min %2.0Lf sek": whole minutes and the seconds left over, both
// carrying the sign of the duration.
std::string durationText(double seconds);

// Stores the evaluation window in the yacht record: the finish from its
// finish time and the regatta start (second 0) from the regatta record.
void computeWindowBounds(YachtRecord& yacht, const RegattaRecord& regatta);

} // namespace wg
