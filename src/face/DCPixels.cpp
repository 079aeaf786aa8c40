#include "face/DCPixels.h"

#include "face/SkinRules.h"
#include "system/DeviceContexts.h"

PixelGrid ReadPixels(HDC dc) {
    const auto bitmap = static_cast<HBITMAP>(GetCurrentObject(dc, OBJ_BITMAP));
    BITMAP description{};
    if (!bitmap || !GetObjectA(bitmap, sizeof description, &description)) return {};
    const int width = description.bmWidth, height = description.bmHeight;
    if (!CanHoldSkin(width, height)) return {};
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = width;
    format.bmiHeader.biHeight = -height;  // top-down rows
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    PixelGrid grid{width, height, std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height)};
    int rows = GetDIBits(dc, bitmap, 0, height, grid.pixels.data(), &format, DIB_RGB_COLORS);
    if (rows != height) {
        // A platform that holds to GetDIBits' rule wants the bitmap out of every DC: a stand-in takes its place
        // meanwhile. Swapping costs more than the read itself, so it is only the second try.
        const GdiBitmap standIn(CreateCompatibleBitmap(dc, 1, 1));
        const SelectedObject swapped(dc, standIn);
        rows = GetDIBits(dc, bitmap, 0, height, grid.pixels.data(), &format, DIB_RGB_COLORS);
        if (rows != height) return {};
    }
    // 0x00RRGGBB in the DIB; GetPixel's COLORREF is 0x00BBGGRR.
    for (std::uint32_t& pixel : grid.pixels) pixel = RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
    return grid;
}
