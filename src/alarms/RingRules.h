#pragma once
// When an alarm item is due.
#include "alarms/CivilTime.h"
#include "alarms/ClockScan.h"
#include "alarms/RingItem.h"
#include "alarms/clsSaveRingData.h"

#include <chrono>
#include <optional>
#include <vector>

// The date of year, month and day with the calendar's carry: day 31 of month 4 is 1 May, month 13 is
// January of the next year. Nothing for years the calendar cannot hold.
std::optional<std::chrono::sys_days> NormalisedDate(int year, int month, int day);

// Whether the item is due at the local time `now`; an item is only ever due in the second hh:mm:00.
bool IsRingDue(const RingItem& item, const CivilTime& now);

// The positions of the items among the first `count` of `list` that are due at `now`, in list order.
std::vector<int> DueRingItems(const clsSaveRingData& list, int count, const CivilTime& now);

// The items due in the minutes `scan` newly reaches up to the UTC second `nowUtc`, minute by minute in list order.
// Copies: running one item's action may rebuild the list before the next runs.
std::vector<RingItem> DueRingsReached(ClockScan& scan, const clsSaveRingData& list, int count, std::int64_t nowUtc);
