#include "dialogkit/DayOffset.h"

#include <chrono>

CivilDate AddDays(const CivilDate& date, int days) {
    using namespace std::chrono;
    const year_month_day start{year{date.year}, month{date.month}, day{date.day}};
    const year_month_day result{sys_days{start} + std::chrono::days{days}};
    return {int(result.year()), unsigned(result.month()), unsigned(result.day())};
}
