#pragma once
// The stored alarm list under "Software\Tollwick\Data", item by item number from 1 to "DataCount".
#include "alarms/RingItem.h"

#include <optional>
#include <vector>

// "DataCount"; a missing, negative or unreadable count is 0.
int StoredRingCount();
void SaveStoredRingCount(int count);

// The item stored as `number`; nothing when its record is missing or shorter than 11 bytes.
std::optional<RingItem> ReadStoredRing(int number);
// Every stored item by number (position i holds number i + 1). A run of missing records far beyond the real
// ones ends the list early: such a count is damage, and must not keep anyone reading absent values.
std::vector<std::optional<RingItem>> ReadStoredRings();

// Writes the record and the four texts; an empty text deletes its value, so no older text outlives an edit.
void WriteStoredRing(int number, const RingItem& item);
// Sets byte 0 of a stored record; a missing or short record stays as it is.
void SaveStoredRingState(int number, bool enabled);
// Takes item `number` out and keeps the numbers dense by moving the last item into the freed number.
void RemoveStoredRing(int number);
