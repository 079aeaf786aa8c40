#pragma once
// The options dialog's preview: the chosen background with the time drawn in the chosen digits.
#include "face/clsDrawTime.h"

#include <windows.h>

// Composes the pictures selected in the two lists, as the clock would show them now, centred on the preview box.
// A picture that does not load leaves the box as it is. `painter` places and draws the time.
void DrawSkinPreview(HDC hdc, HWND hDlg, clsDrawTime& painter);
