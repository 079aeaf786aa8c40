#include "face/DCPixels.h"

#include "face/GdiHandles.h"

#include <algorithm>

PixelGrid ReadPixels(HDC dc, int width, int height) {
    PixelGrid grid;
    grid.width = std::max(width, 0);
    grid.height = std::max(height, 0);
    grid.pixels.assign(static_cast<std::size_t>(grid.width) * grid.height, CLR_INVALID);

    const auto bitmap = static_cast<HBITMAP>(GetCurrentObject(dc, OBJ_BITMAP));
    BITMAP description{};
    if (!bitmap || !GetObjectA(bitmap, sizeof description, &description)) return grid;
    const int bitmapWidth = description.bmWidth;
    const int bitmapHeight = description.bmHeight;
    if (bitmapWidth <= 0 || bitmapHeight <= 0) return grid;

    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = bitmapWidth;
    format.bmiHeader.biHeight = -bitmapHeight;  // top-down rows
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    std::vector<std::uint32_t> bits(static_cast<std::size_t>(bitmapWidth) * bitmapHeight);

    // GetDIBits wants its bitmap out of every DC, so a stand-in takes its place while the bits are read.
    GdiBitmap standIn(CreateCompatibleBitmap(dc, 1, 1));
    SelectObject(dc, standIn.get());
    const int rows = GetDIBits(dc, bitmap, 0, bitmapHeight, bits.data(), &format, DIB_RGB_COLORS);
    SelectObject(dc, bitmap);
    if (rows != bitmapHeight) return grid;

    const int copyWidth = std::min(grid.width, bitmapWidth);
    const int copyHeight = std::min(grid.height, bitmapHeight);
    for (int y = 0; y < copyHeight; ++y)
        for (int x = 0; x < copyWidth; ++x) {
            const std::uint32_t rgb = bits[static_cast<std::size_t>(y) * bitmapWidth + x];
            // 0x00RRGGBB in the DIB; GetPixel's COLORREF is 0x00BBGGRR.
            grid.pixels[static_cast<std::size_t>(y) * grid.width + x] =
                RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
        }
    return grid;
}
