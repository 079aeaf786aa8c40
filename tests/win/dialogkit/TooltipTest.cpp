#include "dialogkit/clsTooltip.h"
#include "support/Recorders.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The clock's tip, driven by the mouse messages its window hands on: it shows once the pointer rests, hides after
// its time or when the pointer leaves, and a move to the very same spot (what windows coming and going under a
// resting pointer produce) does not show it again.
TEST(Tooltip, ShowsWhenThePointerRestsAndOnlyAfterARealMove) {
    const HWND window = CreateWindowExA(WS_EX_TOOLWINDOW, "STATIC", "", WS_POPUP | WS_VISIBLE | SS_NOTIFY, 100, 100,
                                        120, 38, nullptr, nullptr, nullptr, nullptr);
    SetCursorPos(150, 115);
    clsTooltip tip;
    tip.CreateTooltip();
    tip.Tooltip_SetDelayTime(400);
    tip.AddTooltip("7/12/2026", window);
    const DWORD rest = GetDoubleClickTime() + 250;
    const auto after = [&](UINT message, LPARAM where, DWORD wait) {
        tip.RelayMouseMessage(message, where);
        PumpMessages(wait);
        return std::string(tip.IsShown() ? "shown" : "hidden") + (IsWindowVisible(tip.hwnd()) ? "/visible" : "");
    };
    const LPARAM here = MAKELPARAM(50, 15), there = MAKELPARAM(51, 15);
    EXPECT_EQ(after(WM_MOUSEMOVE, here, rest), "shown/visible") << "after the pointer rested";
    EXPECT_EQ(after(WM_NULL, 0, 500), "hidden") << "after its time";
    EXPECT_EQ(after(WM_MOUSEMOVE, here, rest), "hidden") << "after a move to the same spot";
    EXPECT_EQ(after(WM_MOUSEMOVE, there, rest), "shown/visible") << "after a real move";
    EXPECT_EQ(after(WM_MOUSELEAVE, 0, 0), "hidden") << "when the pointer left";
    DestroyWindow(window);
}

}  // namespace
