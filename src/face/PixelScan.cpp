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

namespace {

// The runs of one row: [first, last) of `runs`.
bool SameColumns(const std::vector<RowRun>& runs, std::size_t first, std::size_t last, std::size_t otherFirst,
                 std::size_t otherLast) {
    if (last - first != otherLast - otherFirst) return false;
    for (std::size_t i = 0; i < last - first; ++i)
        if (runs[first + i].left != runs[otherFirst + i].left || runs[first + i].right != runs[otherFirst + i].right)
            return false;
    return true;
}

}  // namespace

std::vector<OutlineRect> OutlineRects(const std::vector<RowRun>& runs) {
    std::vector<OutlineRect> rects;
    std::size_t bandRects = 0;          // rectangles of the band the last row joined, at the end of `rects`
    std::size_t previous = 0, row = 0;  // where the previous row's runs and this row's start
    while (row < runs.size()) {
        std::size_t end = row;
        while (end < runs.size() && runs[end].y == runs[row].y) ++end;
        const bool continues =
            row > 0 && runs[previous].y + 1 == runs[row].y && SameColumns(runs, previous, row, row, end);
        if (continues) {
            for (std::size_t i = rects.size() - bandRects; i < rects.size(); ++i) rects[i].bottom = runs[row].y + 1;
        } else {
            for (std::size_t i = row; i < end; ++i)
                rects.push_back({runs[i].left, runs[i].y, runs[i].right, runs[i].y + 1});
            bandRects = end - row;
        }
        previous = row;
        row = end;
    }
    return rects;
}

BackgroundShape ScanBackground(const PixelGrid& grid) { return {OutlineRects(OpaqueRuns(grid)), FindTimeCorner(grid)}; }
