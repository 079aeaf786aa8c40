#pragma once
#include <windows.h>

// The options dialog, modal, owned by the clock window.
void ShowOptionDialog(HWND owner);
