#include "alarms/ClockScan.h"
#include "alarms/RingRules.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

namespace {

using namespace std::chrono;
using Fired = std::vector<std::pair<std::int64_t, std::string>>;  // tick (UTC), item

CivilTime At(int year, int month, int day, int hour, int minute, int second = 0) {
    return ToCivil(CivilSeconds(CivilTime{year, month, day, hour, minute, second}));
}

RingItem Item(int mode, int hour, int minute, int year1 = 26, int month = 1, int day = 1, int week = 0) {
    return {.lngItemState = 1,
            .lngTimeMode = mode,
            .lngWeek = week,
            .lngHour = std::int16_t(hour),
            .lngMinute = std::int16_t(minute),
            .lngYear = 20,
            .lngYear1 = std::int16_t(year1),
            .lngMonth = std::int16_t(month),
            .lngwDay = std::int16_t(day)};
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

std::int64_t Utc(int month, int day, int hour, int minute) {
    return CivilSeconds(CivilTime{2026, month, day, hour, minute});
}

// Central European time: UTC+1, UTC+2 from 01:00 UTC on the last Sunday of March to that of October.
std::int64_t Berlin(std::int64_t utc) {
    const auto change = [](month m) {
        return duration_cast<seconds>((sys_days{year{2026} / m / Sunday[last]} + hours{1}).time_since_epoch()).count();
    };
    return utc + (utc >= change(March) && utc < change(October) ? 7200 : 3600);
}

// Daily items at h:mm, or once-only on a month*100+day, fed by one scan; records which fired at which tick.
struct Scheduler {
    Scheduler(ClockScan::ToWall toWall, std::vector<std::tuple<int, int, int>> items) : scan(toWall) {
        for (const auto& [hour, minute, onceOnDay] : items) {
            list.lngSaveItemState(1);
            list.lngSaveRingMode(0, onceOnDay ? 1 : 2, 0);
            list.lngSaveRingTime(0, std::int16_t(hour), std::int16_t(minute));
            list.lngSaveRingDate(20, 26, std::int16_t(onceOnDay / 100), std::int16_t(onceOnDay % 100));
        }
    }
    void Tick(std::int64_t from, std::int64_t to) {
        for (auto utc = from; utc <= to; ++utc)
            for (const auto minute : scan.Advance(utc))
                for (const int i : DueRingItems(list, list.RingItemCound(), ToCivil(minute)))
                    fired.emplace_back(utc, (list.GetTimeMode(i) == 1 ? "once " : "") +
                                                std::to_string(list.GetwHour(i)) + ":" +
                                                std::to_string(list.GetwMinute(i)));
    }
    ClockScan scan;
    clsSaveRingData list;
    Fired fired;
};

TEST(ClockScan, EachOccurrenceFiresExactlyOnce) {
    const std::int64_t at = Utc(12, 7, 6, 30);  // 07:30:00 at UTC+1
    const auto back = [](std::int64_t seconds) {
        std::vector<std::int64_t> ticks{0, 1};
        for (auto tick = -seconds; tick <= 1; ++tick) ticks.push_back(tick);
        return ticks;
    };
    const struct {
        const char* name;
        std::vector<std::int64_t> ticks;  // seconds from 07:30:00
        std::vector<std::int64_t> firedAt;
    } cases[] = {
        {"every second", {-2, -1, 0, 1, 2}, {0}},
        {"two ticks in each second", {-1, -1, 0, 0, 1, 1}, {0}},
        {"tick late", {-1, 5}, {5}},
        {"a minute without ticks", {-1, 59}, {59}},
        {"longer gap is a jump", {-1, 60}, {}},
        {"first tick after it", {1, 2}, {}},
        {"small step back", back(30), {0}},
        {"an hour back fires again", back(3600), {0, 0}},
    };
    for (const auto& c : cases) {
        Scheduler scheduler([](std::int64_t utc) { return utc + 3600; }, {{7, 30, 0}});
        for (const auto tick : c.ticks) scheduler.Tick(at + tick, at + tick);
        Fired expected;
        for (const auto tick : c.firedAt) expected.emplace_back(at + tick, "7:30");
        EXPECT_EQ(scheduler.fired, expected) << c.name;
    }
}

TEST(ClockScan, DaylightSavingChangesFireEachItemOnce) {
    const std::int64_t spring = Utc(3, 29, 1, 0);   // 01:59:59 is followed by 03:00:00
    const std::int64_t autumn = Utc(10, 25, 1, 0);  // 02:59:59 is followed by 02:00:00
    for (const bool late : {false, true}) {
        Scheduler scheduler(Berlin, {{2, 30, 0}, {3, 0, 0}, {2, 15, 329}});
        scheduler.Tick(spring - 60, spring - 30);
        scheduler.Tick(late ? spring + 20 : spring - 29, spring + 60);
        const auto gap = late ? spring + 20 : spring;
        EXPECT_EQ(scheduler.fired, (Fired{{gap, "once 2:15"}, {gap, "2:30"}, {gap, "3:0"}})) << late;
    }
    Scheduler scheduler(Berlin, {{2, 30, 0}, {3, 0, 0}, {2, 15, 1025}});
    scheduler.Tick(autumn - 3700, autumn + 3700);
    EXPECT_EQ(scheduler.fired, (Fired{{autumn - 2700, "once 2:15"}, {autumn - 1800, "2:30"}, {autumn + 3600, "3:0"}}));
}

}  // namespace
