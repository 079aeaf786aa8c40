#pragma once
#include "alarms/RingItem.h"

#include <windows.h>

// Once per tick: finds the alarm items that are due, or were missed while the computer slept, and runs
// their actions; windows belong to `owner`.
void CheckRingTime(HWND owner);
// Performs one item's action; returns when it has started, or when its window has closed.
void RunRingItem(const RingItem& item, HWND owner);
// The power messages: the next gap in the ticks is the computer's sleep.
void RingSuspending();
void RingResumed();
