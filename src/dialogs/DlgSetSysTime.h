#pragma once
#include <windows.h>

// The system-time dialog, modal, owned by the clock window.
void ShowSysTimeDialog(HWND owner);
