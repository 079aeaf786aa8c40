#include "alarms/RingRules.h"

#include <gtest/gtest.h>

namespace {

CivilTime At(int year, int month, int day, int hour, int minute, int second = 0) {
    return ToCivil(CivilSeconds(CivilTime{year, month, day, hour, minute, second}));
}

RingItem Item(int mode, int hour, int minute, int year1 = 26, int month = 1, int day = 1, int week = 0) {
    RingItem item;
    item.lngItemState = 1;
    item.lngTimeMode = mode;
    item.lngWeek = week;
    item.lngHour = std::int16_t(hour);
    item.lngMinute = std::int16_t(minute);
    item.lngYear = 20;
    item.lngYear1 = std::int16_t(year1);
    item.lngMonth = std::int16_t(month);
    item.lngwDay = std::int16_t(day);
    return item;
}

TEST(RingRules, DueOnlyInItsSecondAndOnMatchingDays) {
    RingItem disabled = Item(2, 7, 30);
    disabled.lngItemState = 0;
    const struct {
        const char* name;
        RingItem item;
        CivilTime now;
        bool due;
    } cases[] = {
        {"daily before", Item(2, 7, 30), At(2026, 12, 7, 7, 29, 59), false},
        {"daily at", Item(2, 7, 30), At(2026, 12, 7, 7, 30), true},
        {"daily after", Item(2, 7, 30), At(2026, 12, 7, 7, 30, 1), false},
        {"disabled", disabled, At(2026, 12, 7, 7, 30), false},
        {"minute carries into the hour", Item(2, 7, 75), At(2026, 12, 7, 8, 15), true},
        {"weekly Sunday on Sunday", Item(3, 9, 0, 0, 0, 0, 0), At(2026, 12, 6, 9, 0), true},
        {"weekly Sunday on Monday", Item(3, 9, 0, 0, 0, 0, 0), At(2026, 12, 7, 9, 0), false},
        {"monthly 31 at April's end", Item(4, 9, 0, 0, 0, 31), At(2026, 4, 30, 9, 0), false},
        {"monthly 31 not carried into May", Item(4, 9, 0, 0, 0, 31), At(2026, 5, 1, 9, 0), false},
        {"once today", Item(1, 9, 0, 26, 12, 7), At(2026, 12, 7, 9, 0), true},
        {"once in the past", Item(1, 9, 0, 26, 12, 6), At(2026, 12, 7, 9, 0), false},
        {"once on 31 April is 1 May", Item(1, 9, 0, 26, 4, 31), At(2026, 5, 1, 9, 0), true},
        {"yearly 29 February, leap year", Item(5, 9, 0, 0, 2, 29), At(2028, 2, 29, 9, 0), true},
        {"yearly 29 February, common year", Item(5, 9, 0, 0, 2, 29), At(2027, 3, 1, 9, 0), false},
        {"unknown mode", Item(6, 9, 0), At(2026, 1, 1, 9, 0), false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsRingDue(c.item, c.now), c.due) << c.name;
}

}  // namespace
