#include "win32/pc_time.h"

#include <windows.h>

namespace wg {

static PcTime fromSystemTime(const SYSTEMTIME& t) {
    PcTime pc;
    pc.year = t.wYear;
    pc.month = t.wMonth;
    pc.dayOfWeek = t.wDayOfWeek;
    pc.day = t.wDay;
    pc.hour = t.wHour;
    pc.minute = t.wMinute;
    pc.second = t.wSecond;
    pc.millisecond = t.wMilliseconds;
    return pc;
}

PcTime systemPcTime() {
    SYSTEMTIME t;
    GetSystemTime(&t);
    return fromSystemTime(t);
}

PcTime localPcTime() {
    SYSTEMTIME t;
    GetLocalTime(&t);
    return fromSystemTime(t);
}

} // namespace wg
