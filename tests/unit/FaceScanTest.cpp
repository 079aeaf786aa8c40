#include "face/PixelScan.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr std::uint32_t Grey = 0x808080, Red = 0x0000FF;

struct Patch {
    int left, top, right, bottom;
    std::uint32_t colour;
};
// One colour with rectangles [left, right) x [top, bottom) painted over it.
PixelGrid Grid(int width, int height, std::uint32_t colour, std::initializer_list<Patch> patches = {}) {
    PixelGrid grid{width, height, std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height, colour)};
    for (const Patch& p : patches)
        for (int y = p.top; y < p.bottom; ++y)
            for (int x = p.left; x < p.right; ++x) grid.pixels[static_cast<std::size_t>(y) * width + x] = p.colour;
    return grid;
}

TEST(TimeCorner, RightmostBlackColumnAndItsTopmostBlackPixelDecide) {
    const struct {
        const char* name;
        PixelGrid grid;
        std::optional<TimeCorner> corner;
    } cases[] = {
        {"lone pixel at 200,12", Grid(201, 30, Grey, {{200, 12, 201, 13, 0}}), TimeCorner{91, 12}},
        // The higher area ends further left, so the lower one decides both.
        {"two areas", Grid(200, 60, Grey, {{10, 3, 150, 20, 0}, {20, 40, 160, 50, 0}}), TimeCorner{50, 40}},
        {"no black", Grid(150, 40, Grey, {{10, 10, 20, 20, 0x010101}}), std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(FindTimeCorner(c.grid), c.corner) << c.name;
}

TEST(OpaqueRuns, RowsSplitAtTheTopLeftColour) {
    const struct {
        const char* name;
        PixelGrid grid;
        std::vector<RowRun> runs;
    } cases[] = {
        {"notches, a hole and a clear row",
         Grid(6, 3, Grey, {{0, 0, 1, 1, Red}, {5, 0, 6, 1, Red}, {2, 1, 4, 2, Red}, {0, 2, 6, 3, Red}}),
         {{0, 1, 5}, {1, 0, 2}, {1, 4, 6}}},
        // An opaque top-left pixel makes its own colour transparent wherever it occurs.
        {"opaque top-left", Grid(4, 2, Grey, {{1, 0, 3, 1, Red}}), {{0, 1, 3}}},
    };
    for (const auto& c : cases) EXPECT_EQ(OpaqueRuns(c.grid), c.runs) << c.name;
}

}  // namespace
