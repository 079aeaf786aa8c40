#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>

#include "system/CivilTime.h"

namespace {

std::string Text(const CivilDate& date) {
    return std::to_string(date.year) + "-" + std::to_string(date.month) + "-" + std::to_string(date.day);
}

// Both directions over month, year, leap-year and century ends and the calendar spin's two limits.
TEST(CivilDate, CountsWholeDaysBothWays) {
    const struct {
        CivilDate from;
        int days;
        CivilDate to;
    } cases[] = {{{2026, 12, 31}, 1, {2027, 1, 1}},      {{2027, 2, 28}, 1, {2027, 3, 1}},
                 {{2028, 2, 28}, 1, {2028, 2, 29}},      {{2028, 3, 1}, -1, {2028, 2, 29}},
                 {{2100, 2, 28}, 1, {2100, 3, 1}},       {{2027, 1, 3}, -7, {2026, 12, 27}},
                 {{2026, 12, 7}, -37390, {1924, 7, 25}}, {{2026, 12, 7}, 999999, {4764, 11, 2}}};
    for (const auto& c : cases) {
        EXPECT_EQ(Text(AddDays(c.from, c.days)), Text(c.to)) << Text(c.from) << " + " << c.days;
        EXPECT_EQ(DaysBetween(c.from, c.to), c.days) << Text(c.from) << " to " << Text(c.to);
    }
}

// An alarm's stored date carries like the calendar (day 31 of April is 1 May); the editor offers the days of the
// month by the century leap rule.
TEST(CivilDate, DatesCarryOverMonthAndYearEndsAndMonthsKeepTheirLeapDays) {
    const std::pair<CivilDate, CivilDate> carries[] = {{{2026, 4, 31}, {2026, 5, 1}}, {{2026, 13, 1}, {2027, 1, 1}},
                                                       {{2026, 3, 0}, {2026, 2, 28}}, {{2028, 2, 30}, {2028, 3, 1}},
                                                       {{0, 1, 1}, {0, 0, 0}},        {{10000, 1, 1}, {0, 0, 0}}};
    for (const auto& [from, to] : carries) {
        const auto date = to.year ? std::optional(DayNumber(to)) : std::nullopt;  // year 0: none
        EXPECT_EQ(NormalisedDate(from.year, from.month, from.day), date) << Text(from);
    }
    const std::pair<CivilDate, int> months[] = {
        {{2100, 2}, 28}, {{2000, 2}, 29}, {{2028, 2}, 29}, {{2026, 4}, 30}, {{2026, 12}, 31}};
    for (const auto& [month, days] : months) EXPECT_EQ(DaysInMonth(month.year, month.month), days) << Text(month);
}

}  // namespace
