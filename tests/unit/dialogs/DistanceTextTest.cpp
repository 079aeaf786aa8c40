#include "dialogs/DistanceText.h"

#include <gtest/gtest.h>

#include <optional>
#include <utility>

namespace {

// What the calendar's distance box reads as a number: digits with an optional minus, within the spin's limits.
TEST(DistanceText, ReadsOnlyDigitsWithAMinus) {
    const std::pair<const char*, std::optional<int>> texts[] = {
        {"", {}},   {"-", {}},   {"12a", {}}, {"--7", {}},        {" 7", {}},        {"99999999999", {}},
        {"-7", -7}, {"030", 30}, {"0", 0},    {"999999", 999999}, {"-37390", -37390}};
    for (const auto& [text, days] : texts) EXPECT_EQ(DistanceFromText(text), days) << '"' << text << '"';
}

}  // namespace
