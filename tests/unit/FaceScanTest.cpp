#include "face/PixelScan.h"
#include "face/SkinRules.h"
#include "face/TimeLayout.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

constexpr std::uint32_t Grey = 0x808080;
constexpr std::uint32_t Red = 0x0000FF;

PixelGrid Filled(int width, int height, std::uint32_t colour) {
    return PixelGrid{width, height, std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height, colour)};
}

void Paint(PixelGrid& grid, int left, int top, int right, int bottom, std::uint32_t colour) {
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) grid.pixels[static_cast<std::size_t>(y) * grid.width + x] = colour;
}

TEST(TimeGlyphs, DigitPlacesTakeTheRightCharacters) {
    const struct {
        std::string text;
        std::vector<GlyphCopy> copies;
    } cases[] = {
        {"9:05:07",
         {{16, 135, 16},
          {40, 0, 16},
          {56, 75, 16},
          {80, 0, 15},
          {95, 105, 16},
          {32, 151, 8},
          {72, 151, 8},
          {0, 158, 16}}},
        {"21:05:07",
         {{0, 30, 16},
          {16, 15, 16},
          {40, 0, 16},
          {56, 75, 16},
          {80, 0, 15},
          {95, 105, 16},
          {32, 151, 8},
          {72, 151, 8}}},
        {"0:00:00",
         {{16, 0, 16}, {40, 0, 16}, {56, 0, 16}, {80, 0, 15}, {95, 0, 16}, {32, 151, 8}, {72, 151, 8}, {0, 158, 16}}},
    };
    for (const auto& c : cases) EXPECT_EQ(TimeGlyphCopies(c.text), c.copies) << c.text;
}

TEST(TimeGlyphs, CopiesTileTheTimeAreaWithoutOverlap) {
    for (const char* text : {"9:05:07", "23:59:59"}) {
        std::vector<int> covered(TimeAreaWidth, 0);
        for (const GlyphCopy& copy : TimeGlyphCopies(text))
            for (int x = copy.destX; x < copy.destX + copy.width; ++x) ++covered.at(x);
        for (int x = 0; x < TimeAreaWidth; ++x) EXPECT_EQ(covered[x], 1) << text << " column " << x;
    }
}

TEST(TimeCorner, RightmostBlackColumnDecides) {
    PixelGrid lone = Filled(201, 30, Grey);
    Paint(lone, 200, 12, 201, 13, 0);

    PixelGrid twoAreas = Filled(200, 60, Grey);
    Paint(twoAreas, 10, 3, 150, 20, 0);   // higher up
    Paint(twoAreas, 20, 40, 160, 50, 0);  // reaches further right still

    PixelGrid builtInLike = Filled(120, 38, Grey);
    Paint(builtInLike, 5, 7, 115, 32, 0);
    Paint(builtInLike, 0, 0, 1, 1, Red);

    const struct {
        const char* name;
        const PixelGrid& grid;
        TimeCorner corner;
    } cases[] = {
        {"only pixel at 200,12", lone, {91, 12}},
        {"two areas", twoAreas, {50, 40}},
        {"built-in panel", builtInLike, {5, 7}},
    };
    for (const auto& c : cases) EXPECT_EQ(FindTimeCorner(c.grid), c.corner) << c.name;
}

TEST(TimeCorner, NoBlackFindsNothing) {
    EXPECT_EQ(FindTimeCorner(Filled(150, 40, Grey)), std::nullopt);
    EXPECT_EQ(FindTimeCorner(Filled(150, 40, 0x010101)), std::nullopt);
    EXPECT_EQ(FindTimeCorner(PixelGrid{}), std::nullopt);
}

TEST(OpaqueRuns, RowsSplitAtTheTopLeftColour) {
    PixelGrid notched = Filled(6, 3, Grey);
    Paint(notched, 0, 0, 1, 1, Red);
    Paint(notched, 5, 0, 6, 1, Red);
    Paint(notched, 2, 1, 4, 2, Red);  // a hole splits the middle row
    Paint(notched, 0, 2, 6, 3, Red);  // a fully transparent last row
    EXPECT_EQ(OpaqueRuns(notched), (std::vector<RowRun>{{0, 1, 5}, {1, 0, 2}, {1, 4, 6}}));

    // An opaque top-left pixel makes its own colour transparent wherever it occurs.
    PixelGrid picture = Filled(4, 2, Grey);
    Paint(picture, 1, 0, 3, 1, Red);
    EXPECT_EQ(OpaqueRuns(picture), (std::vector<RowRun>{{0, 1, 3}}));

    EXPECT_TRUE(OpaqueRuns(Filled(5, 5, Grey)).empty());
    EXPECT_TRUE(OpaqueRuns(PixelGrid{}).empty());
}

TEST(SkinRules, SizesSortBitmapsIntoTheTwoLists) {
    const struct {
        int width, height;
        bool background, strip;
    } cases[] = {
        {110, 26, true, false},   {200, 200, true, false}, {180, 26, true, false},  {180, 25, false, true},
        {120, 38, true, false},   {109, 40, false, false}, {201, 50, false, false}, {150, 201, false, false},
        {100, 100, false, false}, {181, 25, false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsBackgroundSize(c.width, c.height), c.background) << c.width << "x" << c.height;
        EXPECT_EQ(IsTimeStripSize(c.width, c.height), c.strip) << c.width << "x" << c.height;
    }
}

TEST(SkinRules, RandomIndexStaysInTheList) {
    std::set<int> seen;
    for (std::uint64_t seed = 0; seed < 200; ++seed) {
        const int index = DrawSkinIndex(3, seed);
        ASSERT_GE(index, 1);
        ASSERT_LE(index, 3);
        seen.insert(index);
    }
    EXPECT_EQ(seen.size(), 3u);
    EXPECT_EQ(DrawSkinIndex(0, 42), 1);
}

}  // namespace
