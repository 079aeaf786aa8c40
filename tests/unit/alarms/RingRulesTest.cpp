#include "ScheduleCases.h"
#include "alarms/NextRing.h"
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

// When items fall due next, and how the tooltip names it: the weekday within a week, the date beyond.
TEST(NextRing, DueInstantsThroughABerlinYearAndInIndiaAndTheirTooltipLine) {
    const std::tuple<const char*, RingItem, std::int64_t, std::optional<std::int64_t>> cases[] = {
        {"daily, in its own second: tomorrow", Item(2, 7, 0), Utc(2026, 12, 7, 6, 0), Utc(2026, 12, 8, 6, 0)},
        {"daily, in the skipped hour: the gap's end", Item(2, 2, 30), Utc(2026, 3, 28, 12, 0), kSpring},
        {"daily, in the repeated hour: its first pass", Item(2, 2, 30), kAutumn - 3600, kAutumn - 1800},
        {"daily, in the second pass: tomorrow", Item(2, 2, 30), kAutumn + 900, kAutumn + 86400 + 1800},
        {"weekly Sunday, from a Monday", Item(3, 9, 0), Utc(2026, 12, 7, 12, 0), Utc(2026, 12, 13, 8, 0)},
        {"monthly 31, April has none", Item(4, 9, 0, 1, 31), Utc(2026, 4, 1, 0, 0), Utc(2026, 5, 31, 7, 0)},
        {"yearly 29 February, next leap year", Item(5, 9, 0, 2, 29), Utc(2026, 3, 1, 0, 0), Utc(2028, 2, 29, 8, 0)},
        {"once on 31 April is 1 May", Item(1, 9, 0, 4, 31), Utc(2026, 4, 1, 0, 0), Utc(2026, 5, 1, 7, 0)},
        {"once, passed", Item(1, 2, 15, 3, 29), kSpring, std::nullopt},
        {"weekly, weekday 7", Item(3, 9, 0, 1, 1, 7), Utc(2026, 12, 7, 12, 0), std::nullopt},
        {"disabled", Item(2, 7, 0, 1, 1, 0, 0), Utc(2026, 1, 1, 0, 0), std::nullopt},
    };
    for (const auto& [name, item, from, due] : cases) EXPECT_EQ(NextRingUtc(item, from, Berlin), due) << name;
    const auto india = [](std::int64_t utc) { return utc + 19800; };  // UTC+5:30, all year
    EXPECT_EQ(NextRingUtc(Item(3, 5, 0, 1, 1, 1), Utc(2026, 12, 6, 12, 0), india), Utc(2026, 12, 6, 23, 30));
    const RingItem getUp{1, RingAction::Sound, RingRepeat::Daily, 0, 9, 5, 20, 26, 1, 1, 0, "Get up"};
    const std::int64_t monday = Utc(2026, 12, 7, 7, 0);
    EXPECT_EQ(NextRingText(getUp, monday + 6 * 86400 + 7500, monday), "Next: Sun 9:05  Get up");
    EXPECT_EQ(NextRingText(getUp, monday + 7 * 86400 + 7500, monday), "Next: 12/14/2026 9:05  Get up");
}

}  // namespace
