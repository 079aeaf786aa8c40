#pragma once
#include <windows.h>

#include <string>

// True (-1): restart; false: shut down. Set before ShowWinExit.
extern short ExitRestart;
// The due item's text, shown instead of the cancel hint when it is not empty.
extern std::string ExitText;
// Runs the modal 30-second countdown, then restarts or shuts down unless cancelled. While one countdown is
// open another call returns at once and leaves it as it is.
void ShowWinExit(HWND owner);
// Line 4: the item's text, or how to cancel.
void DrawWinExitHint(HDC hdc);
// On Windows 2000 and later a process must hold the privilege before it may shut the machine down.
void EnableShutdownPrivilege();
