#pragma once
// When an alarm item is due.
#include "alarms/RingItem.h"
#include "system/CivilTime.h"

#include <chrono>
#include <optional>
#include <vector>

// The date of an only-once item: its four-digit year text read as a number, with the calendar's carry.
std::optional<std::chrono::sys_days> OnceDate(const RingItem& item);

// Whether the item is due at the local time `now`; an item is only ever due in the second hh:mm:00.
bool IsRingDue(const RingItem& item, const CivilTime& now);

// What an item's action allows: waking the computer for it (a sound or a text), running it late after the
// computer slept (anything but restarting or shutting down), and whether it does anything at all.
bool WakesComputer(const RingItem& item);
bool RunsLate(const RingItem& item);
bool HasAction(const RingItem& item);

// The positions of the items among the first `count` of `list` that are due at `now`, in list order.
std::vector<int> DueRingItems(const clsSaveRingData& list, int count, const CivilTime& now);
