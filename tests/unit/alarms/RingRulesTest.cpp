#include "ScheduleCases.h"
#include "alarms/RingRules.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

TEST(RingRules, DueOnlyInItsSecondAndOnMatchingDays) {
    const std::tuple<const char*, RingItem, std::int64_t, bool> cases[] = {
        {"daily at", Item(2, 7, 30), Utc(2026, 12, 7, 7, 30), true},
        {"daily after", Item(2, 7, 30), Utc(2026, 12, 7, 7, 30, 1), false},
        {"weekly Sunday on Monday", Item(3, 9, 0), Utc(2026, 12, 7, 9, 0), false},
        {"weekly Monday on Monday", Item(3, 9, 0, 1, 1, 1), Utc(2026, 12, 7, 9, 0), true},
        {"monthly 31 at April's end", Item(4, 9, 0, 0, 31), Utc(2026, 4, 30, 9, 0), false},
        {"monthly 6 on the 7th", Item(4, 9, 0, 0, 6), Utc(2026, 12, 7, 9, 0), false},
        {"once in the past", Item(1, 9, 0, 12, 6), Utc(2026, 12, 7, 9, 0), false},
        {"yearly 29 February, leap year", Item(5, 9, 0, 2, 29), Utc(2028, 2, 29, 9, 0), true},
        {"yearly 29 February, common year", Item(5, 9, 0, 2, 29), Utc(2027, 3, 1, 9, 0), false},
        {"yearly 11 February on 11 March", Item(5, 9, 0, 2, 11), Utc(2026, 3, 11, 9, 0), false},
    };
    for (const auto& [name, item, now, due] : cases) EXPECT_EQ(IsRingDue(item, ToCivil(now)), due) << name;
}

}  // namespace
