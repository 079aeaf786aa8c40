#pragma once
// Which bitmaps serve as a background or as a time strip, and the random pick among listed skins.
#include <cstdint>

constexpr bool IsBackgroundSize(int width, int height) {
    return width >= 110 && width <= 200 && height >= 26 && height <= 200;
}
constexpr bool IsTimeStripSize(int width, int height) { return width == 180 && height == 25; }

// A list position from 1 to count drawn from the seed; 1 for an empty list.
int DrawSkinIndex(int count, std::uint64_t seed);
