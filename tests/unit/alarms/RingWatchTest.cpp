#include "ScheduleCases.h"
#include "alarms/RingRules.h"
#include "alarms/RingWatch.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <tuple>
#include <utility>

namespace {

// Daily at 7:00 UTC a shut-down and a sound, and a sound once on 7 December 2026 at 7:00. Ticks come every second
// from `first` to `last` seconds from that 7:00, then a suspend or resume message, then the tick at `after`.
TEST(RingWatch, CatchesUpOnlyASleepItWasToldOfAndNeverShutsDownLate) {
    clsSaveRingData list;
    for (const auto& [action, mode] : {std::pair(4, 2), std::pair(0, 2), std::pair(0, 1)}) {
        list.push_back({1, RingAction(action), RingRepeat(mode), 0, 7, 0, 20, 26, 12, 7});
    }
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
