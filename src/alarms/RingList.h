#pragma once
// The alarm items the clock runs, loaded from the registry.
#include "alarms/RingItem.h"

#include <cstdint>
#include <optional>
#include <vector>

// The scheduler's list (the readable stored items) and the number of its items the scheduler examines.
extern clsSaveRingData RingList;
extern std::int32_t RingCount;

// Rebuilds the scheduler's list, and the stored list below, from the registry. Whatever writes the stored
// list calls it after, so both always show what is stored.
void LoadRingData();
// Every stored item by number as last loaded (position i holds number i + 1); nothing where the record is
// damaged.
const std::vector<std::optional<RingItem>>& StoredRingList();

// The stored number of the scheduler's item at `position` (from 1): damaged records take no position.
int StoredNumberAt(int position);

// Called after every LoadRingData and whenever items fall due, so that whatever shows or arms the next
// alarm follows it; the main window sets it for its lifetime.
extern void (*NextRingMoved)();
