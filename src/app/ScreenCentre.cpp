#include "app/ScreenCentre.h"

namespace {

int HalfToEven(long long twice) {
    long long half = twice / 2;
    if (twice % 2 != 0) {
        // Exactly halfway between half and its neighbour away from zero: take the even one.
        const long long other = twice > 0 ? half + 1 : half - 1;
        if (half % 2 != 0) half = other;
    }
    return static_cast<int>(half);
}

}  // namespace

ScreenPoint CentredOrigin(int desktopRight, int desktopBottom, int width, int height) {
    return {HalfToEven(static_cast<long long>(desktopRight) - width),
            HalfToEven(static_cast<long long>(desktopBottom) - height)};
}
