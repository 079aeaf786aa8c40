#pragma once
// Scans of a background's pixels: where the time goes and which pixels make the window's outline.
#include <cstdint>
#include <optional>
#include <vector>

// Pixels row by row from the top; only equality and pure black (0) matter, so any 24-bit colour order works.
struct PixelGrid {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    std::uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

struct TimeCorner {
    int left;
    int top;
    bool operator==(const TimeCorner&) const = default;
};

// The rightmost column holding a pure black pixel ends the 111-pixel time area; its topmost black pixel is the
// area's top. Nothing when the background has no black.
std::optional<TimeCorner> FindTimeCorner(const PixelGrid& grid);

// A one-row run of opaque pixels, [left, right) on row y.
struct RowRun {
    int y;
    int left;
    int right;
    bool operator==(const RowRun&) const = default;
};

// Runs of pixels that differ from the top-left pixel (the transparent colour), row by row, left to right.
std::vector<RowRun> OpaqueRuns(const PixelGrid& grid);

// A rectangle of the outline, [left, right) x [top, bottom).
struct OutlineRect {
    int left;
    int top;
    int right;
    int bottom;
    bool operator==(const OutlineRect&) const = default;
};

// The runs as the rectangles of a region: rows whose runs repeat those of the row above extend its rectangles
// downwards. Top to bottom, left to right, as regions keep them.
std::vector<OutlineRect> OutlineRects(const std::vector<RowRun>& runs);

// What the clock takes from a background's pixels: the window's outline and where the time goes.
struct BackgroundShape {
    std::vector<OutlineRect> outline;
    std::optional<TimeCorner> timeCorner;
};
BackgroundShape ScanBackground(const PixelGrid& grid);
