#include "app/TickSchedule.h"

int NextTickDelay(int millisecond) {
    if (millisecond < 0 || millisecond > 999) millisecond = 0;
    if (millisecond >= 1 && millisecond <= kTickLateMs) return 1000;
    return 1000 - millisecond + kTickMarginMs;
}
