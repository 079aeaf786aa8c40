#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "dialogkit/DayOffset.h"
#include "dialogs/DistanceText.h"

namespace {

std::string Text(const CivilDate& date) {
    return std::to_string(date.year) + "-" + std::to_string(date.month) + "-" + std::to_string(date.day);
}

// Both directions over month, year, leap-year and century ends and the spin's two limits.
TEST(DayDistance, CountsWholeDaysBothWaysAcrossCalendarEnds) {
    const struct {
        CivilDate from;
        int days;
        CivilDate to;
    } cases[] = {
        {{2026, 12, 31}, 1, {2027, 1, 1}},      {{2027, 2, 28}, 1, {2027, 3, 1}},
        {{2028, 2, 28}, 1, {2028, 2, 29}},      {{2028, 3, 1}, -1, {2028, 2, 29}},
        {{2100, 2, 28}, 1, {2100, 3, 1}},       {{2000, 2, 28}, 1, {2000, 2, 29}},
        {{2026, 4, 30}, 30, {2026, 5, 30}},     {{2027, 1, 3}, -7, {2026, 12, 27}},
        {{2026, 12, 7}, -37390, {1924, 7, 25}}, {{2026, 12, 7}, 999999, {4764, 11, 2}},
        {{2026, 12, 7}, 0, {2026, 12, 7}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Text(AddDays(c.from, c.days)), Text(c.to)) << Text(c.from) << " + " << c.days;
        EXPECT_EQ(DaysBetween(c.from, c.to), c.days) << Text(c.from) << " to " << Text(c.to);
    }
}

TEST(DayDistance, TextIsANumberOnlyWhenItIsDigitsWithAnOptionalMinus) {
    const struct {
        const char* text;
        std::optional<int> days;
    } cases[] = {
        {"", std::nullopt},
        {"-", std::nullopt},
        {"12a", std::nullopt},
        {"a12", std::nullopt},
        {"--7", std::nullopt},
        {"+7", std::nullopt},
        {" 7", std::nullopt},
        {"1-2", std::nullopt},
        {"-7", -7},
        {"030", 30},
        {"0", 0},
        {"999999", 999999},
        {"-37390", -37390},
        {"99999999999", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(DistanceFromText(c.text), c.days) << '"' << c.text << '"';
}

}  // namespace
