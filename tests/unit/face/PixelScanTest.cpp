#include "face/PixelScan.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace {

// A background of one colour with rectangles [left, right) x [top, bottom) painted over it in turn.
struct Paint {
    int left, top, right, bottom;
    std::uint32_t colour;
};
PixelGrid Background(int width, int height, std::uint32_t fill, std::vector<Paint> areas) {
    PixelGrid grid{width, height, std::vector<std::uint32_t>(std::size_t(width) * height, fill)};
    for (const Paint& area : areas)
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x) grid.pixels[std::size_t(y) * width + x] = area.colour;
    return grid;
}

// One scan of a background's pixels gives the window's outline (the pixels unlike the top-left one, rows that
// repeat merged) and the time's corner (109 left of the rightmost black column, at its topmost black pixel).
TEST(BackgroundScan, OutlineAndTimeCornerFromOnePixelBuffer) {
    constexpr std::uint32_t red = 0x0000FF, grey = 0x808080, black = 0;
    const std::vector<Paint> builtIn{
        {0, 0, 1, 1, red}, {119, 0, 120, 1, red}, {0, 37, 1, 38, red}, {119, 37, 120, 38, red}, {5, 7, 115, 32, black}};
    const std::tuple<const char*, PixelGrid, std::vector<OutlineRect>, std::optional<TimeCorner>> cases[] = {
        {"built-in: red corners, black panel",
         Background(120, 38, grey, builtIn),
         {{1, 0, 119, 1}, {0, 1, 120, 37}, {1, 37, 119, 38}},
         TimeCorner{5, 7}},
        {"only black pixel at column 200, row 12",
         Background(201, 30, grey, {{200, 12, 201, 13, black}}),
         {{200, 12, 201, 13}},
         TimeCorner{91, 12}},
        {"two black areas: the one reaching furthest right, its own top",
         Background(150, 40, grey, {{10, 2, 60, 10, black}, {100, 20, 130, 30, black}, {129, 15, 130, 16, red}}),
         {{10, 2, 60, 10}, {129, 15, 130, 16}, {100, 20, 130, 30}},
         TimeCorner{20, 20}},
        {"top-left colour inside the picture is see-through there too",
         Background(130, 30, red, {{10, 5, 120, 25, grey}, {60, 10, 70, 20, red}}),
         {{10, 5, 120, 10}, {10, 10, 60, 20}, {70, 10, 120, 20}, {10, 20, 120, 25}},
         std::nullopt},
        {"one colour: no outline, no corner", Background(130, 30, grey, {}), {}, std::nullopt},
    };
    for (const auto& [name, grid, outline, corner] : cases) {
        const BackgroundShape shape = ScanBackground(grid);
        EXPECT_EQ(shape.outline, outline) << name;
        EXPECT_EQ(shape.timeCorner, corner) << name;
    }
}

}  // namespace
