#include "dialogkit/DateFromToday.h"

#include "system/Seams.h"
#include "dialogkit/DayOffset.h"

SYSTEMTIME DateFromToday(int days) {
    SYSTEMTIME today;
    seams.GetLocalTime(&today);
    const CivilDate date = AddDays({today.wYear, today.wMonth, today.wDay}, days);
    SYSTEMTIME result{};
    result.wYear = static_cast<WORD>(date.year);
    result.wMonth = static_cast<WORD>(date.month);
    result.wDay = static_cast<WORD>(date.day);
    return result;
}
