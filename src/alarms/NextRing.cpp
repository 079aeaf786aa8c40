#include "alarms/NextRing.h"

#include "alarms/RingRules.h"

#include <algorithm>
#include <cstdio>

using namespace std::chrono;

namespace {

constexpr std::int64_t kDay = 24 * 3600;
// Every zone's local time lies between UTC-12 and UTC+14, daylight saving included.
constexpr std::int64_t kWestmostOffset = -12 * 3600;
constexpr std::int64_t kEastmostOffset = 14 * 3600;
// 29 February comes round at least once in any nine years, each day of the month in any thirteen months.
constexpr int kYearsToLeapDay = 9;
constexpr int kMonthsToAnyDay = 13;

std::int64_t SecondsOf(sys_days date) { return duration_cast<seconds>(date.time_since_epoch()).count(); }

sys_days DateOf(std::int64_t wall) { return floor<days>(sys_seconds{seconds{wall}}); }

std::int64_t OffsetAt(std::int64_t utc, const ClockScan::ToWall& toWall) { return toWall(utc) - utc; }

// The first of the dates `first`, `first` + `step`, ... (up to `tries` of them) whose alarm time lies
// after `afterWall`.
template <typename Step>
std::optional<std::int64_t> FirstAfter(std::int64_t afterWall, std::int64_t timeOfDay, year_month_day first, Step step,
                                       int tries) {
    for (int i = 0; i < tries; ++i, first += step) {
        if (!first.ok()) continue;
        const std::int64_t due = SecondsOf(sys_days{first}) + timeOfDay;
        if (due > afterWall) return due;
    }
    return std::nullopt;
}

// Calls `visit` with the position and next due wall minute of each of the first `count` items of `list`
// that `wanted` accepts and that falls due again after `afterWall`.
template <typename Visit>
void ForEachNext(const clsSaveRingData& list, int count, RingFilter wanted, std::int64_t afterWall, Visit visit) {
    count = std::min(count, static_cast<int>(list.size()));
    for (int i = 1; i <= count; ++i) {
        const RingItem& item = list[i - 1];
        if (!wanted(item)) continue;
        if (const auto wall = NextRingWall(item, afterWall)) visit(i, *wall);
    }
}

}  // namespace

std::optional<std::int64_t> NextRingWall(const RingItem& item, std::int64_t afterWall) {
    // As the due test reads it: an alarm time that carries past midnight never matches.
    const std::int64_t timeOfDay = item.lngHour * 3600 + item.lngMinute * 60;
    if (item.lngItemState <= 0 || timeOfDay < 0 || timeOfDay >= kDay) return std::nullopt;
    const sys_days today = DateOf(afterWall);
    const year_month_day date{today};
    const auto firstFrom = [&](sys_days day, days step) -> std::int64_t {
        const std::int64_t due = SecondsOf(day) + timeOfDay;
        return due > afterWall ? due : due + duration_cast<seconds>(step).count();
    };
    switch (item.lngTimeMode) {
        case RingRepeat::Once: {
            const auto once = OnceDate(item);
            if (once && SecondsOf(*once) + timeOfDay > afterWall) return SecondsOf(*once) + timeOfDay;
            return std::nullopt;
        }
        case RingRepeat::Daily:
            return firstFrom(today, days{1});
        case RingRepeat::Weekly:
            if (item.lngWeek < 0 || item.lngWeek > 6) return std::nullopt;
            return firstFrom(today + (weekday{unsigned(item.lngWeek)} - weekday{today}), weeks{1});
        case RingRepeat::Monthly:
            if (item.lngwDay < 1 || item.lngwDay > 31) return std::nullopt;
            return FirstAfter(afterWall, timeOfDay, date.year() / date.month() / unsigned(item.lngwDay), months{1},
                              kMonthsToAnyDay);
        case RingRepeat::Yearly:
            if (item.lngMonth < 1 || item.lngMonth > 12 || item.lngwDay < 1 || item.lngwDay > 31) return std::nullopt;
            return FirstAfter(afterWall, timeOfDay, date.year() / unsigned(item.lngMonth) / unsigned(item.lngwDay),
                              years{1}, kYearsToLeapDay);
    }
    return std::nullopt;
}

