#include "alarms/CivilTime.h"

#include <chrono>

using namespace std::chrono;

std::int64_t CivilSeconds(const CivilTime& time) {
    const sys_days date = year{time.year} / month{unsigned(time.month)} / day{unsigned(time.day)};
    return duration_cast<seconds>(date.time_since_epoch()).count() + time.hour * 3600 + time.minute * 60 + time.second;
}

CivilTime ToCivil(std::int64_t count) {
    const sys_seconds instant{seconds{count}};
    const sys_days date = floor<days>(instant);
    const year_month_day ymd{date};
    const hh_mm_ss clock{instant - date};
    return CivilTime{int(ymd.year()),
                     int(unsigned(ymd.month())),
                     int(unsigned(ymd.day())),
                     int(clock.hours().count()),
                     int(clock.minutes().count()),
                     int(clock.seconds().count()),
                     int(weekday{date}.c_encoding())};
}
