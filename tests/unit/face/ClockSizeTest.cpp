#include "PaintedBackground.h"
#include "face/ClockSize.h"
#include "face/PixelScan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <random>
#include <tuple>
#include <vector>

namespace {

// The monitor's scale rounds down to a whole multiple; a stored size wins only when the options offer it.
TEST(ClockSize, MultipleFromStoredChoiceAndMonitor) {
    const std::tuple<std::optional<std::int32_t>, int, int> cases[] = {{std::nullopt, 96, 1},
                                                                       {std::nullopt, 144, 1},
                                                                       {std::nullopt, 191, 1},
                                                                       {std::nullopt, 192, 2},
                                                                       {std::nullopt, 287, 2},
                                                                       {std::nullopt, 288, 3},
                                                                       {std::nullopt, 0, 1},
                                                                       {std::nullopt, 100000, 8},
                                                                       {100, 192, 1},
                                                                       {200, 96, 2},
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
        {{0, 0}, {30, 10}, 1, 3, {-60, -20}},
        {{500, 500}, {500, 500}, 2, 3, {500, 500}}};
    for (const auto& [origin, anchor, from, to, moved] : cases)
        EXPECT_EQ(KeepAnchor(origin, anchor, from, to), moved) << from << " to " << to;
}

}  // namespace
