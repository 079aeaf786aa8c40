#include "app/ScreenCentre.h"
#include "app/TickSchedule.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

TEST(ClockPlacement, CentresWithHalvesToTheEvenPixel) {
    const auto at = [](int right, int bottom, int width, int height) {
        const ScreenPoint origin = CentredOrigin(right, bottom, width, height);
        return std::pair(origin.x, origin.y);
    };
    EXPECT_EQ(at(1024, 768, 123, 39), std::pair(450, 364));  // 450.5 and 364.5
    EXPECT_EQ(at(1024, 768, 125, 37), std::pair(450, 366));  // 449.5 and 365.5
    EXPECT_EQ(at(100, 100, 200, 103), std::pair(-50, -2));   // larger than the desktop: -1.5 goes to -2
}

TEST(ClockTick, EveryDelayLandsJustPastTheNextSecond) {
    for (int ms = 0; ms < 1000; ++ms) {
        const int landing = ms + NextTickDelay(ms);
        EXPECT_GT(landing, 1000) << "from ms " << ms;
        EXPECT_LE(landing, 1000 + kTickLateMs) << "from ms " << ms;
    }
    // On time, the timer keeps its period and is not re-armed.
    EXPECT_EQ(NextTickDelay(kTickMarginMs), 1000);
    EXPECT_EQ(NextTickDelay(-5), NextTickDelay(0));
    EXPECT_EQ(NextTickDelay(1500), NextTickDelay(0));
}

}  // namespace
