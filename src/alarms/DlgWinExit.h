#pragma once
#include <windows.h>

#include <string>

// Runs the modal 30-second countdown, then restarts (or else shuts down) unless cancelled; the due item's
// `text` is shown instead of the cancel hint when it is not empty. While one countdown is open another call
// returns at once and leaves it as it is.
void ShowWinExit(HWND owner, bool restart, const std::string& text);
// Line 4: the item's text, or how to cancel.
void DrawWinExitHint(HDC hdc);
// On Windows 2000 and later a process must hold the privilege before it may shut the machine down.
void EnableShutdownPrivilege();
