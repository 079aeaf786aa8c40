#include "alarms/RingRules.h"

#include <gtest/gtest.h>

namespace {

CivilTime At(int year, int month, int day, int hour, int minute, int second) {
    return ToCivil(CivilSeconds(CivilTime{year, month, day, hour, minute, second}));
}

RingItem Item(int mode, int hour, int minute, int year1 = 26, int month = 1, int day = 1, int week = 0) {
    RingItem item;
    item.lngItemState = 1;
    item.lngTimeMode = mode;
    item.lngHour = std::int16_t(hour);
    item.lngMinute = std::int16_t(minute);
    item.lngYear = 20;
    item.lngYear1 = std::int16_t(year1);
    item.lngMonth = std::int16_t(month);
    item.lngwDay = std::int16_t(day);
    item.lngWeek = week;
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
        {"daily at", Item(2, 7, 30), At(2026, 12, 7, 7, 30, 0), true},
        {"daily after", Item(2, 7, 30), At(2026, 12, 7, 7, 30, 1), false},
        {"disabled", disabled, At(2026, 12, 7, 7, 30, 0), false},
        {"midnight", Item(2, 0, 0), At(2026, 12, 7, 0, 0, 0), true},
        {"minute carries into the hour", Item(2, 7, 75), At(2026, 12, 7, 8, 15, 0), true},
        {"hour past midnight", Item(2, 24, 0), At(2026, 12, 7, 0, 0, 0), false},
        {"weekly Sunday on Sunday", Item(3, 9, 0, 0, 0, 0, 0), At(2026, 12, 6, 9, 0, 0), true},
        {"weekly Sunday on Monday", Item(3, 9, 0, 0, 0, 0, 0), At(2026, 12, 7, 9, 0, 0), false},
        {"weekly Saturday", Item(3, 9, 0, 0, 0, 0, 6), At(2026, 12, 12, 9, 0, 0), true},
        {"monthly 31 in March", Item(4, 9, 0, 0, 0, 31), At(2026, 3, 31, 9, 0, 0), true},
        {"monthly 31 at April's end", Item(4, 9, 0, 0, 0, 31), At(2026, 4, 30, 9, 0, 0), false},
        {"monthly 31 not carried into May", Item(4, 9, 0, 0, 0, 31), At(2026, 5, 1, 9, 0, 0), false},
        {"once today", Item(1, 9, 0, 26, 12, 7), At(2026, 12, 7, 9, 0, 0), true},
        {"once in the past", Item(1, 9, 0, 26, 12, 6), At(2026, 12, 7, 9, 0, 0), false},
        {"once a year later", Item(1, 9, 0, 26, 12, 7), At(2027, 12, 7, 9, 0, 0), false},
        {"once on 31 April is 1 May", Item(1, 9, 0, 26, 4, 31), At(2026, 5, 1, 9, 0, 0), true},
        {"once in month 13", Item(1, 9, 0, 26, 13, 1), At(2027, 1, 1, 9, 0, 0), true},
        {"once on 29 February of a common year", Item(1, 9, 0, 27, 2, 29), At(2027, 3, 1, 9, 0, 0), true},
        {"yearly 29 February, leap year", Item(5, 9, 0, 0, 2, 29), At(2028, 2, 29, 9, 0, 0), true},
        {"yearly 29 February, common year end", Item(5, 9, 0, 0, 2, 29), At(2027, 2, 28, 9, 0, 0), false},
        {"yearly 29 February, common year next day", Item(5, 9, 0, 0, 2, 29), At(2027, 3, 1, 9, 0, 0), false},
        {"yearly 25 December", Item(5, 9, 0, 0, 12, 25), At(2031, 12, 25, 9, 0, 0), true},
        {"unknown mode", Item(6, 9, 0), At(2026, 1, 1, 9, 0, 0), false},
        {"mode 0", Item(0, 9, 0), At(2026, 1, 1, 9, 0, 0), false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsRingDue(c.item, c.now), c.due) << c.name;
}

TEST(RingRules, DueItemsInListOrderWithinTheCount) {
    clsSaveRingData list;
    for (int minute : {30, 31, 30, 30}) {
        list.lngSaveItemState(1);
        list.lngSaveRingMode(0, 2, 0);
        list.lngSaveRingTime(0, 7, std::int16_t(minute));
        list.lngSaveRingDate(20, 26, 1, 1);
        list.strSaveRingData("", "", "", "");
    }
    EXPECT_EQ(DueRingItems(list, 4, At(2026, 1, 1, 7, 30, 0)), (std::vector<int>{1, 3, 4}));
    EXPECT_EQ(DueRingItems(list, 3, At(2026, 1, 1, 7, 30, 0)), (std::vector<int>{1, 3}));
    EXPECT_EQ(DueRingItems(list, 99, At(2026, 1, 1, 7, 30, 0)), (std::vector<int>{1, 3, 4}));
    EXPECT_TRUE(DueRingItems(list, 0, At(2026, 1, 1, 7, 30, 0)).empty());
}

}  // namespace
