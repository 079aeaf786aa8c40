#include "dialogkit/DateFromToday.h"

#include "system/CivilTime.h"
#include "system/Seams.h"

namespace {

CivilDate DateOf(const SYSTEMTIME& time) { return {time.wYear, time.wMonth, time.wDay}; }

CivilDate Today() { return DateOf(LocalNow()); }

}  // namespace

SYSTEMTIME DateFromToday(int days) {
    const CivilDate date = AddDays(Today(), days);
    SYSTEMTIME result{};
    result.wYear = static_cast<WORD>(date.year);
    result.wMonth = static_cast<WORD>(date.month);
    result.wDay = static_cast<WORD>(date.day);
    return result;
}

int DaysFromToday(const SYSTEMTIME& date) { return DaysBetween(Today(), DateOf(date)); }
