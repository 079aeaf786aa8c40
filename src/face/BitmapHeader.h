#pragma once
// A .bmp file's header, checked before the system is asked to load the file: a header that promises pixels the
// file does not hold, or more than the clock can hold, names no picture the clock can use.
#include <cstdint>
#include <optional>
#include <span>

// Enough of a file's start for the largest header the system reads.
inline constexpr std::size_t kBitmapHeadBytes = 14 + 124;

struct BitmapSize {
    int width;
    int height;
    bool operator==(const BitmapSize&) const = default;
};

// The picture's size when `head`, the file's first bytes, describes a picture of at most kMaxSkinPixels whose
// palette and pixels a file of `fileSize` bytes holds; nothing otherwise.
std::optional<BitmapSize> CheckBitmapHeader(std::span<const std::uint8_t> head, std::uint64_t fileSize);
