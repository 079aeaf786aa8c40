#pragma once
// What screen readers learn about the clock window. Its client area is named after the program and the time it
// shows, while the window's title stays the one a second copy and the uninstaller look it up by.
#include <windows.h>

#include <string>

// The answer to WM_GETOBJECT: the named client area, or 0 for any other object (the default handling gives those).
LRESULT ClockAccessibleObject(HWND clock, WPARAM flags, LPARAM objectId);
// Renames the client area when the minute shown changes, and tells whoever listens: at most once a minute, so a
// reader does not chatter.
void FollowClockMinute(HWND clock, const SYSTEMTIME& now);
// The window is going; a reader still holding the object keeps a working copy.
void ReleaseClockAccessible();
// "Marrowby Clock, 07:30".
std::string ClockAccessibleName(const SYSTEMTIME& time);
