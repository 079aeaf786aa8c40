#include "dialogkit/DayOffset.h"

#include <chrono>

namespace {

std::chrono::sys_days Days(const CivilDate& date) {
    using namespace std::chrono;
    return sys_days{year_month_day{year{date.year}, month{date.month}, day{date.day}}};
}

}  // namespace

CivilDate AddDays(const CivilDate& date, int days) {
    const std::chrono::year_month_day result{Days(date) + std::chrono::days{days}};
    return {int(result.year()), unsigned(result.month()), unsigned(result.day())};
}

int DaysBetween(const CivilDate& from, const CivilDate& to) { return (Days(to) - Days(from)).count(); }
