#pragma once
// Which bitmaps serve as a background or as a time strip, and the random pick among listed skins.
#include <cstddef>
#include <cstdint>

constexpr bool IsBackgroundSize(int width, int height) {
    return width >= 110 && width <= 200 && height >= 26 && height <= 200;
}
constexpr bool IsTimeStripSize(int width, int height) { return width == 180 && height == 25; }

// The most pixels a skin picture may have: more than any screen shows, few enough to read at once.
inline constexpr std::int64_t kMaxSkinPixels = 2048 * 2048;
constexpr bool CanHoldSkin(std::int64_t width, std::int64_t height) {
    return width > 0 && height > 0 && width <= kMaxSkinPixels && height <= kMaxSkinPixels &&
           width * height <= kMaxSkinPixels;
}

// The most rectangles a window outline may have. Every repaint of a shaped window costs the platform time that grows
// with their number (under Wine with its square); at this many a background is shown well within a second and
// a tick's repaint stays a small part of the second.
inline constexpr std::size_t kMaxOutlineRects = 4000;

// A list position from 1 to count drawn from the seed; 1 for an empty list.
int DrawSkinIndex(int count, std::uint64_t seed);
