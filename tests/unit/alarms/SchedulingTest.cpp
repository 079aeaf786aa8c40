// When alarm items ring: the due rule, the next due time, the scan of the clock and the watch over ticks and sleep.
#include "alarms/ClockScan.h"
#include "alarms/NextRing.h"
#include "alarms/RingItem.h"
#include "alarms/RingRules.h"
#include "alarms/RingWatch.h"
#include "system/CivilTime.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <random>
#include <tuple>
#include <utility>

namespace {

// Instants in UTC, Berlin time in 2026, and sound items.
std::int64_t Utc(int year, int month, int day, int hour, int minute, int second = 0) {
    return CivilSeconds(CivilTime{year, month, day, hour, minute, second});
}

// Berlin in 2026: UTC+2 from 01:00 UTC on 29 March (01:59:59, then 03:00:00) to 01:00 UTC on 25 October
// (02:59:59, then 02:00:00), else UTC+1.
const std::int64_t kSpring = Utc(2026, 3, 29, 1, 0);
const std::int64_t kAutumn = Utc(2026, 10, 25, 1, 0);
std::int64_t Berlin(std::int64_t utc) { return utc + (utc >= kSpring && utc < kAutumn ? 7200 : 3600); }

// A sound in 2026 (`month` and `day` count where the mode reads them), on Sundays unless `week` says otherwise.
RingItem Item(std::int32_t mode, std::int16_t hour, std::int16_t minute, std::int16_t month = 1, std::int16_t day = 1,
              std::int32_t week = 0, std::int32_t state = 1) {
    return {state, RingAction::Sound, RingRepeat(mode), week, hour, minute, 20, 26, month, day};
}

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

using Fired = std::vector<std::pair<std::int64_t, int>>;  // tick (UTC), hhmm of the item

// Items fed by one scan of Berlin time: once-only at 2:15 on the days the clocks change, and daily ones.
// `zoneShift` moves the clock into another zone, as the user choosing one does.
struct Scheduler {
    std::int64_t zoneShift = 0;
    ClockScan scan{[this](std::int64_t utc) { return Berlin(utc) + zoneShift; }};
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

// Ticks from 07:30:00 in Berlin: a gap of up to a minute is bridged, a longer one jumps, a small step back waits.
TEST(ClockScan, EachOccurrenceFiresExactlyOnce) {
    const std::int64_t at = Utc(2026, 12, 7, 6, 30);
    const std::pair<std::vector<std::int64_t>, Fired> cases[] = {
        {{-1, 59}, {{at + 59, 730}}}, {{-1, 60}, {}}, {{0, 1, -30, 0, 1}, {{at, 730}}}};
    for (const auto& [ticks, fired] : cases) {
        Scheduler scheduler;
        for (const auto tick : ticks) scheduler.Tick(at + tick, at + tick);
        EXPECT_EQ(scheduler.fired, fired) << testing::PrintToString(ticks);
    }
}

// The Berlin scan through the days the clocks change, and when the user picks a zone an hour east, or one or two
// hours west, at Berlin's 6:45 or 7:40: ticks every second from `from` to `to`, in the new zone from `change`.
TEST(ClockScan, DaylightStepsFireEachItemOnceAndAnotherZoneRestartsTheScan) {
    const auto utc = [](int hour, int minute) { return Utc(2026, 12, 7, hour, minute) - 3600; };
    const Fired autumn{{kAutumn - 2700, 215}, {kAutumn - 1800, 230}, {kAutumn + 3600, 300}};
    const std::tuple<const char*, std::int64_t, std::int64_t, std::int64_t, std::int64_t, Fired> cases[] = {
        {"spring", kSpring - 60, kSpring, 0, kSpring + 60, {{kSpring, 215}, {kSpring, 230}, {kSpring, 300}}},
        {"autumn", kAutumn - 3700, kAutumn, 0, kAutumn + 3700, autumn},
        {"east at 6:45: 7:30 is not handed out", utc(6, 40), utc(6, 45), 3600, utc(7, 40), {}},
        {"west at 7:40: 7:30 comes in the new zone", utc(7, 35), utc(7, 40), -3600, utc(8, 31), {{utc(8, 30), 730}}},
        {"two hours west at 7:40", utc(7, 35), utc(7, 40), -7200, utc(9, 31), {{utc(9, 30), 730}}},
    };
    for (const auto& [name, from, change, shift, to, fired] : cases) {
        Scheduler scheduler;
        scheduler.Tick(from, change - 1);
        scheduler.zoneShift = shift;
        scheduler.Tick(change, to);
        EXPECT_EQ(scheduler.fired, fired) << name;
    }
}

// Daily at 7:00 UTC a shut-down and a sound, and a sound once on 7 December 2026 at 7:00. Ticks come every second
// from `first` to `last` seconds from that 7:00, then a suspend or resume message, then the tick at `after`.
TEST(RingWatch, CatchesUpOnlyASleepItWasToldOfAndNeverShutsDownLate) {
    clsSaveRingData list;
    for (const auto& [action, mode] : {std::pair(4, 2), std::pair(0, 2), std::pair(0, 1)})
        list.push_back({1, RingAction(action), RingRepeat(mode), 0, 7, 0, 20, 26, 12, 7});
    const std::int64_t seven = Utc(2026, 12, 7, 7, 0), days3 = 3 * 86400;
    using At = std::optional<std::int64_t>;
    const std::tuple<const char*, int, int, At, At, std::int64_t, std::vector<int>> cases[] = {
        {"the scan itself bridges half a minute", -10, -10, {}, {}, 20, {1, 2, 3}},
        {"asleep half a minute", -10, -10, -5, {}, 20, {2, 3}},
        {"ticks went on after the suspend: a jump", -180, -60, -180, {}, 300, {}},
        {"three days, told by the resume alone: once each, a day back", -10, -10, {}, days3 + 20, days3 + 20, {2}},
        {"none at the first tick", 0, -1, {}, 20, 20, {}},
    };
    for (const auto& [name, first, last, suspend, resume, after, runs] : cases) {
        RingWatch watch([](std::int64_t utc) { return utc; });
        for (int tick = first; tick <= last; ++tick) watch.Due(list, 3, seven + tick);
        if (suspend) watch.Suspending(seven + *suspend);
        if (resume) watch.Resumed(seven + *resume);
        EXPECT_EQ(watch.Due(list, 3, seven + after), runs) << name;
    }
}

// A whole day of the real RingWatch in UTC+1 from Monday 7 December 2026 into Tuesday: late, doubled and missing
// ticks, the clock set forward and back, 200 items of every mode and action. Each occurrence fires exactly once.
constexpr std::int64_t kZoneOffset = 3600;
const std::int64_t kStartWall = Utc(2026, 12, 7, 0, 0);

// How far the user has set the clock at true second t of the day: at 8:20:00 forward to 9:50:37, at 18:10:37 back
// to 17:25:24. Daily items at the minutes around: 8:19 passes, 9:50 never comes, 18:00 comes twice, 17:25 once.
std::int64_t ClockShift(std::int64_t t) { return (t >= 30000 ? 5437 : 0) + (t >= 60000 ? -2713 : 0); }
constexpr std::pair<int, int> kAroundSettings[] = {{8, 19}, {9, 50}, {17, 25}, {18, 0}};

TEST(SimulatedDay, EveryDueOccurrenceFiresExactlyOnce) {
    std::mt19937 random(20261207);
    std::uniform_int_distribution<int> hour(0, 23), minute(0, 59), coin(0, 1), weekday(0, 6), day(1, 31), month(1, 12);
    clsSaveRingData list;  // about half of the items meant for the simulated days; a few disabled
    for (int i = 1; i <= 200; ++i) {
        const bool around = i <= 4, today = around || coin(random);
        const int mode = around ? 2 : 1 + i % 5;
        // Once-only items: today, tomorrow, or a day already past.
        const int itemDay = today ? 7 + coin(random) : mode == 1 ? 6 : day(random);
        const int itemMonth = today || mode == 1 ? 12 : month(random);
        const int itemWeekday = today ? 1 + coin(random) : weekday(random);
        const auto [itemHour, itemMinute] = around ? kAroundSettings[i - 1] : std::pair(hour(random), minute(random));
        list.push_back({i % 17 != 0, RingAction((i / 5) % 5), RingRepeat(mode), itemWeekday, std::int16_t(itemHour),
                        std::int16_t(itemMinute), 20, 26, std::int16_t(itemMonth), std::int16_t(itemDay)});
    }

    std::uniform_int_distribution<int> roll(0, 99), lateBy(2, 45);
    RingWatch watch([](std::int64_t utc) { return utc + kZoneOffset; });
    std::map<std::pair<int, std::int64_t>, int> due, fired;  // (item, wall minute) -> times
    const auto wallAt = [](std::int64_t t) { return kStartWall + t + ClockShift(t); };
    for (std::int64_t t = 0, previous = -1; t <= 86400;) {
        // Due: the minute starts the wall clock passed since the last tick; a setting of the clock starts afresh.
        const std::int64_t wall = wallAt(t);
        const bool set = previous < 0 || ClockShift(previous) != ClockShift(t);
        for (std::int64_t second = set ? wall : wallAt(previous) + 1; second <= wall; ++second)
            for (int i = 1; second % 60 == 0 && i <= int(list.size()); ++i)
                if (IsRingDue(list[i - 1], ToCivil(second))) ++due[{i, second}];
        // Ticks are less than a minute apart, so what a tick reaches is the minute it stands in.
        for (const int position : watch.Due(list, int(list.size()), wall - kZoneOffset))
            ++fired[{position, wall - wall % 60}];
        // Mostly one tick a second; some late by up to 45 s, some doubled, some one second skipped.
        const int kind = roll(random);
        previous = t;
        t += kind >= 6 ? 1 : kind < 2 ? lateBy(random) : kind < 4 ? 0 : 2;
    }
    ASSERT_GT(due.size(), 50u) << "the day should hold plenty of occurrences";
    EXPECT_EQ(due[std::pair(4, kStartWall + 18 * 3600)], 2) << "18:00 should come twice";
    for (const auto& [at, times] : due)
        EXPECT_EQ(std::exchange(fired[at], 0), times) << "item " << at.first << " at " << at.second - kStartWall;
    for (const auto& [at, times] : fired)
        EXPECT_EQ(times, 0) << "item " << at.first << " at " << at.second - kStartWall;
}

}  // namespace
