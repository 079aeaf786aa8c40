#pragma once
#include <windows.h>

// The system-time dialog, modal, owned by the clock window. While one is open another request brings it
// to the front.
void ShowSysTimeDialog(HWND owner);
