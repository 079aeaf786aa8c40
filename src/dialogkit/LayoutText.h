#pragma once
// Painted text of the built-in dialogs, placed and measured in layout numbers at the DPI of the window painted.
#include "system/DeviceContexts.h"

#include <windows.h>

#include <string_view>

void DrawLayoutText(HDC dc, int x, int y, std::string_view text);

// Widths of texts in `font` as `window` shows them, as layout numbers: what the wrapping and placing rules measure
// with (pass it as std::cref).
class LayoutMeasure {
public:
    LayoutMeasure(HWND window, HFONT font) : window_(window), dc_(window), font_(dc_, font) {}
    int operator()(std::string_view text) const;

private:
    HWND window_;
    WindowDC dc_;
    SelectedObject font_;
};
