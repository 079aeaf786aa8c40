#include "face/DCPixels.h"

#include "face/SkinRules.h"
#include "system/DeviceContexts.h"

#include <algorithm>

PixelGrid ReadPixels(HDC dc, int width, int height) {
    PixelGrid grid;
    if (!CanHoldSkin(width, height)) return grid;
    grid.width = width;
    grid.height = height;
    grid.pixels.assign(static_cast<std::size_t>(grid.width) * grid.height, CLR_INVALID);

    const auto bitmap = static_cast<HBITMAP>(GetCurrentObject(dc, OBJ_BITMAP));
    BITMAP description{};
    if (!bitmap || !GetObjectA(bitmap, sizeof description, &description)) return grid;
    const int bitmapWidth = description.bmWidth;
    const int bitmapHeight = description.bmHeight;
    if (!CanHoldSkin(bitmapWidth, bitmapHeight)) return grid;

    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = bitmapWidth;
    format.bmiHeader.biHeight = -bitmapHeight;  // top-down rows
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    std::vector<std::uint32_t> bits(static_cast<std::size_t>(bitmapWidth) * bitmapHeight);

    int rows = GetDIBits(dc, bitmap, 0, bitmapHeight, bits.data(), &format, DIB_RGB_COLORS);
    if (rows != bitmapHeight) {
        // A platform that holds to GetDIBits' rule wants the bitmap out of every DC: a stand-in takes its place
        // meanwhile. Swapping costs more than the read itself, so it is only the second try.
        const GdiBitmap standIn(CreateCompatibleBitmap(dc, 1, 1));
        {
            const SelectedObject swapped(dc, standIn);
            rows = GetDIBits(dc, bitmap, 0, bitmapHeight, bits.data(), &format, DIB_RGB_COLORS);
        }
        if (rows != bitmapHeight) return grid;
    }

    // 0x00RRGGBB in the DIB; GetPixel's COLORREF is 0x00BBGGRR.
    for (std::uint32_t& pixel : bits) pixel = RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
    if (grid.width == bitmapWidth && grid.height == bitmapHeight) {
        grid.pixels = std::move(bits);
        return grid;
    }
    const int copyWidth = std::min(grid.width, bitmapWidth);
    for (int y = 0; y < std::min(grid.height, bitmapHeight); ++y)
        std::copy_n(bits.begin() + static_cast<std::ptrdiff_t>(y) * bitmapWidth, copyWidth,
                    grid.pixels.begin() + static_cast<std::ptrdiff_t>(y) * grid.width);
    return grid;
}
