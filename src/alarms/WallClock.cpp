#include "alarms/WallClock.h"

#include "system/CivilTime.h"
#include "system/Seams.h"

namespace {

CivilTime CivilOf(const SYSTEMTIME& time) {
    return {time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute, time.wSecond, time.wDayOfWeek};
}

std::int64_t ToSeconds(const SYSTEMTIME& time) { return CivilSeconds(CivilOf(time)); }

SYSTEMTIME ToSystemTime(std::int64_t seconds) {
    const CivilTime civil = ToCivil(seconds);
    return SYSTEMTIME{WORD(civil.year), WORD(civil.month),  WORD(civil.weekday), WORD(civil.day),
                      WORD(civil.hour), WORD(civil.minute), WORD(civil.second),  0};
}

}  // namespace

std::int64_t UtcNowSeconds() {
    SYSTEMTIME utc;
    seams.GetSystemTime(&utc);
    return ToSeconds(utc);
}

CivilTime CivilNow() { return CivilOf(LocalNow()); }

std::int64_t WallSecondsAt(std::int64_t utcSeconds) {
    const SYSTEMTIME utc = ToSystemTime(utcSeconds);
    SYSTEMTIME local;
    return seams.UtcToLocal(&utc, &local) ? ToSeconds(local) : utcSeconds;
}
