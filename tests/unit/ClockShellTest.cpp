#include "app/TickSchedule.h"
#include "dialogkit/DialogCentre.h"
#include "dialogkit/DpiScale.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

// Halves go to the even pixel: 450.5 and 364.5, 449.5 and 365.5, and -1.5 for a window larger than the desktop.
TEST(ClockPlacement, CentresWithHalvesToTheEvenPixel) {
    const std::tuple<int, int, int, int, int, int> cases[] = {
        {1024, 768, 123, 39, 450, 364}, {1024, 768, 125, 37, 450, 366}, {100, 100, 200, 103, -50, -2}};
    for (const auto& [right, bottom, width, height, x, y] : cases) {
        EXPECT_EQ(std::pair(CentredOrigin(right, width), CentredOrigin(bottom, height)), std::pair(x, y))
            << width << " x " << height;
    }
}

// 96 DPI leaves every layout number as it is; halves round away from zero like MulDiv, negatives mirror positives,
// and numbers a twips layout reaches do not overflow on the way.
TEST(DialogScale, LayoutNumbersScaleToTheNearestPixel) {
    const std::tuple<int, int, int> cases[] = {{13, 96, 13},    {13, 120, 16},
                                               {13, 144, 20},   {13, 192, 26},
                                               {1, 144, 2},     {3, 144, 5},
                                               {-3, 144, -5},   {5, 120, 6},
                                               {18, 120, 23},   {0, 192, 0},
                                               {280, 144, 420}, {22, 72, 17},
                                               {-1, 120, -1},   {20000000, 192, 40000000}};
    for (const auto& [value, dpi, scaled] : cases) EXPECT_EQ(ScaleByDpi(value, dpi), scaled) << value << " at " << dpi;
    EXPECT_EQ(ScaleBetweenDpi(30, 96, 144), 20) << "back from 144 to 96";
    EXPECT_EQ(ScaleBetweenDpi(7, 144, 0), 7) << "no DPI to come from leaves the number";
}

TEST(ClockTick, EveryDelayLandsJustPastTheNextSecond) {
    for (int ms = 0; ms < 1000; ++ms) {
        const int landing = ms + NextTickDelay(ms);
        EXPECT_GT(landing, 1000) << "from ms " << ms;
        EXPECT_LE(landing, 1000 + kTickLateMs) << "from ms " << ms;
    }
    EXPECT_EQ(NextTickDelay(kTickMarginMs), 1000) << "on time, the timer keeps its period and is not re-armed";
    EXPECT_EQ(NextTickDelay(-5), NextTickDelay(0));
    EXPECT_EQ(NextTickDelay(1500), NextTickDelay(0));
}

}  // namespace
