// The earliest next occurrence among 10,000 enabled items of every repeat mode, in Berlin time: asking
// each item for its own UTC instant (baseline) against comparing wall times and converting only the
// earliest, as the wake timer and the tooltip do.
#include "../Bench.h"
#include "alarms/NextRing.h"
#include "system/CivilTime.h"

namespace {

const std::int64_t kSpring = CivilSeconds(CivilTime{2026, 3, 29, 1, 0});
const std::int64_t kAutumn = CivilSeconds(CivilTime{2026, 10, 25, 1, 0});
std::int64_t Berlin(std::int64_t utc) { return utc + (utc >= kSpring && utc < kAutumn ? 7200 : 3600); }

bool Any(const RingItem&) { return true; }

}  // namespace

int main() {
    constexpr int kItems = 10000;
    clsSaveRingData list;
    for (int i = 0; i < kItems; ++i) {
        list.push_back({1, RingAction(i % 5), RingRepeat(1 + i % 5), i % 7, std::int16_t(i / 60 % 24),
                        std::int16_t(i % 60), 20, std::int16_t(26 + i % 3), std::int16_t(1 + i % 12),
                        std::int16_t(1 + i % 31), 0, i % 2 ? "Get up" : "", "", i % 3 ? "C:\\Sounds\\alarm.wav" : "",
                        ""});
    }
    // Late on the night the clocks go back, in the repeated hour: the hardest instant to convert.
    const std::int64_t now = kAutumn + 1800;
    std::int64_t sink = 0;

    const ClockScan::ToWall zone = Berlin;
    const double eachItem = bench::MedianMicros(7, [&] {
        std::optional<std::int64_t> earliest;
        for (int i = 1; i <= kItems; ++i) {
            const auto due = NextRingUtc(list[i - 1], now, zone);
            if (due && (!earliest || *due < *earliest)) earliest = due;
        }
        sink += earliest.value_or(0);
    });
    const double earliest = bench::MedianMicros(7, [&] { sink += EarliestRing(list, kItems, now, zone, Any)->utc; });
    std::printf("10,000 enabled items, earliest next occurrence (target under 5 ms):\n");
    bench::Report("each item's UTC vs earliest wall", eachItem, earliest);
    return sink == 0;
}
