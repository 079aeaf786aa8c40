#pragma once
// Rebuilds the scheduler's alarm list from the registry.
void LoadRingData();
