#include "alarms/ClockScan.h"
#include "alarms/RingRules.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

namespace {

using namespace std::chrono;

std::int64_t Utc(int year, int month, int day, int hour, int minute, int second) {
    return CivilSeconds(CivilTime{year, month, day, hour, minute, second});
}

// Central European time: UTC+1, and UTC+2 from 01:00 UTC on the last Sunday of March to 01:00 UTC on the
// last Sunday of October.
std::int64_t Berlin(std::int64_t utc) {
    const year y = year_month_day{floor<days>(sys_seconds{seconds{utc}})}.year();
    const auto change = [&](month m) {
        return duration_cast<seconds>((sys_days{y / m / Sunday[last]} + hours{1}).time_since_epoch()).count();
    };
    return utc + (utc >= change(March) && utc < change(October) ? 7200 : 3600);
}

std::int64_t PlusOneHour(std::int64_t utc) { return utc + 3600; }

struct Fired {
    std::int64_t tickUtc;
    std::string what;
    bool operator==(const Fired&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Fired& fired) {
    const CivilTime t = ToCivil(fired.tickUtc);
    return out << fired.what << " at tick " << t.hour << ":" << t.minute << ":" << t.second << " UTC";
}

// An alarm list fed by a scan, recording which item fired at which tick.
class Scheduler {
public:
    explicit Scheduler(ClockScan::ToWall toWall) : scan_(toWall) {}

    void Add(std::string name, int mode, int hour, int minute, int month = 0, int day = 0) {
        names_.push_back(std::move(name));
        list_.lngSaveItemState(1);
        list_.lngSaveRingMode(0, mode, 0);
        list_.lngSaveRingTime(0, std::int16_t(hour), std::int16_t(minute));
        list_.lngSaveRingDate(20, 26, std::int16_t(month), std::int16_t(day));
        list_.strSaveRingData("", "", "", "");
    }
    void Tick(std::int64_t utc) {
        for (const auto minute : scan_.Advance(utc))
            for (const int position : DueRingItems(list_, list_.RingItemCound(), ToCivil(minute)))
                fired_.push_back({utc, names_[position - 1]});
    }
    void TickEverySecond(std::int64_t from, std::int64_t to) {
        for (auto utc = from; utc <= to; ++utc) Tick(utc);
    }
    const std::vector<Fired>& fired() const { return fired_; }

private:
    ClockScan scan_;
    clsSaveRingData list_;
    std::vector<std::string> names_;
    std::vector<Fired> fired_;
};

TEST(ClockScan, EachOccurrenceFiresExactlyOnce) {
    // Local 07:30:00 is 06:30:00 UTC.
    const std::int64_t at = Utc(2026, 12, 7, 6, 30, 0);
    const auto steppedBack = [](std::int64_t back) {
        std::vector<std::int64_t> ticks{0, 1};
        for (auto tick = -back; tick <= 1; ++tick) ticks.push_back(tick);
        return ticks;
    };
    const struct {
        const char* name;
        std::vector<std::int64_t> ticks;  // seconds from 07:30:00 local
        std::vector<std::int64_t> firedAt;
    } cases[] = {
        {"every second", {-2, -1, 0, 1, 2}, {0}},
        {"two ticks in each second", {-1, -1, 0, 0, 1, 1}, {0}},
        {"tick late", {-1, 5}, {5}},
        {"a minute without ticks", {-1, 59}, {59}},
        {"longer gap is a jump", {-1, 60}, {}},
        {"forward jump lands on the second", {-4000, 0}, {0}},
        {"first tick in the second", {0, 1}, {0}},
        {"first tick after it", {1, 2}, {}},
        {"small step back", steppedBack(30), {0}},
        {"an hour back fires again", steppedBack(3600), {0, 0}},
    };
    for (const auto& c : cases) {
        Scheduler scheduler(PlusOneHour);
        scheduler.Add("daily", 2, 7, 30);
        for (const auto tick : c.ticks) scheduler.Tick(at + tick);
        std::vector<Fired> expected;
        for (const auto tick : c.firedAt) expected.push_back({at + tick, "daily"});
        EXPECT_EQ(scheduler.fired(), expected) << c.name;
    }
}

TEST(ClockScan, SpringGapItemsFireRightAfterTheGapOnce) {
    // 29 March 2026: at 01:00 UTC the clock goes from 01:59:59 to 03:00:00.
    const std::int64_t change = Utc(2026, 3, 29, 1, 0, 0);
    for (const bool lateTick : {false, true}) {
        Scheduler scheduler(Berlin);
        scheduler.Add("daily 1:59", 2, 1, 59);
        scheduler.Add("daily 2:30", 2, 2, 30);
        scheduler.Add("daily 3:00", 2, 3, 0);
        scheduler.Add("once 2:15", 1, 2, 15, 3, 29);
        scheduler.Add("daily 3:01", 2, 3, 1);
        if (lateTick) {
            scheduler.TickEverySecond(change - 61, change - 30);
            scheduler.TickEverySecond(change + 20, change + 3600);
        } else {
            scheduler.TickEverySecond(change - 61, change + 3600);
        }
        const auto gapTick = lateTick ? change + 20 : change;
        EXPECT_EQ(scheduler.fired(), (std::vector<Fired>{{change - 60, "daily 1:59"},
                                                         {gapTick, "once 2:15"},
                                                         {gapTick, "daily 2:30"},
                                                         {gapTick, "daily 3:00"},
                                                         {change + 60, "daily 3:01"}}))
            << (lateTick ? "late tick across the gap" : "tick every second");
    }
}

TEST(ClockScan, RepeatedAutumnHourFiresOnce) {
    // 25 October 2026: at 01:00 UTC the clock goes from 02:59:59 back to 02:00:00.
    const std::int64_t change = Utc(2026, 10, 25, 1, 0, 0);
    Scheduler scheduler(Berlin);
    scheduler.Add("daily 2:00", 2, 2, 0);
    scheduler.Add("daily 2:30", 2, 2, 30);
    scheduler.Add("once 2:15", 1, 2, 15, 10, 25);
    scheduler.Add("daily 3:00", 2, 3, 0);
    scheduler.TickEverySecond(change - 3700, change + 3700);
    EXPECT_EQ(scheduler.fired(), (std::vector<Fired>{{change - 3600, "daily 2:00"},
                                                     {change - 2700, "once 2:15"},
                                                     {change - 1800, "daily 2:30"},
                                                     {change + 3600, "daily 3:00"}}));
}

TEST(ClockScan, TimeZoneChangeIsAJumpNotACatchUp) {
    // The user moves the zone from UTC+1 to UTC+9: the wall clock leaps eight hours in one second.
    static std::int64_t switchAt = Utc(2026, 12, 7, 6, 0, 30);
    Scheduler scheduler([](std::int64_t utc) { return utc + (utc < switchAt ? 3600 : 9 * 3600); });
    scheduler.Add("daily 10:00", 2, 10, 0);
    scheduler.Add("daily 15:00", 2, 15, 0);
    scheduler.TickEverySecond(switchAt - 5, switchAt + 5);
    EXPECT_TRUE(scheduler.fired().empty());
    scheduler.Add("daily 15:01", 2, 15, 1);
    scheduler.TickEverySecond(switchAt + 6, switchAt + 40);
    EXPECT_EQ(scheduler.fired(), (std::vector<Fired>{{switchAt + 30, "daily 15:01"}}));
}

}  // namespace
