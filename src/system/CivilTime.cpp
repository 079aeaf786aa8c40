#include "system/CivilTime.h"

using namespace std::chrono;

namespace {

CivilDate DateOf(year_month_day date) {
    return {int(date.year()), int(unsigned(date.month())), int(unsigned(date.day()))};
}

}  // namespace

sys_days DayNumber(const CivilDate& date) {
    return year{date.year} / month{unsigned(date.month)} / day{unsigned(date.day)};
}

CivilDate AddDays(const CivilDate& date, int count) { return DateOf(DayNumber(date) + days{count}); }

int DaysBetween(const CivilDate& from, const CivilDate& to) { return (DayNumber(to) - DayNumber(from)).count(); }

int DaysInMonth(int yearNumber, int monthNumber) {
    return int(unsigned{year_month_day_last(year{yearNumber} / month(monthNumber) / last).day()});
}

std::optional<sys_days> NormalisedDate(int yearNumber, int monthNumber, int dayNumber) {
    if (yearNumber < 1 || yearNumber > 9999) return std::nullopt;
    const year_month first = year{yearNumber} / January + months{monthNumber - 1};
    return sys_days{first / 1} + days{dayNumber - 1};
}

std::int64_t CivilSeconds(const CivilTime& time) {
    return duration_cast<seconds>(DayNumber(time).time_since_epoch()).count() + time.hour * 3600 + time.minute * 60 +
           time.second;
}

CivilTime ToCivil(std::int64_t count) {
    const sys_seconds instant{seconds{count}};
    const sys_days date = floor<days>(instant);
    const hh_mm_ss clock{instant - date};
    return CivilTime{DateOf(year_month_day{date}), int(clock.hours().count()), int(clock.minutes().count()),
                     int(clock.seconds().count()), int(weekday{date}.c_encoding())};
}
