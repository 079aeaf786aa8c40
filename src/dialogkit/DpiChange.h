#pragma once
// WM_DPICHANGED for every built-in dialog and form: the window moves to another monitor's scale.
#include "dialogkit/DialogFont.h"

#include <windows.h>

// Takes the rectangle the system suggests, makes the font again for the new DPI and moves, sizes and re-fonts
// the window's own controls from the font's old DPI to the new one.
void FollowDpiChange(HWND window, DialogFont& font, WPARAM wParam, LPARAM lParam);
