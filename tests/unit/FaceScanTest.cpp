#include "face/BitmapHeader.h"
#include "face/ClockSize.h"
#include "face/PixelScan.h"
#include "face/SkinRules.h"
#include "face/TimeLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <random>
#include <tuple>
#include <vector>

namespace {

// A tick redraws only the places whose glyph changes; across a change of hour width, the places move.
TEST(TimeGlyphs, ChangesAreThePlacesThatDiffer) {
    const std::tuple<const char*, const char*, std::vector<int>> cases[] = {
        {"12:34:56", "12:34:57", {95}},
        {"9:59:59", "10:00:00", {0, 16, 40, 56, 80, 95}},
        {"", "1:00:00", {0, 16, 32, 40, 56, 72, 80, 95}}};
    for (const auto& [shown, time, places] : cases) {
        std::vector<int> destX;
        for (const GlyphCopy& copy : ChangedGlyphCopies(shown, time)) destX.push_back(copy.destX);
        std::sort(destX.begin(), destX.end());
        EXPECT_EQ(destX, places) << shown << " to " << time;
    }
}

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
    const std::tuple<const char*, PixelGrid, std::vector<OutlineRect>, std::optional<TimeCorner>> cases[] = {
        {"built-in: red corners, black panel",
         Background(120, 38, grey,
                    {{0, 0, 1, 1, red},
                     {119, 0, 120, 1, red},
                     {0, 37, 1, 38, red},
                     {119, 37, 120, 38, red},
                     {5, 7, 115, 32, black}}),
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

// A 150 x 40 picture of `bits` per pixel with its colour table and pixels, as a file starts.
struct BmpFile {
    std::vector<std::uint8_t> head = std::vector<std::uint8_t>(kBitmapHeadBytes);
    std::uint64_t size;
    BmpFile& Put(std::size_t at, std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) head[at + i] = std::uint8_t(value >> (8 * i));
        return *this;
    }
    explicit BmpFile(int bits = 8) {
        const std::uint32_t table = bits <= 8 ? 4u << bits : 0, offset = 54 + table;
        size = offset + std::uint64_t((150 * bits + 31) / 32 * 4) * 40;
        head[0] = 'B', head[1] = 'M';
        Put(2, std::uint32_t(size), 4).Put(10, offset, 4).Put(14, 40, 4).Put(18, 150, 4).Put(22, 40, 4);
        Put(26, 1, 2).Put(28, bits, 2);
    }
};

TEST(BitmapHeader, OnlyPicturesTheFileHoldsAndTheClockCanHoldPass) {
    BmpFile truncated;
    truncated.size -= 1;
    const std::optional<BitmapSize> fits = BitmapSize{150, 40}, none;
    const std::tuple<const char*, BmpFile, std::optional<BitmapSize>> cases[] = {
        {"8 bits", BmpFile(8), fits},
        {"core header", BmpFile(24).Put(14, 12, 4).Put(18, 150, 2).Put(20, 40, 2).Put(22, 1, 2).Put(24, 24, 2), fits},
        {"RLE8 at 8 bits", BmpFile().Put(30, 1, 4), fits},
        {"RLE8 of 30000 x 30000", BmpFile().Put(30, 1, 4).Put(18, 30000, 4).Put(22, 30000, 4), none},
        {"one byte of pixels short", truncated, none},
        {"height INT_MIN", BmpFile().Put(22, std::uint32_t(INT_MIN), 4), none},
        {"RLE8, more colours than 8 bits", BmpFile().Put(30, 1, 4).Put(46, 257, 4).Put(10, 1082, 4), none},
        {"pixels inside the colour table", BmpFile().Put(10, 60, 4), none},
        {"pixels past the end", BmpFile().Put(10, 0xFFFFFFF0, 4), none},
    };
    for (const auto& [name, file, size] : cases) EXPECT_EQ(CheckBitmapHeader(file.head, file.size), size) << name;
}

// Random bytes in every header field and heads cut short: the check never reads outside the head (each is a block
// of its own, for the sanitizer) and never lets through a size the clock cannot hold or pixels the file cannot hold.
TEST(BitmapHeader, RandomHeadersNeverPassWhatCannotBeHeld) {
    std::mt19937 random(20261207);
    for (int round = 0; round < 20000; ++round) {
        BmpFile file(round % 2 ? 24 : 8);
        for (int flips = 1 + round % 4; flips > 0; --flips)
            file.head[2 + random() % 52] = std::uint8_t(random() >> (round % 3 ? 24 : 30));
        const std::size_t length = round % 7 ? file.head.size() : random() % file.head.size();
        const std::vector<std::uint8_t> head(file.head.begin(), file.head.begin() + length);
        const auto size = CheckBitmapHeader(head, file.size);
        if (!size) continue;
        EXPECT_TRUE(CanHoldSkin(size->width, size->height)) << round;
        EXPECT_LE(std::uint64_t(size->width) * size->height, file.size * 8) << round;
    }
}

// The monitor's scale rounds down to a whole multiple; a stored size wins only when the options offer it.
TEST(ClockSize, MultipleFromStoredChoiceAndMonitor) {
    const std::tuple<std::optional<std::int32_t>, int, int> cases[] = {{std::nullopt, 96, 1},
                                                                       {std::nullopt, 120, 1},
                                                                       {std::nullopt, 144, 1},
                                                                       {std::nullopt, 191, 1},
                                                                       {std::nullopt, 192, 2},
                                                                       {std::nullopt, 287, 2},
                                                                       {std::nullopt, 288, 3},
                                                                       {std::nullopt, 0, 1},
                                                                       {std::nullopt, 100000, 8},
                                                                       {100, 192, 1},
                                                                       {200, 96, 2},
                                                                       {300, 96, 3},
                                                                       {0, 192, 2},
                                                                       {150, 96, 1},
                                                                       {-200, 192, 2},
                                                                       {400, 96, 1}};
    for (const auto& [stored, dpi, multiple] : cases)
        EXPECT_EQ(ClockMultiple(stored, dpi), multiple) << stored.value_or(-1) << " at " << dpi << " dpi";
}

// Scaling the outline's rectangles gives exactly what scanning the enlarged pixels gives, and the time area
// stays where it was on the enlarged panel.
TEST(ClockSize, ScaledShapeIsTheScanOfTheScaledPixels) {
    constexpr std::uint32_t red = 0x0000FF, grey = 0x808080, black = 0;
    const PixelGrid backgrounds[] = {
        Background(120, 38, grey, {{0, 0, 1, 1, red}, {119, 37, 120, 38, red}, {5, 7, 115, 32, black}}),
        Background(130, 30, red,
                   {{3, 2, 60, 9, grey}, {10, 9, 125, 28, grey}, {70, 4, 120, 6, grey}, {11, 3, 121, 28, black}})};
    for (const PixelGrid& background : backgrounds)
        for (int multiple : {1, 2, 3}) {
            const BackgroundShape shape = ScaleShape(ScanBackground(background), multiple);
            const BackgroundShape scanned = ScanBackground(ScaleGrid(background, multiple));
            EXPECT_EQ(shape.outline, scanned.outline) << background.width << " at " << multiple;
            // The scan puts the panel's rightmost black column 109 pixels right of the area; enlarged, that column
            // is the last pixel of the area's 110th column.
            EXPECT_EQ(shape.timeCorner->left + 110 * multiple - 1, scanned.timeCorner->left + 109)
                << background.width << " at " << multiple;
            EXPECT_EQ(shape.timeCorner->top, scanned.timeCorner->top);
        }
}

// Growing or shrinking keeps the point the window is held by over the same skin pixel.
TEST(ClockSize, AnchorStaysOverItsPixel) {
    const std::tuple<ScreenPoint, ScreenPoint, int, int, ScreenPoint> cases[] = {
        {{100, 50}, {160, 69}, 1, 2, {40, 31}},
        {{40, 31}, {160, 69}, 2, 1, {100, 50}},
        {{0, 0}, {30, 10}, 1, 3, {-60, -20}},
        {{500, 500}, {500, 500}, 2, 3, {500, 500}}};
    for (const auto& [origin, anchor, from, to, moved] : cases)
        EXPECT_EQ(KeepAnchor(origin, anchor, from, to), moved) << from << " to " << to;
}

}  // namespace
