#include "alarms/RingWatch.h"

#include "alarms/NextRing.h"
#include "alarms/RingRules.h"

#include <algorithm>

void RingWatch::Suspending(std::int64_t nowUtc) { suspendedAt_ = nowUtc; }

void RingWatch::Resumed(std::int64_t nowUtc) {
    resumed_ = true;
    wokeAt_ = nowUtc;
}

bool RingWatch::JustWoken(std::int64_t nowUtc) const {
    return wokeAt_ && nowUtc >= *wokeAt_ && nowUtc - *wokeAt_ <= kUnattendedWake;
}

bool RingWatch::KeepsAwake(std::int64_t nowUtc, std::int64_t lastInputUtc) const {
    return !wokeAt_ || lastInputUtc > *wokeAt_ || nowUtc - *wokeAt_ < kLongestUnattendedHold;
}

bool RingWatch::Slept(std::int64_t nowUtc) const {
    if (!lastTick_ || nowUtc <= *lastTick_ + 1) return false;
    return resumed_ ||
           (suspendedAt_ && *suspendedAt_ >= *lastTick_ - ClockScan::kCatchUpSeconds && *suspendedAt_ <= nowUtc);
}

std::vector<int> RingWatch::Due(const clsSaveRingData& list, int count, std::int64_t nowUtc) {
    std::vector<int> due;
    if (Slept(nowUtc)) {
        // The seconds the scan missed are caught up here, once per item, and the scan starts afresh.
        due = RingItemsDueBetween(list, count, std::max(*lastTick_, nowUtc - kLongestCatchUp), nowUtc - 1, toWall_,
                                  RunsLate);
        scan_ = ClockScan(toWall_);
        suspendedAt_.reset();
        wokeAt_ = nowUtc;
    }
    // The first tick after a resume has either caught up the sleep or found none to catch up.
    resumed_ = false;
    lastTick_ = nowUtc;
    lateCount_ = due.size();
    for (const std::int64_t minute : scan_.Advance(nowUtc))
        for (const int position : DueRingItems(list, count, ToCivil(minute))) due.push_back(position);
    return due;
}
