#include "face/ClockSize.h"

#include <algorithm>

namespace {
// Beyond this a skin would fill a screen rather than mark the time.
constexpr int kLargestMultiple = 8;
}  // namespace

int ScaleMultiple(int dpi) { return std::clamp(dpi * 100 / kBaseDpi / 100, 1, kLargestMultiple); }

int ClockMultiple(std::optional<std::int32_t> storedPercent, int dpi) {
    if (storedPercent && std::ranges::find(kClockSizes, *storedPercent) != std::end(kClockSizes))
        return *storedPercent / 100;
    return ScaleMultiple(dpi);
}

PixelGrid ScaleGrid(const PixelGrid& grid, int multiple) {
    PixelGrid scaled{grid.width * multiple, grid.height * multiple, {}};
    scaled.pixels.reserve(static_cast<std::size_t>(scaled.width) * scaled.height);
    for (int y = 0; y < scaled.height; ++y)
        for (int x = 0; x < scaled.width; ++x) scaled.pixels.push_back(grid.at(x / multiple, y / multiple));
    return scaled;
}

BackgroundShape ScaleShape(const BackgroundShape& shape, int multiple) {
    BackgroundShape scaled;
    scaled.outline.reserve(shape.outline.size());
    for (const OutlineRect& rect : shape.outline)
        scaled.outline.push_back(
            {rect.left * multiple, rect.top * multiple, rect.right * multiple, rect.bottom * multiple});
    if (shape.timeCorner)
        scaled.timeCorner = TimeCorner{shape.timeCorner->left * multiple, shape.timeCorner->top * multiple};
    return scaled;
}

ScreenPoint KeepAnchor(ScreenPoint origin, ScreenPoint anchor, int from, int to) {
    return {anchor.x - (anchor.x - origin.x) * to / from, anchor.y - (anchor.y - origin.y) * to / from};
}
