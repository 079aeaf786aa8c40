#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>

#include "dialogkit/DayOffset.h"
#include "dialogs/DistanceText.h"

namespace {

std::string Text(const CivilDate& date) {
    return std::to_string(date.year) + "-" + std::to_string(date.month) + "-" + std::to_string(date.day);
}

// Both directions over month, year, leap-year and century ends and the spin's two limits; then what the
// distance box reads as a number.
TEST(DayDistance, CountsWholeDaysBothWaysAndReadsOnlyDigitsWithAMinus) {
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
    const std::pair<const char*, std::optional<int>> texts[] = {
        {"", {}},   {"-", {}},   {"12a", {}}, {"--7", {}},        {" 7", {}},        {"99999999999", {}},
        {"-7", -7}, {"030", 30}, {"0", 0},    {"999999", 999999}, {"-37390", -37390}};
    for (const auto& [text, days] : texts) EXPECT_EQ(DistanceFromText(text), days) << '"' << text << '"';
}

}  // namespace
