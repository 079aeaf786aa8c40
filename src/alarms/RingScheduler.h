#pragma once
// Once per tick: finds the alarm items that are due and runs their actions.
void CheckRingTime();
