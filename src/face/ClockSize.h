#pragma once
// How large the clock shows its skin: a whole multiple of the skin's pixels, so they stay sharp at any scale.
#include "face/PixelScan.h"

#include <cstdint>
#include <optional>

inline constexpr int kBaseDpi = 96;
// The sizes the options offer, in percent of the skin; Automatic is stored as no value at all.
inline constexpr std::int32_t kClockSizes[] = {100, 200, 300};

// The monitor's scale rounded down to a whole multiple: 100-199 % gives 1, 200-299 % gives 2, and so on.
int ScaleMultiple(int dpi);
// A stored size the options offer, or else (absent, Automatic, anything else) the monitor's multiple.
int ClockMultiple(std::optional<std::int32_t> storedPercent, int dpi);

// Each pixel as a multiple x multiple block.
PixelGrid ScaleGrid(const PixelGrid& grid, int multiple);
// The outline and time place of a scaled background, from those of the background itself: the outline is the
// scan's of the scaled pixels, the time area keeps its place on the enlarged panel.
BackgroundShape ScaleShape(const BackgroundShape& shape, int multiple);

struct ScreenPoint {
    int x;
    int y;
    bool operator==(const ScreenPoint&) const = default;
};
// Where a window at `origin` goes when its skin grows from `from` to `to` times, so the skin's pixel under
// `anchor` (the point the user holds it by) stays under it.
ScreenPoint KeepAnchor(ScreenPoint origin, ScreenPoint anchor, int from, int to);
