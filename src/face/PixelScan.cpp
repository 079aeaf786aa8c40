#include "face/PixelScan.h"

namespace {
// The rightmost black column of a panel stands 109 pixels right of the time area's left edge.
constexpr int BlackColumnToLeft = 109;
}  // namespace

std::optional<TimeCorner> FindTimeCorner(const PixelGrid& grid) {
    for (int x = grid.width - 1; x >= 0; --x)
        for (int y = 0; y < grid.height; ++y)
            if (grid.at(x, y) == 0) return TimeCorner{x - BlackColumnToLeft, y};
    return std::nullopt;
}

std::vector<RowRun> OpaqueRuns(const PixelGrid& grid) {
    std::vector<RowRun> runs;
    if (grid.width <= 0 || grid.height <= 0) return runs;
    const std::uint32_t transparent = grid.at(0, 0);
    for (int y = 0; y < grid.height; ++y) {
        int x = 0;
        while (x < grid.width) {
            while (x < grid.width && grid.at(x, y) == transparent) ++x;
            const int start = x;
            while (x < grid.width && grid.at(x, y) != transparent) ++x;
            if (x > start) runs.push_back({y, start, x});
        }
    }
    return runs;
}
