#pragma once
// Decides, tick by tick, which alarm items to run: those whose minute the clock scan reaches and, after
// the computer slept, once each those that fell due meanwhile. A gap in the ticks counts as sleep only
// when a power message told of it: a suspend within a minute of the gap's start, or a resume since the
// last tick. Any other gap is a jump of the clock, and nothing is caught up.
#include "alarms/ClockScan.h"
#include "alarms/RingItem.h"

#include <cstdint>
#include <optional>
#include <vector>

class RingWatch {
public:
    // Nothing older than a day is caught up.
    static constexpr std::int64_t kLongestCatchUp = 24 * 3600;
    // A computer woken by a timer goes back to sleep within two minutes unless someone uses it.
    static constexpr std::int64_t kUnattendedWake = 120;

    explicit RingWatch(ClockScan::ToWall toWall) : toWall_(toWall), scan_(std::move(toWall)) {}

    // The computer is about to sleep, or has woken up; either message alone is enough.
    void Suspending(std::int64_t nowUtc);
    void Resumed(std::int64_t nowUtc);
    // Whether the computer woke so recently that nobody may be at the screen yet.
    bool JustWoken(std::int64_t nowUtc) const;
    // Whether an alarm's window may still keep the woken computer on, the keyboard or mouse last used at
    // `lastInputUtc`: for kLongestUnattendedHold after the wake, or until it closes once someone used the computer.
    static constexpr std::int64_t kLongestUnattendedHold = 600;
    bool KeepsAwake(std::int64_t nowUtc, std::int64_t lastInputUtc) const;

    // The positions to run at the tick `nowUtc`: those missed while asleep, then those due now, each
    // group in list order. Restart and shut-down items are never run late.
    std::vector<int> Due(const clsSaveRingData& list, int count, std::int64_t nowUtc);
    // How many of the positions the last Due returned, from the first, were caught up late.
    std::size_t LateCount() const { return lateCount_; }

private:
    bool Slept(std::int64_t nowUtc) const;

    ClockScan::ToWall toWall_;
    ClockScan scan_;
    std::optional<std::int64_t> lastTick_;
    std::optional<std::int64_t> suspendedAt_;
    bool resumed_ = false;
    std::optional<std::int64_t> wokeAt_;
    std::size_t lateCount_ = 0;
};
