#pragma once
#include "alarms/clsSaveRingData.h"

#include <cstdint>

// The scheduler's alarm list and the number of its items the scheduler examines.
extern clsSaveRingData RingList;
extern std::int32_t RingCount;

// Rebuilds the scheduler's alarm list from the registry.
void LoadRingData();

// Called after every LoadRingData and whenever items fall due, so that whatever shows or arms the next
// alarm follows it; the main window sets it for its lifetime.
extern void (*NextRingMoved)();
