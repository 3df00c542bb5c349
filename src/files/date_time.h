#pragma once
#include <cstdint>

namespace wg {

// Six time components as the regatta data keep them; the year has two digits
// (4 means 2004).
struct TimeOfRegatta {
    std::int32_t minute = 0, hour = 0, second = 0, day = 0, month = 0, year = 0;
};

// The date-time record: scratch values of a typed time or date during its
// range check.
struct DateTimeRecord {
    std::int32_t second = 0, minute = 0, hour = 0, day = 0, month = 0, year = 0;
};

// A finish crossing: hour, minute, second, day, month, two-digit year.
struct FinishTime {
    std::int32_t hour = 0, minute = 0, second = 0, day = 0, month = 0, year = 0;
};

} // namespace wg
