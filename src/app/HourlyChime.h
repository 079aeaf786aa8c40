#pragma once
// The hourly chime: settings read when the main window is created, and the check on every tick.
void ReadChimeSettings();
void CheckHourlyChime();
