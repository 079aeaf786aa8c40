#include "dialogkit/DialogCentre.h"

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

// A window that fits stays put; one sticking out moves in; one larger than the work area keeps its top left on it.
TEST(ClockPlacement, KeepsWindowsOnTheWorkArea) {
    const std::tuple<int, int, int, int, int> cases[] = {
        {100, 300, 0, 738, 100}, {600, 300, 0, 738, 438}, {-20, 300, 0, 738, 0}, {-35, 840, 0, 738, 0},
        {50, 200, 30, 738, 50}, {10, 200, 30, 738, 30}, {1700, 400, 1024, 2048, 1648}};
    for (const auto& [origin, size, start, end, fitted] : cases)
        EXPECT_EQ(FitInArea(origin, size, start, end), fitted) << origin << " + " << size;
}

}  // namespace
