#pragma once
// Follows the clock from tick to tick so that every local minute start (hh:mm:00) is reached exactly
// once, whether ticks come late, twice in one second, or not at all for a while.
//
// Ticks are counted in UTC seconds and each scanned second is judged in local wall time, so a change of
// the local clock by the time zone's rules is not mistaken for a jump: in a repeated hour the wall time
// already passed is not reached again, and the minutes of a skipped hour are all reached right after
// the gap. A real jump restarts from the current second without catching up: more than a minute forward
// or back, or a wall step that the zone's current rules do not make at that second (the user chose
// another zone).
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class ClockScan {
public:
    // Local wall time, in seconds as CivilSeconds counts them, of a UTC second by the zone's current rules.
    using ToWall = std::function<std::int64_t(std::int64_t utcSeconds)>;

    static constexpr std::int64_t kCatchUpSeconds = 60;
    // The largest step any time zone's daylight rule makes.
    static constexpr std::int64_t kLargestRuleStep = 2 * 3600;

    explicit ClockScan(ToWall toWall) : toWall_(std::move(toWall)) {}

    // The wall minute starts newly reached up to the UTC second `nowUtc`, oldest first.
    std::vector<std::int64_t> Advance(std::int64_t nowUtc);

private:
    void Restart(std::int64_t wall);
    void Reach(std::int64_t wall, std::vector<std::int64_t>& minutes);

    ToWall toWall_;
    std::optional<std::int64_t> lastUtc_;
    std::int64_t lastWall_ = 0;  // the wall time of lastUtc_ when it was scanned
    std::int64_t reachedWall_ = 0;
};
