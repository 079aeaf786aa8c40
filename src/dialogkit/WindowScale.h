#pragma once
// Every layout number of a dialog or form goes through here on its way to the screen.
#include <windows.h>

// A layout number at the DPI of the monitor `window` is on.
int ScaleForWindow(HWND window, int value);
