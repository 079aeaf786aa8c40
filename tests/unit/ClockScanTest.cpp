#include "alarms/ClockScan.h"
#include "alarms/RingRules.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

namespace {

using namespace std::chrono;
using Fired = std::vector<std::pair<std::int64_t, std::string>>;  // tick (UTC), item

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

// Daily items, or once-only on the given day, all fed by one scan; records what fired at which tick.
class Scheduler {
public:
    Scheduler(ClockScan::ToWall toWall, std::vector<std::tuple<std::string, int, int, int>> items)
        : scan_(toWall), items_(items) {
        for (const auto& [name, hour, minute, onceOnDay] : items_) {
            list_.lngSaveItemState(1);
            list_.lngSaveRingMode(0, onceOnDay ? 1 : 2, 0);
            list_.lngSaveRingTime(0, std::int16_t(hour), std::int16_t(minute));
            list_.lngSaveRingDate(20, 26, std::int16_t(onceOnDay / 100), std::int16_t(onceOnDay % 100));
            list_.strSaveRingData("", "", "", "");
        }
    }
    void Tick(std::int64_t from, std::int64_t to) {
        for (auto utc = from; utc <= to; ++utc)
            for (const auto minute : scan_.Advance(utc))
                for (const int i : DueRingItems(list_, list_.RingItemCound(), ToCivil(minute)))
                    fired.emplace_back(utc, std::get<0>(items_[i - 1]));
    }
    Fired fired;

private:
    ClockScan scan_;
    std::vector<std::tuple<std::string, int, int, int>> items_;
    clsSaveRingData list_;
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
        Scheduler scheduler([](std::int64_t utc) { return utc + 3600; }, {{"daily", 7, 30, 0}});
        for (const auto tick : c.ticks) scheduler.Tick(at + tick, at + tick);
        Fired expected;
        for (const auto tick : c.firedAt) expected.emplace_back(at + tick, "daily");
        EXPECT_EQ(scheduler.fired, expected) << c.name;
    }
}

TEST(ClockScan, DaylightSavingChangesFireEachItemOnce) {
    const std::int64_t spring = Utc(3, 29, 1, 0);   // 01:59:59 is followed by 03:00:00
    const std::int64_t autumn = Utc(10, 25, 1, 0);  // 02:59:59 is followed by 02:00:00
    for (const bool late : {false, true}) {
        Scheduler scheduler(Berlin, {{"2:30", 2, 30, 0}, {"3:00", 3, 0, 0}, {"once 2:15", 2, 15, 329}});
        scheduler.Tick(spring - 60, spring - 30);
        scheduler.Tick(late ? spring + 20 : spring - 29, spring + 60);
        const auto gap = late ? spring + 20 : spring;
        EXPECT_EQ(scheduler.fired, (Fired{{gap, "once 2:15"}, {gap, "2:30"}, {gap, "3:00"}})) << late;
    }
    Scheduler scheduler(Berlin, {{"2:30", 2, 30, 0}, {"3:00", 3, 0, 0}, {"once 2:15", 2, 15, 1025}});
    scheduler.Tick(autumn - 3700, autumn + 3700);
    EXPECT_EQ(scheduler.fired, (Fired{{autumn - 2700, "once 2:15"}, {autumn - 1800, "2:30"}, {autumn + 3600, "3:00"}}));
}

}  // namespace
