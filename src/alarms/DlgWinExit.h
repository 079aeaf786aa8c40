#pragma once
#include <windows.h>

#include <string>

// True (-1): restart; false: shut down. Set before ShowWinExit.
extern short ExitRestart;
// Shown instead of the cancel hint when an item has a text; kept from one item to the next.
extern std::string ExitText;
// Runs the modal 30-second countdown, then restarts or shuts down unless cancelled.
void ShowWinExit(HWND owner);
