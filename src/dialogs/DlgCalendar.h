#pragma once
#include <windows.h>

// The calendar dialog, modal, owned by the clock window. While one is open another request brings it to
// the front.
void ShowCalendarDialog(HWND owner);
