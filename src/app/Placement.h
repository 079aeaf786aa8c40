#pragma once
// Where the clock stands, how large and how transparent it is, and how it first appears.
#include <windows.h>

#include <string_view>

// Position (stored, or centred) and size at creation.
void PlaceClockWindow(HWND hwnd);
// Size, opacity, outline and time position; at creation and whenever the options change the skin.
void ApplyAppearance(HWND hwnd);
// Acts on an option of "Software\Tollwick\Option" that is a number above 0: "Windowpos", "RndBackBmp",
// "RndTimeBmp". Other names do nothing.
void ApplyOption(std::string_view name);
// The first showing: normal, or minimised to the tray when "IconRun" is on.
void ApplyStartState();
