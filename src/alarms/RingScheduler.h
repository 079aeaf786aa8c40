#pragma once
#include "alarms/RingItem.h"

// Once per tick: finds the alarm items that are due and runs their actions.
void CheckRingTime();
// Performs one item's action; returns when it has started, or when its window has closed.
void RunRingItem(const RingItem& item);
