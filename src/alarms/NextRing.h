#pragma once
// When alarm items fall due next, as the clock scan will reach them: an item's next due wall minute, and
// the UTC second at which local time first reaches it. In an hour the clocks skip that is the end of the
// gap; in an hour they repeat, the first pass.
#include "alarms/ClockScan.h"
#include "alarms/RingItem.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The first wall minute start after `afterWall` at which the item is due; nothing when it never is again.
std::optional<std::int64_t> NextRingWall(const RingItem& item, std::int64_t afterWall);

// The latest wall second local time has shown up to the UTC second `utc`: after the clocks go back it
// stays ahead of the wall clock until the repeated hour has passed again.
std::int64_t ReachedWall(std::int64_t utc, const ClockScan::ToWall& toWall);
// The first UTC second at which local time has reached the wall second `wall`.
std::int64_t FirstReachedUtc(std::int64_t wall, const ClockScan::ToWall& toWall);

// The UTC second after `afterUtc` at which the item next falls due.
std::optional<std::int64_t> NextRingUtc(const RingItem& item, std::int64_t afterUtc, const ClockScan::ToWall& toWall);

// Which items a question is about, by their action.
using RingFilter = bool (*)(const RingItem& item);

struct NextRing {
    int position;
    std::int64_t wall;  // the item's date and time
    std::int64_t utc;   // when the scan reaches it
};

// The item among the first `count` of `list` that `wanted` accepts and that falls due first after
// `afterUtc`; of items due together, the first in the list.
std::optional<NextRing> EarliestRing(const clsSaveRingData& list, int count, std::int64_t afterUtc,
                                     const ClockScan::ToWall& toWall, RingFilter wanted);

// The positions, in list order, of the items among the first `count` of `list` that `wanted` accepts and
// that fell due at least once after `fromUtc` and up to `toUtc`.
std::vector<int> RingItemsDueBetween(const clsSaveRingData& list, int count, std::int64_t fromUtc, std::int64_t toUtc,
                                     const ClockScan::ToWall& toWall, RingFilter wanted);

// "Next: Mon 7:00  Get up": the weekday within the coming week, the date further on; the item's text, or
// the words for its action when it has none.
std::string NextRingText(const RingItem& item, std::int64_t dueWall, std::int64_t nowWall);
