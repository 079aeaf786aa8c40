#include <gtest/gtest.h>

#include <optional>
#include <utility>

#include "dialogkit/DayOffset.h"
#include "dialogs/DistanceText.h"

namespace {

// The calendar dialog's test walks year ends, a leap day and the spin's limits; here the century rule, and what the
// distance box reads as a number while the user types.
TEST(DayDistance, CountsWholeDaysAcrossCenturiesAndReadsOnlyDigitsWithAMinus) {
    EXPECT_EQ(DaysBetween({2100, 2, 28}, {2100, 3, 1}), 1);
    EXPECT_EQ(DaysBetween({2100, 3, 1}, {2000, 3, 1}), -36524);
    const std::pair<const char*, std::optional<int>> texts[] = {
        {"", {}}, {"-", {}}, {"--7", {}}, {" 7", {}}, {"99999999999", {}}, {"-7", -7}, {"030", 30}};
    for (const auto& [text, days] : texts) EXPECT_EQ(DistanceFromText(text), days) << '"' << text << '"';
}

}  // namespace
