#pragma once
// Backgrounds of one colour with rectangles painted over them, as the scan tests build them.
#include "face/PixelScan.h"

#include <cstdint>
#include <vector>

// A background of one colour with rectangles [left, right) x [top, bottom) painted over it in turn.
struct Paint {
    int left, top, right, bottom;
    std::uint32_t colour;
};
inline PixelGrid Background(int width, int height, std::uint32_t fill, std::vector<Paint> areas) {
    PixelGrid grid{width, height, std::vector<std::uint32_t>(std::size_t(width) * height, fill)};
    for (const Paint& area : areas)
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x) grid.pixels[std::size_t(y) * width + x] = area.colour;
    return grid;
}
