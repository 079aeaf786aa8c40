#pragma once
// The tooltip on the clock window: today's date and the next alarm, kept current while the clock runs.
#include <windows.h>

#include <string>

// Attaches the tooltip to the clock window.
void CreateClockTooltip(HWND clock);
void DestroyClockTooltip();
// Everything the tooltip shows, built in one place.
std::string ClockTooltipText();
// Sets the text again when it has changed: the date crossed midnight, the clock or its format was set, or
// the next alarm moved.
void RefreshClockTooltip();
// Every message of the clock window: its mouse messages show and hide the tip.
void RelayClockTooltipMouse(UINT message, LPARAM lParam);
// The tooltip window; none before it is created.
HWND ClockTooltipWindow();
