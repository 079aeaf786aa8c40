#include "dialogkit/DialogCentre.h"
#include "dialogkit/DialogTemplate.h"
#include "dialogkit/DpiScale.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <tuple>

namespace {

// The platform reads the template in place: DWORD-aligned, the style little-endian first, and after it zeros
// only (no extended style, no controls, an empty menu, class and title), or it would look for controls or
// names that are not there.
TEST(DialogTemplate, PopupWithCaptionAndNothingElseInPlatformByteOrder) {
    const DialogTemplateBytes empty = EmptyDialogTemplate();
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(empty.bytes.data()) % 4, 0u);
    const std::uint8_t style[] = {0x80, 0x00, 0xC8, 0x80};  // WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME
    for (std::size_t i = 0; i < empty.bytes.size(); ++i)
        EXPECT_EQ(empty.bytes[i], i < 4 ? style[i] : 0) << "byte " << i;
}

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

// Halves go to the even pixel: 450.5 and 364.5, 449.5 and 365.5, and -1.5 for a window larger than the desktop.
TEST(ClockPlacement, CentresWithHalvesToTheEvenPixel) {
    const std::tuple<int, int, int, int, int, int> cases[] = {
        {1024, 768, 123, 39, 450, 364}, {1024, 768, 125, 37, 450, 366}, {100, 100, 200, 103, -50, -2}};
    for (const auto& [right, bottom, width, height, x, y] : cases)
        EXPECT_EQ(std::pair(CentredOrigin(right, width), CentredOrigin(bottom, height)), std::pair(x, y))
            << width << " x " << height;
}

// A window that fits stays put; one sticking out moves in; one larger than the work area keeps its top left on it.
TEST(ClockPlacement, KeepsWindowsOnTheWorkArea) {
    const std::tuple<int, int, int, int, int> cases[] = {{100, 300, 0, 738, 100}, {600, 300, 0, 738, 438},
                                                         {-20, 300, 0, 738, 0},   {-35, 840, 0, 738, 0},
                                                         {10, 200, 30, 738, 30},  {1700, 400, 1024, 2048, 1648}};
    for (const auto& [origin, size, start, end, fitted] : cases)
        EXPECT_EQ(FitInArea(origin, size, start, end), fitted) << origin << " + " << size;
}

}  // namespace
