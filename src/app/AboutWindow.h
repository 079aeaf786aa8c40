#pragma once
// The About window (Form4): the program's picture in a small captioned window; a click on it closes it.
#include <windows.h>

// Shows the window, or brings it forward when it is already open.
void ShowForm4();
// The open About window, or 0.
HWND Form4Window();
