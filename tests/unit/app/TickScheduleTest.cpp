#include "app/TickSchedule.h"

#include <gtest/gtest.h>

namespace {

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
