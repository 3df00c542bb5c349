#include "logger/pc_clock.h"

#include "files/text.h"

namespace wg {

void samplePcClock(Shell& shell, int timeZoneSetting, PcTime& sample) {
    if (timeZoneSetting == 0) sample = shell.systemTime();
    else if (timeZoneSetting == 1) sample = shell.localTime();
}

std::string pcClockLine(int timeZoneSetting, const PcTime& t) {
    static const char* const kWeekdays[] = {"So", "Mo", "Di", "Mi", "Do", "Fr", "Sa"};
    std::string base;
    if (timeZoneSetting == 0) base = "PC-Uhr (UTC)";
    else if (timeZoneSetting == 1) base = "PC-Uhr (Lokalzeit)";
    else return format("PC-Uhr: Zeitzone %i ist weder UTC noch Lokalzeit, bitte unter \"Service\" wählen",
                       timeZoneSetting);
    if (t.year == 0) return base + ": --";
    const char* weekday = t.dayOfWeek >= 0 && t.dayOfWeek < 7 ? kWeekdays[t.dayOfWeek] : "--";
    return format("%s: %s. %02d.%02d.%02d %02d:%02d:%02d", base.c_str(), weekday, t.day, t.month,
                  t.year % 100, t.hour, t.minute, t.second);
}

} // namespace wg
