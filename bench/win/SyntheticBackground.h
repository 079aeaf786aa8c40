#pragma once
// Backgrounds drawn by a function of (x, y), as bitmaps like a loaded skin picture.
#include "system/DeviceContexts.h"

#include <windows.h>

#include <cstdint>
#include <vector>

template <typename Colour>
GdiBitmap SyntheticBackground(int width, int height, Colour colourAt) {
    const WindowDC screen(nullptr);
    GdiBitmap bitmap(CreateCompatibleBitmap(screen, width, height));
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = width;
    format.bmiHeader.biHeight = -height;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    std::vector<std::uint32_t> bits(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const COLORREF c = colourAt(x, y);
            bits[static_cast<std::size_t>(y) * width + x] = (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
        }
    SetDIBits(screen, bitmap, 0, height, bits.data(), &format, DIB_RGB_COLORS);
    return bitmap;
}
