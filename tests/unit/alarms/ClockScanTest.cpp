#include "ScheduleCases.h"
#include "alarms/ClockScan.h"
#include "alarms/RingRules.h"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>

namespace {

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

}  // namespace
