#pragma once
#include <windows.h>

// Places a window of width x height pixels in the middle of the desktop, moved into the work area of the monitor it
// lands on where it would stick out (a tall dialog at a large scale keeps its title bar on the screen).
void PlaceCentred(HWND window, int width, int height);
