#pragma once
// Painted text of the built-in dialogs, placed and measured in layout numbers at the DPI of the window painted.
#include <windows.h>

#include <string_view>

void DrawLayoutText(HDC dc, int x, int y, std::string_view text);
// The text's width in the DC's font, as a layout number.
int LayoutTextWidth(HDC dc, std::string_view text);
