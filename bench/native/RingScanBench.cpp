// Scan cost per tick for 10,000 enabled items: judging every item on every tick (baseline) against
// the clock scan, which judges items only when a tick reaches a minute start.
#include "../Bench.h"
#include "alarms/ClockScan.h"
#include "alarms/RingRules.h"

int main() {
    constexpr int kItems = 10000;
    clsSaveRingData list;
    for (int i = 0; i < kItems; ++i) {
        list.push_back({1, RingAction::Sound, RingRepeat(2 + i % 4), i % 7, std::int16_t(i / 60 % 24),
                        std::int16_t(i % 60), 20, 26, std::int16_t(1 + i % 12), std::int16_t(1 + i % 28), 0, "", "",
                        i % 3 ? "C:\\Sounds\\alarm.wav" : "", ""});
    }
    const std::int64_t start = CivilSeconds(CivilTime{2026, 12, 7, 7, 0, 0});
    std::size_t sink = 0;

    constexpr int kTicks = 600;
    const double everyItemEveryTick =
        bench::MedianMicros(5,
                            [&] {
                                for (std::int64_t second = start; second < start + kTicks; ++second) {
                                    const CivilTime now = ToCivil(second);
                                    for (int i = 1; i <= kItems; ++i) sink += IsRingDue(list[i - 1], now);
                                }
                            }) /
        kTicks;
    ClockScan scan([](std::int64_t utc) { return utc; });
    std::int64_t second = start;
    const double scanned = bench::MedianMicros(5,
                                               [&] {
                                                   for (int tick = 0; tick < kTicks; ++tick, ++second)
                                                       for (const auto minute : scan.Advance(second))
                                                           sink += DueRingItems(list, kItems, ToCivil(minute)).size();
                                               }) /
                           kTicks;
    double minuteTick = 0;
    {
        std::vector<double> ticks;
        for (int run = 0; run < 21; ++run) {
            ClockScan fresh([](std::int64_t utc) { return utc; });
            fresh.Advance(start + 59);
            ticks.push_back(bench::MedianMicros(1, [&] {
                for (const auto minute : fresh.Advance(start + 60))
                    sink += DueRingItems(list, kItems, ToCivil(minute)).size();
            }));
        }
        minuteTick = bench::Percentile(ticks, 0.5);
    }
    std::printf("10,000 enabled items, per tick:\n");
    bench::Report("average tick: every item vs clock scan", everyItemEveryTick, scanned);
    bench::Report("tick at a minute start vs every item", everyItemEveryTick, minuteTick);
    return sink == 0;
}
