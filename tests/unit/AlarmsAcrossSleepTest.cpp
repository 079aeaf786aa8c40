#include "alarms/NextRing.h"
#include "alarms/RingRules.h"
#include "alarms/RingWatch.h"

#include <gtest/gtest.h>

namespace {

std::int64_t Utc(int year, int month, int day, int hour, int minute) {
    return CivilSeconds(CivilTime{year, month, day, hour, minute});
}

// Berlin in 2026: UTC+2 from 01:00 UTC on 29 March (02:00 becomes 03:00) to 01:00 UTC on 25 October
// (03:00 becomes 02:00 again), else UTC+1.
const std::int64_t kSpring = Utc(2026, 3, 29, 1, 0);
const std::int64_t kAutumn = Utc(2026, 10, 25, 1, 0);
std::int64_t Berlin(std::int64_t utc) { return utc + (utc >= kSpring && utc < kAutumn ? 7200 : 3600); }
// India keeps UTC+5:30 all year.
std::int64_t India(std::int64_t utc) { return utc + 19800; }

RingItem Item(std::int32_t mode, std::int16_t hour, std::int16_t minute, std::int16_t month = 1, std::int16_t day = 1,
              std::int32_t week = 0) {
    return {1, 0, mode, week, hour, minute, 20, 26, month, day};  // enabled sound, the year 2026
}

TEST(NextRing, DueInstantsThroughABerlinYearAndInIndia) {
    const std::optional<std::int64_t> never;
    RingItem disabled = Item(2, 7, 0);
    disabled.lngItemState = 0;
    const struct {
        const char* name;
        std::int64_t (*zone)(std::int64_t);
        RingItem item;
        std::int64_t from;
        std::optional<std::int64_t> due;
    } cases[] = {
        {"daily, in its own second: tomorrow", Berlin, Item(2, 7, 0), Utc(2026, 12, 7, 6, 0), Utc(2026, 12, 8, 6, 0)},
        {"daily, in the skipped hour: the gap's end", Berlin, Item(2, 2, 30), Utc(2026, 3, 28, 12, 0), kSpring},
        {"daily, in the repeated hour: its first pass", Berlin, Item(2, 2, 30), Utc(2026, 10, 25, 0, 0),
         Utc(2026, 10, 25, 0, 30)},
        {"daily, during the second pass: tomorrow", Berlin, Item(2, 2, 30), Utc(2026, 10, 25, 1, 15),
         Utc(2026, 10, 26, 1, 30)},
        {"weekly Sunday, from a Monday", Berlin, Item(3, 9, 0, 1, 1, 0), Utc(2026, 12, 7, 12, 0),
         Utc(2026, 12, 13, 8, 0)},
        {"weekly, weekday 7", Berlin, Item(3, 9, 0, 1, 1, 7), Utc(2026, 12, 7, 12, 0), never},
        {"monthly 31, April has none", Berlin, Item(4, 9, 0, 1, 31), Utc(2026, 4, 1, 0, 0), Utc(2026, 5, 31, 7, 0)},
        {"yearly 29 February, the next leap year", Berlin, Item(5, 9, 0, 2, 29), Utc(2026, 3, 1, 0, 0),
         Utc(2028, 2, 29, 8, 0)},
        {"once on 31 April is 1 May", Berlin, Item(1, 9, 0, 4, 31), Utc(2026, 4, 1, 0, 0), Utc(2026, 5, 1, 7, 0)},
        {"once, in the skipped hour", Berlin, Item(1, 2, 15, 3, 29), Utc(2026, 3, 1, 0, 0), kSpring},
        {"once, passed", Berlin, Item(1, 2, 15, 3, 29), kSpring, never},
        {"disabled", Berlin, disabled, Utc(2026, 1, 1, 0, 0), never},
        {"India, just after local midnight", India, Item(2, 0, 15), Utc(2026, 12, 7, 18, 0), Utc(2026, 12, 7, 18, 45)},
        {"India, the local weekday", India, Item(3, 5, 0, 1, 1, 1), Utc(2026, 12, 6, 12, 0), Utc(2026, 12, 6, 23, 30)},
    };
    for (const auto& c : cases) EXPECT_EQ(NextRingUtc(c.item, c.from, c.zone), c.due) << c.name;
}

TEST(NextRing, TooltipLineNamesTheWeekdayWithinAWeekAndTheDateBeyond) {
    const std::int64_t monday = CivilSeconds(CivilTime{2026, 12, 7, 7, 0});
    RingItem getUp = Item(2, 9, 5);
    getUp.strNotifyText = "Get up";
    EXPECT_EQ(NextRingText(getUp, monday + 6 * 86400 + 7500, monday), "Next: Sun 9:05  Get up");
    EXPECT_EQ(NextRingText(getUp, monday + 7 * 86400 + 7500, monday), "Next: 12/14/2026 9:05  Get up");
}

// A shut-down and a sound, daily at 7:00, in UTC; ticks every second from `first` to `last` seconds from
// 7:00, a suspend message at `suspend`, then one tick at `after`: what that tick runs.
std::vector<int> RunAfter(int first, int last, std::optional<int> suspend, int after) {
    clsSaveRingData list;
    for (const int action : {4, 0}) {
        list.lngSaveItemState(1);
        list.lngSaveRingMode(action, 2, 0);
        list.lngSaveRingTime(0, 7, 0);
        list.lngSaveRingDate(20, 26, 1, 1);
        list.strSaveRingData("", "", "", "");
    }
    const std::int64_t seven = Utc(2026, 12, 7, 7, 0);
    RingWatch watch([](std::int64_t utc) { return utc; });
    for (int tick = first; tick <= last; ++tick) watch.Due(list, 2, seven + tick);
    if (suspend) watch.Suspending(seven + *suspend);
    return watch.Due(list, 2, seven + after);
}

TEST(RingWatch, CatchesUpOnlyASleepItWasToldOfAndNeverShutsDownLate) {
    // Without power messages the scan makes up for half a minute of missing ticks itself.
    EXPECT_EQ(RunAfter(-10, -10, std::nullopt, 20), (std::vector<int>{1, 2}));
    EXPECT_EQ(RunAfter(-10, -10, -5, 20), std::vector<int>{2});
    // Ticks went on for two minutes after the suspend message: the later gap is a jump of the clock.
    EXPECT_EQ(RunAfter(-180, -60, -180, 300), std::vector<int>{});
}

}  // namespace
