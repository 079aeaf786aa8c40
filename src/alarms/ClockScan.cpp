#include "alarms/ClockScan.h"

namespace {

std::int64_t NextMinuteStart(std::int64_t wall) {
    const std::int64_t intoMinute = ((wall % 60) + 60) % 60;
    return wall - intoMinute + 60;
}

}  // namespace

std::vector<std::int64_t> ClockScan::Advance(std::int64_t nowUtc) {
    std::vector<std::int64_t> minutes;
    if (!lastUtc_ || nowUtc > *lastUtc_ + kCatchUpSeconds || nowUtc < *lastUtc_ - kCatchUpSeconds) {
        lastUtc_ = nowUtc;
        lastWall_ = toWall_(nowUtc);
        Restart(lastWall_);
        Reach(reachedWall_ + 1, minutes);
        return minutes;
    }
    // Rules that no longer give the last scanned second the wall time it had are another zone's.
    bool otherRules = toWall_(*lastUtc_) != lastWall_;
    // A doubled tick, or a small step back: wait until the clock passes the last scanned second again.
    for (std::int64_t second = *lastUtc_ + 1; second <= nowUtc; ++second) {
        const std::int64_t wall = toWall_(second);
        const std::int64_t step = wall - lastWall_;
        if (otherRules || step > kLargestRuleStep || step < -kLargestRuleStep) Restart(wall);
        otherRules = false;
        Reach(wall, minutes);
        lastUtc_ = second;
        lastWall_ = wall;
    }
    return minutes;
}

void ClockScan::Restart(std::int64_t wall) { reachedWall_ = wall - 1; }

void ClockScan::Reach(std::int64_t wall, std::vector<std::int64_t>& minutes) {
    for (std::int64_t start = NextMinuteStart(reachedWall_); start <= wall; start += 60) minutes.push_back(start);
    if (wall > reachedWall_) reachedWall_ = wall;
}
