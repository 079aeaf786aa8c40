#pragma once
// The notification-area icon that stands in for the clock while it is minimised.
#include <windows.h>

// The message the icon sends to the window for mouse input on it (the mouse message in lParam).
inline constexpr UINT WM_TRAYCALLBACK = WM_USER + 108;

void AddTrayIcon(HWND hwnd);
// Also safe when no icon is shown.
void RemoveTrayIcon();
