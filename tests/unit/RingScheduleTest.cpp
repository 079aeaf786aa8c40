#include "alarms/ClockScan.h"
#include "alarms/RingRules.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

using Fired = std::vector<std::pair<std::int64_t, int>>;  // tick (UTC), hhmm of the item

CivilTime At(int year, int month, int day, int hour, int minute, int second = 0) {
    return ToCivil(CivilSeconds(CivilTime{year, month, day, hour, minute, second}));
}

RingItem Item(int mode, std::int16_t hour, std::int16_t minute, std::int16_t month = 1, std::int16_t day = 1) {
    return {1, 0, mode, 0, hour, minute, 20, 26, month, day};  // enabled, sound, mode, Sunday, time, 2026, date
}

TEST(RingRules, DueOnlyInItsSecondAndOnMatchingDays) {
    const std::tuple<const char*, RingItem, CivilTime, bool> cases[] = {
        {"daily at", Item(2, 7, 30), At(2026, 12, 7, 7, 30), true},
        {"daily after", Item(2, 7, 30), At(2026, 12, 7, 7, 30, 1), false},
        {"weekly Sunday on Monday", Item(3, 9, 0), At(2026, 12, 7, 9, 0), false},
        {"monthly 31 at April's end", Item(4, 9, 0, 0, 31), At(2026, 4, 30, 9, 0), false},
        {"once in the past", Item(1, 9, 0, 12, 6), At(2026, 12, 7, 9, 0), false},
        {"yearly 29 February, leap year", Item(5, 9, 0, 2, 29), At(2028, 2, 29, 9, 0), true},
        {"yearly 29 February, common year", Item(5, 9, 0, 2, 29), At(2027, 3, 1, 9, 0), false},
    };
    for (const auto& [name, item, now, due] : cases) EXPECT_EQ(IsRingDue(item, now), due) << name;
}

// Berlin time in 2026: UTC+2 from 01:00 UTC on 29 March to 01:00 UTC on 25 October, else UTC+1.
const std::int64_t kSpring = CivilSeconds(CivilTime{2026, 3, 29, 1, 0});   // 01:59:59, then 03:00:00
const std::int64_t kAutumn = CivilSeconds(CivilTime{2026, 10, 25, 1, 0});  // 02:59:59, then 02:00:00

// Items fed by one scan of Berlin time: once-only at 2:15 on the days the clocks change, and daily ones.
// `zoneShift` moves the clock into another zone, as the user choosing one does.
struct Scheduler {
    std::int64_t zoneShift = 0;
    ClockScan scan{
        [this](std::int64_t utc) { return utc + zoneShift + (utc >= kSpring && utc < kAutumn ? 7200 : 3600); }};
    const std::vector<RingItem> items{Item(1, 2, 15, 3, 29), Item(1, 2, 15, 10, 25), Item(2, 2, 30), Item(2, 3, 0),
                                      Item(2, 7, 30)};
    Fired fired;
    void Tick(std::int64_t from, std::int64_t to) {
        for (auto utc = from; utc <= to; ++utc)
            for (const auto minute : scan.Advance(utc))
                for (const auto& item : items)
                    if (IsRingDue(item, ToCivil(minute))) fired.emplace_back(utc, item.lngHour * 100 + item.lngMinute);
    }
};

TEST(ClockScan, EachOccurrenceFiresExactlyOnce) {
    const std::int64_t at = CivilSeconds(CivilTime{2026, 12, 7, 6, 30});  // 07:30:00 in Berlin
    // Ticks in seconds from 07:30:00.
    const std::tuple<const char*, std::vector<std::int64_t>, Fired> cases[] = {
        {"two ticks in each second", {-1, -1, 0, 0, 1, 1}, {{at, 730}}},
        {"a minute without ticks", {-1, 59}, {{at + 59, 730}}},
        {"longer gap is a jump", {-1, 60}, {}},
        {"small step back", {0, 1, -30, 0, 1}, {{at, 730}}},
        {"an hour back fires again", {0, 1, -3600, -60, 0}, {{at, 730}, {at, 730}}},
    };
    for (const auto& [name, ticks, fired] : cases) {
        Scheduler scheduler;
        for (const auto tick : ticks) scheduler.Tick(at + tick, at + tick);
        EXPECT_EQ(scheduler.fired, fired) << name;
    }
}

TEST(ClockScan, DaylightSavingChangesFireEachItemOnce) {
    Scheduler spring, autumn;
    spring.Tick(kSpring - 60, kSpring + 60);
    EXPECT_EQ(spring.fired, (Fired{{kSpring, 215}, {kSpring, 230}, {kSpring, 300}}));
    autumn.Tick(kAutumn - 3700, kAutumn + 3700);
    EXPECT_EQ(autumn.fired, (Fired{{kAutumn - 2700, 215}, {kAutumn - 1800, 230}, {kAutumn + 3600, 300}}));
}

// The same Berlin scan when the user picks a zone an hour east, or one or two hours west, at the tick `change`.
TEST(ClockScan, AnotherZoneRestartsTheScanInsteadOfCatchingUpOrWaiting) {
    const std::int64_t utc = CivilSeconds(CivilTime{2026, 12, 7, 0, 0});  // 01:00 in Berlin
    const auto hours = [utc](int h, int m) { return utc + h * 3600 + m * 60; };
    const std::tuple<const char*, std::int64_t, std::int64_t, std::int64_t, Fired> cases[] = {
        {"east at 6:45, now 7:45: 7:30 is not handed out", 3600, hours(5, 45), hours(6, 40), {}},
        {"west at 7:40, now 6:40: 7:30 comes in the new zone",
         -3600,
         hours(6, 40),
         hours(7, 31),
         {{hours(7, 30), 730}}},
        {"two hours west at 7:40", -7200, hours(6, 40), hours(8, 31), {{hours(8, 30), 730}}},
    };
    for (const auto& [name, shift, change, end, fired] : cases) {
        Scheduler scheduler;
        scheduler.Tick(change - 300, change - 1);
        scheduler.zoneShift = shift;
        scheduler.Tick(change, end);
        EXPECT_EQ(scheduler.fired, fired) << name;
    }
}

}  // namespace
