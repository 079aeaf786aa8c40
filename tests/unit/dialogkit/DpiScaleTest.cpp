#include "dialogkit/DpiScale.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

// 96 DPI leaves every layout number as it is; halves round away from zero like MulDiv, negatives mirror positives,
// and numbers a twips layout reaches do not overflow on the way.
TEST(DialogScale, LayoutNumbersScaleToTheNearestPixel) {
    const std::tuple<int, int, int> cases[] = {
        {13, 96, 13},  {13, 120, 16}, {13, 144, 20}, {1, 144, 2},   {3, 144, 5},
        {-3, 144, -5}, {0, 192, 0},   {22, 72, 17},  {-1, 120, -1}, {20000000, 192, 40000000}};
    for (const auto& [value, dpi, scaled] : cases) EXPECT_EQ(ScaleByDpi(value, dpi), scaled) << value << " at " << dpi;
    EXPECT_EQ(ScaleBetweenDpi(30, 96, 144), 20) << "back from 144 to 96";
    EXPECT_EQ(ScaleBetweenDpi(7, 144, 0), 7) << "no DPI to come from leaves the number";
}

}  // namespace
