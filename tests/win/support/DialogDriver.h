#pragma once
// Drives modal dialogs from inside their own message loop, so a test never blocks on one.
#include <windows.h>

#include <functional>
#include <vector>

// The visible dialog boxes (#32770) of this thread.
std::vector<HWND> ThreadDialogs();

// Calls `open`, which shows a modal dialog, and calls `act` once with the dialog it opened as soon as that
// is up. A dialog still open after `limitMs` is closed and the result is false.
bool DriveModal(const std::function<void()>& open, const std::function<void(HWND)>& act, DWORD limitMs = 5000);

// Runs the dialog's own keyboard handling on what is waiting, for at most `milliseconds`.
void PumpDialog(HWND dialog, DWORD milliseconds);

// What a user's Enter or Escape in the dialog does: a key posted through its modal loop.
void PressKey(HWND dialog, WPARAM key);