std::int64_t ReachedWall(std::int64_t utc, const ClockScan::ToWall& toWall) {
    const std::int64_t wall = toWall(utc);
    std::int64_t before = utc - ClockScan::kLargestRuleStep;
    const std::int64_t offsetBefore = OffsetAt(before, toWall);
    if (offsetBefore <= wall - utc) return wall;
    // The clocks went back since `before`: find the last second before the step.
    for (std::int64_t after = utc; after - before > 1;) {
        const std::int64_t middle = before + (after - before) / 2;
        (OffsetAt(middle, toWall) == offsetBefore ? before : after) = middle;
    }
    return std::max(wall, before + offsetBefore);
}

std::int64_t FirstReachedUtc(std::int64_t wall, const ClockScan::ToWall& toWall) {
    // Local time has not reached `wall` at `early` and has reached it at `late`.
    std::int64_t early = wall - kEastmostOffset - ClockScan::kLargestRuleStep - 1;
    std::int64_t late = wall - kWestmostOffset + ClockScan::kLargestRuleStep;
    while (late - early > 1) {
        const std::int64_t middle = early + (late - early) / 2;
        (ReachedWall(middle, toWall) >= wall ? late : early) = middle;
    }
    return late;
}

std::optional<std::int64_t> NextRingUtc(const RingItem& item, std::int64_t afterUtc, const ClockScan::ToWall& toWall) {
    const auto wall = NextRingWall(item, ReachedWall(afterUtc, toWall));
    if (!wall) return std::nullopt;
    return FirstReachedUtc(*wall, toWall);
}

std::optional<NextRing> EarliestRing(const clsSaveRingData& list, int count, std::int64_t afterUtc,
                                     const ClockScan::ToWall& toWall, RingFilter wanted) {
    // Local time reaches wall minutes in their order, so the earliest wall minute is the earliest instant.
    std::optional<NextRing> earliest;
    ForEachNext(list, count, wanted, ReachedWall(afterUtc, toWall), [&](int position, std::int64_t wall) {
        if (!earliest || wall < earliest->wall) earliest = NextRing{position, wall, 0};
    });
    if (earliest) earliest->utc = FirstReachedUtc(earliest->wall, toWall);
    return earliest;
}

std::vector<int> RingItemsDueBetween(const clsSaveRingData& list, int count, std::int64_t fromUtc, std::int64_t toUtc,
                                     const ClockScan::ToWall& toWall, RingFilter wanted) {
    const std::int64_t untilWall = ReachedWall(toUtc, toWall);
    std::vector<int> due;
    ForEachNext(list, count, wanted, ReachedWall(fromUtc, toWall), [&](int position, std::int64_t wall) {
        if (wall <= untilWall) due.push_back(position);
    });
    return due;
}

std::string NextRingText(const RingItem& item, std::int64_t dueWall, std::int64_t nowWall) {
    static const char* const kWeekdays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    const sys_days day = DateOf(dueWall);
    std::string when;
    if (day - DateOf(nowWall) < weeks{1}) {
        when = kWeekdays[weekday{day}.c_encoding()];
    } else {
        const year_month_day date{day};
        when = std::to_string(unsigned(date.month())) + "/" + std::to_string(unsigned(date.day())) + "/" +
               std::to_string(int(date.year()));
    }
    const hh_mm_ss time{seconds{dueWall} - floor<days>(seconds{dueWall})};
    char clock[8];
    std::snprintf(clock, sizeof clock, "%d:%02d", int(time.hours().count()), int(time.minutes().count()));
    const std::string what = item.strNotifyText.empty() ? InterpretNotifyMode(item.lngNotifyMode) : item.strNotifyText;
    return "Next: " + when + " " + clock + "  " + what;
}
