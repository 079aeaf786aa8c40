#pragma once
// Where the clock stands, how large and how transparent it is, and how it first appears.
#include "face/Skin.h"

#include <windows.h>

#include <string_view>

// Moves the clock, already at its size, to the stored position (or centres it) at creation. The position is read
// and written as a copy unaware of display scales sees it, so older copies and this one place the clock alike.
void PlaceClockWindow(HWND hwnd);
// The skin's size and outline, and the stored opacity; at creation and whenever the options change the skin.
void ApplyAppearance(HWND hwnd, const Skin& skin);
// Acts on an option of "Software\Tollwick\Option" that is a number above 0: "Windowpos" (on the clock window),
// "RndBackBmp", "RndTimeBmp". Other names do nothing.
void ApplyOption(HWND clock, std::string_view name);
// The first showing: normal, or minimised to the tray when "IconRun" is on.
void ApplyStartState(HWND clock);
