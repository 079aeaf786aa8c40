#include "dialogkit/WindowScale.h"

#include "dialogkit/DpiScale.h"
#include "system/WindowDpi.h"

int ScaleForWindow(HWND window, int value) { return ScaleByDpi(value, WindowDpi(window)); }
