#pragma once
// The straightforward way to find a background's outline and time place: one GetPixel per pixel and one
// CombineRgn per run. Only tests and benchmarks use it, as the reference the program's result must equal.
#include <windows.h>

#include <optional>

inline HRGN PerPixelRegion(HDC dc, int width, int height) {
    const COLORREF transparent = GetPixel(dc, 0, 0);
    HRGN region = nullptr;
    for (int y = 0; y < height; ++y) {
        int start = -1;
        for (int x = 0; x <= width; ++x) {
            const COLORREF pixel = GetPixel(dc, x, y);
            if (x != width && pixel != transparent) {
                if (start < 0) start = x;
            } else if (start >= 0) {
                const HRGN piece = CreateRectRgn(start, y, x, y + 1);
                if (!region) {
                    region = piece;
                } else {
                    CombineRgn(region, region, piece, RGN_OR);
                    DeleteObject(piece);
                }
                start = -1;
            }
        }
    }
    return region;
}

inline int PerPixelShape(HWND hwnd, HDC dc, int width, int height) {
    return SetWindowRgn(hwnd, PerPixelRegion(dc, width, height), TRUE);
}

inline std::optional<POINT> PerPixelTimePos(HDC dc, int width, int height) {
    std::optional<POINT> place;
    for (int x = 0; x < width; ++x)
        for (int y = 0; y < height; ++y)
            if (GetPixel(dc, x, y) == 0) {
                place = POINT{x - 109, y};
                break;
            }
    return place;
}
