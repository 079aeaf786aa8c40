#pragma once
// The stored alarm list under "Software\Tollwick\Data", item by item number from 1 to "DataCount".
#include "alarms/RingItem.h"

#include <optional>
#include <vector>

// The numbers in use: 1 to the last record present up to "DataCount", and on past it while records follow
// without a gap, so that no stored item is hidden or overwritten whatever the count says. A run of missing
// records far beyond the real ones ends the list early, and no list grows beyond kMaxStoredRings.
inline constexpr int kMaxStoredRings = 10000;
int StoredRingCount();
void SaveStoredRingCount(int count);

// The item stored as `number`; nothing when its record is missing or shorter than 11 bytes.
std::optional<RingItem> ReadStoredRing(int number);
// Every stored item by number (position i holds number i + 1), up to StoredRingCount().
std::vector<std::optional<RingItem>> ReadStoredRings();

// Writes the record and the four texts; an empty text deletes its value, so no older text outlives an edit.
void WriteStoredRing(int number, const RingItem& item);
// Stores a new item after the last one and counts it; its number, or nothing when the list is full.
std::optional<int> AppendStoredRing(const RingItem& item);
// Sets byte 0 of a stored record; a missing or short record stays as it is. Unticking drops the item's snooze.
void SaveStoredRingState(int number, bool enabled);
// Takes item `number` out, with its snooze, and keeps the numbers dense by moving the last item (and its snooze)
// into the freed number.
void RemoveStoredRing(int number);
