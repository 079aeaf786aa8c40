// A whole day of the scheduler at full speed: ticks that come late, twice or not at all, the clock set forward
// and back, and 200 items of every repeat mode and action. Every occurrence the wall clock passes fires exactly
// once, and nothing else fires.
#include "alarms/RingRules.h"
#include "alarms/RingWatch.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>
#include <utility>

namespace {

constexpr std::int64_t kZoneOffset = 3600;  // the local zone, UTC+1, has no daylight rule
// Monday 7 December 2026, 00:00 local; the day runs on into Tuesday after the clock is set back.
const std::int64_t kStartWall = CivilSeconds(CivilTime{2026, 12, 7, 0, 0, 0});
constexpr std::int64_t kDay = 86400;

// The user sets the clock at these instants of the day, by these many seconds.
struct ClockSetting {
    std::int64_t at;
    std::int64_t by;
};
constexpr ClockSetting kSettings[] = {{30000, +5437}, {60000, -2713}};

// How far the system clock stands from the true time at instant t of the day.
std::int64_t ClockShift(std::int64_t t) {
    std::int64_t shift = 0;
    for (const ClockSetting& setting : kSettings)
        if (t >= setting.at) shift += setting.by;
    return shift;
}

std::int64_t WallAt(std::int64_t t) { return kStartWall + t + ClockShift(t); }

// Ticks in true seconds of the day: mostly one a second, some late (by up to 45 s), some doubled, some
// skipped. Around each clock setting they run on time, as they do while the time dialog is open.
std::vector<std::int64_t> IrregularTicks(std::mt19937& random) {
    std::vector<std::int64_t> ticks;
    std::uniform_int_distribution<int> kind(0, 99), lateBy(2, 45);
    const auto nearSetting = [](std::int64_t t) {
        for (const ClockSetting& setting : kSettings)
            if (t > setting.at - 120 && t <= setting.at + 2) return true;
        return false;
    };
    for (std::int64_t t = 0; t <= kDay;) {
        ticks.push_back(t);
        const int roll = kind(random);
        if (nearSetting(t) || roll >= 6)
            t += 1;
        else if (roll < 2)
            t += lateBy(random);
        else if (roll < 4)
            ticks.push_back(t), t += 1;  // doubled
        else
            t += 2;  // one skipped
    }
    if (ticks.back() != kDay) ticks.push_back(kDay);
    return ticks;
}

// Daily items at the minutes around the clock settings: 8:19 passes before the clock goes forward to 9:50:37,
// so 9:50 is never reached; going back from 18:10:36 to 17:25:24 passes 18:00 twice and 17:25 only once.
constexpr std::pair<int, int> kAroundSettings[] = {{8, 19}, {9, 50}, {17, 25}, {18, 0}};

// 200 items, every repeat mode with every action, about half of them meant for the simulated days; a few
// disabled. Each item's reminder text is its position, so a fired copy names its item.
clsSaveRingData MakeItems(std::mt19937& random) {
    clsSaveRingData list;
    std::uniform_int_distribution<int> hour(0, 23), minute(0, 59), coin(0, 1), weekday(0, 6), day(1, 31), month(1, 12);
    for (const auto& [itemHour, itemMinute] : kAroundSettings) {
        list.lngSaveItemState(1);
        list.lngSaveRingMode(list.RingItemCound() % 5, 2, 0);
        list.lngSaveRingTime(0, std::int16_t(itemHour), std::int16_t(itemMinute));
        list.lngSaveRingDate(20, 26, 1, 1);
        list.strSaveRingData(std::to_string(list.RingItemCound()), "", "", "");
    }
    for (int i = list.RingItemCound() + 1; i <= 200; ++i) {
        const int mode = 1 + i % 5;
        const int action = (i / 5) % 5;
        const bool today = coin(random);
        int itemDay = today ? 7 + coin(random) : day(random);
        int itemMonth = today ? 12 : month(random);
        // Once-only items: today, tomorrow, or a day already past.
        if (mode == 1 && !today) itemDay = 6, itemMonth = 12;
        list.lngSaveItemState(i % 17 == 0 ? 0 : 1);
        list.lngSaveRingMode(action, mode, 0);
        list.lngSaveRingTime(today ? 1 + coin(random) : weekday(random), std::int16_t(hour(random)),
                             std::int16_t(minute(random)));
        list.lngSaveRingDate(20, 26, std::int16_t(itemMonth), std::int16_t(itemDay));
        list.strSaveRingData(std::to_string(i), "", "", "");
    }
    return list;
}

using Occurrences = std::map<std::pair<int, std::int64_t>, int>;  // (item, wall minute) -> times fired

// What the wall clock passes: every minute start from each stretch's first tick to its last, per stretch.
Occurrences DueOccurrences(const clsSaveRingData& list, const std::vector<std::int64_t>& ticks) {
    Occurrences due;
    const auto passMinutes = [&](std::int64_t fromWall, std::int64_t toWall) {
        for (std::int64_t wall = fromWall; wall <= toWall; ++wall) {
            if (wall % 60 != 0) continue;
            for (int i = 1; i <= list.RingItemCound(); ++i)
                if (IsRingDue(list.GetItem(i), ToCivil(wall))) ++due[{i, wall}];
        }
    };
    std::int64_t stretchStart = ticks.front();
    for (std::size_t k = 1; k <= ticks.size(); ++k) {
        const bool last = k == ticks.size();
        if (!last && ClockShift(ticks[k]) == ClockShift(ticks[k - 1])) continue;
        passMinutes(WallAt(stretchStart), WallAt(ticks[k - 1]));
        if (!last) stretchStart = ticks[k];
    }
    return due;
}

TEST(SimulatedDay, EveryDueOccurrenceFiresExactlyOnce) {
    std::mt19937 random(20261207);
    const clsSaveRingData list = MakeItems(random);
    const std::vector<std::int64_t> ticks = IrregularTicks(random);
    const Occurrences due = DueOccurrences(list, ticks);

    RingWatch watch([](std::int64_t utc) { return utc + kZoneOffset; });
    Occurrences fired;
    for (const std::int64_t t : ticks) {
        const std::int64_t wall = WallAt(t);
        // Ticks are less than a minute apart, so what a tick reaches is the minute it stands in.
        for (const int position : watch.Due(list, list.RingItemCound(), wall - kZoneOffset))
            ++fired[{std::stoi(list.GetItem(position).strNotifyText), wall - wall % 60}];
    }

    ASSERT_GT(due.size(), 50u) << "the day should hold plenty of occurrences";
    for (const auto& [occurrence, times] : due) {
        const auto found = fired.find(occurrence);
        EXPECT_EQ(found == fired.end() ? 0 : found->second, times)
            << "item " << occurrence.first << " at " << occurrence.second - kStartWall << " s into the day";
    }
    for (const auto& [occurrence, times] : fired)
        EXPECT_TRUE(due.count(occurrence)) << "item " << occurrence.first << " fired " << times << " times unasked at "
                                           << occurrence.second - kStartWall << " s";
}

}  // namespace
