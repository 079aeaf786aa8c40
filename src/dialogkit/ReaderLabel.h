#pragma once
// Screen readers name a control without a caption of its own after the static text right before it in the Z
// order, which is the reverse tab order of a dialog.
#include <windows.h>

// Moves `label` right before `control` in the Z order; the tab order of focusable controls stays as it is.
void PutLabelBefore(HWND label, HWND control);
// A hidden label for a control whose purpose the window shows in another way (a button or caption beside it).
void AddHiddenLabel(HWND control, const char* name);
