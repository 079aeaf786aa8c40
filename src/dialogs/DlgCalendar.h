#pragma once
#include <windows.h>

// The calendar dialog, modal, owned by the clock window.
void ShowCalendarDialog(HWND owner);
