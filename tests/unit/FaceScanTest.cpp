#include "face/PixelScan.h"
#include "face/TimeLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
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

// A tick redraws only the places whose glyph changes; across a change of hour width, the places move.
TEST(TimeGlyphs, ChangesAreThePlacesThatDiffer) {
    const auto places = [](std::string_view shown, std::string_view time) {
        std::vector<int> destX;
        for (const GlyphCopy& copy : ChangedGlyphCopies(shown, time)) destX.push_back(copy.destX);
        std::sort(destX.begin(), destX.end());
        return destX;
    };
    EXPECT_EQ(places("12:34:56", "12:34:57"), (std::vector<int>{95}));
    EXPECT_EQ(places("12:34:59", "12:35:00"), (std::vector<int>{56, 80, 95}));
    EXPECT_EQ(places("9:59:59", "10:00:00"), (std::vector<int>{0, 16, 40, 56, 80, 95}));
    EXPECT_EQ(places("12:34:56", "12:34:56"), (std::vector<int>{}));
    EXPECT_EQ(places("", "1:00:00"), (std::vector<int>{0, 16, 32, 40, 56, 72, 80, 95}));
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
