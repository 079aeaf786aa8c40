#pragma once
// Every layout number of a dialog or form goes through here on its way to the screen.
#include <windows.h>

// A layout number at the DPI of the monitor `window` is on.
int ScaleForWindow(HWND window, int value);
// A measured length in the window's pixels as a layout number, so it adds to the layout's own numbers.
int LayoutForWindow(HWND window, int pixels);
// A rectangle of layout numbers at the window's DPI.
RECT ScaleRectForWindow(HWND window, const RECT& layout);
