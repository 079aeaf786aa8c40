#include "alarms/DlgRemindText.h"

#include <gtest/gtest.h>

#include "support/DialogDriver.h"
#include "support/GdiCount.h"
#include "support/PaintedClient.h"
#include "support/PaintedTexts.h"

namespace {

// Enter and Escape both close it, as they close every window with one button; the round icon reaches x 40 and
// y 40 only at its 32 x 32 size.
TEST(RemindText, ShowsItsTextAndFullIconAndClosesLikeAnyOneButtonWindow) {
    const std::string text = "Water the plants";
    GdiObjectCounter fonts;
    for (const WPARAM key : {VK_RETURN, VK_ESCAPE}) {
        const bool closed = DriveModal([&] { ShowRemindText(nullptr, text); },
                                       [&](HWND dialog) {
                                           EXPECT_EQ(fonts.Live(), 1u);
                                           EXPECT_EQ(PaintedTexts(dialog), std::vector{PaintedText(55, 18, text)});
                                           const PaintedClient painted(dialog);
                                           EXPECT_NE(painted.at(40, 26), PaintedClient::kUntouched);
                                           EXPECT_NE(painted.at(26, 40), PaintedClient::kUntouched);
                                           EXPECT_EQ(ButtonFrameFaults(dialog), std::vector<std::string>{});
                                           PostMessageA(dialog, WM_KEYDOWN, key, 1);
                                       });
        EXPECT_TRUE(closed) << "key " << key;
    }
    EXPECT_EQ(fonts.Live(), 0u);
}

}  // namespace
