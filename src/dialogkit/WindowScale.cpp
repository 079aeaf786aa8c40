#include "dialogkit/WindowScale.h"

#include "dialogkit/DpiScale.h"
#include "system/WindowDpi.h"

int ScaleForWindow(HWND window, int value) { return ScaleByDpi(value, WindowDpi(window)); }

int LayoutForWindow(HWND window, int pixels) { return ScaleBetweenDpi(pixels, kLayoutDpi, WindowDpi(window)); }

RECT ScaleRectForWindow(HWND window, const RECT& layout) {
    const int dpi = WindowDpi(window);
    return {ScaleByDpi(layout.left, dpi), ScaleByDpi(layout.top, dpi), ScaleByDpi(layout.right, dpi),
            ScaleByDpi(layout.bottom, dpi)};
}
