#include "face/ClockSize.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace {

// The monitor's scale rounds down to a whole multiple; a stored size wins only when the options offer it.
TEST(ClockSize, MultipleFromStoredChoiceAndMonitor) {
    const std::optional<std::int32_t> automatic;
    const std::tuple<std::optional<std::int32_t>, int, int> cases[] = {
        {automatic, 96, 1},  {automatic, 144, 1}, {automatic, 191, 1},    {automatic, 192, 2}, {automatic, 287, 2},
        {automatic, 288, 3}, {automatic, 0, 1},   {automatic, 100000, 8}, {100, 192, 1},       {200, 96, 2},
        {0, 192, 2},         {150, 96, 1},        {-200, 192, 2},         {400, 96, 1}};
    for (const auto& [stored, dpi, multiple] : cases)
        EXPECT_EQ(ClockMultiple(stored, dpi), multiple) << stored.value_or(-1) << " at " << dpi << " dpi";
}

// Enlarged, every outline edge and the time corner are multiplied (the Wine skin test checks the outline against
// the enlarged pixels); the corner is not rescanned, which would move the time within the enlarged panel.
TEST(ClockSize, ScaledShapeMultipliesEveryEdgeAndTheTimeCorner) {
    const BackgroundShape scaled = ScaleShape({{{1, 0, 119, 1}, {0, 1, 120, 37}}, TimeCorner{5, 7}}, 3);
    EXPECT_EQ(scaled.outline, (std::vector<OutlineRect>{{3, 0, 357, 3}, {0, 3, 360, 111}}));
    EXPECT_EQ(scaled.timeCorner, (TimeCorner{15, 21}));
    EXPECT_EQ(ScaleShape({}, 2).timeCorner, std::nullopt);
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
