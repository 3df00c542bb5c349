#include "evaluation/time_arithmetic.h"

#include <cmath>

#include "files/text.h"

namespace wg {

namespace {
constexpr double kSecondsPerDay = 86400.0;
constexpr double kSecondsPerYear = 365 * kSecondsPerDay;
constexpr int kDaysBeforeMonth[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
} // namespace

double monthOffsetSeconds(std::int32_t month) {
    if (month < 1 || month > 12) return 0.0;
    return kDaysBeforeMonth[month - 1] * kSecondsPerDay;
}

double secondCount(std::int32_t hour, std::int32_t minute, std::int32_t second,
                   std::int32_t day, std::int32_t month, std::int32_t year) {
    double count = monthOffsetSeconds(month);
    count += (double(year) - 1.0) * kSecondsPerYear;
    count += (double(day) - 1.0) * kSecondsPerDay;
    count += double(hour) * 3600.0;
    count += double(minute) * 60.0;
    count += double(second);
    return count;
}

double secondCount(const FinishTime& t) {
    return secondCount(t.hour, t.minute, t.second, t.day, t.month, t.year);
}

std::string durationText(double seconds) {
    long double minutes = 0;
    const long double fraction = std::modf(static_cast<long double>(seconds) / 60.0L, &minutes);
    return format("%5.0Lf min %2.0Lf sek", minutes, fraction * 60.0L);
}

void computeWindowBounds(YachtRecord& yacht, const RegattaRecord& regatta) {
    yacht.evaluation.finish = secondCount(yacht.finish);
    const TimeOfRegatta& s = regatta.start;
    yacht.evaluation.regattaStart = secondCount(s.hour, s.minute, 0, s.day, s.month, s.year);
}

} // namespace wg
