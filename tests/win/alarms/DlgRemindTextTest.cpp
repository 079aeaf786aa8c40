#include "alarms/DlgRemindText.h"

#include <gtest/gtest.h>

#include "support/DialogDriver.h"
#include "support/GdiCount.h"
#include "support/PaintedClient.h"
#include "support/PaintedTexts.h"

namespace {

// Enter and Escape both close it, as they close every window with one button.
TEST(RemindText, ShowsItsTextAndFullIconAndClosesLikeAnyOneButtonWindow) {
    const std::pair<const char*, WPARAM> keys[] = {{"Enter", VK_RETURN}, {"Escape", VK_ESCAPE}};
    RemindText = "Water the plants";
    GdiObjectCounter fonts;
    for (const auto& [name, key] : keys) {
        const bool closed =
            DriveModal([] { ShowRemindText(nullptr); },
                       [&](HWND dialog) {
                           RECT frame;
                           GetWindowRect(dialog, &frame);
                           EXPECT_EQ(frame.left, 378);  // 268 wide on the 1024 test screen
                           EXPECT_EQ(fonts.Live(), 1u) << name;
                           EXPECT_EQ(PaintedTexts(dialog), std::vector{PaintedText(55, 18, RemindText)});
                           const PaintedClient painted(dialog);
                           // The round icon reaches x 40 and y 40 only at 32 x 32.
                           EXPECT_NE(painted.at(40, 26), PaintedClient::kUntouched);
                           EXPECT_NE(painted.at(26, 40), PaintedClient::kUntouched);
                           EXPECT_EQ(ButtonFrameFaults(dialog), std::vector<std::string>{});
                           PostMessageA(dialog, WM_KEYDOWN, key, 1);
                       });
        EXPECT_TRUE(closed) << name;
    }
    EXPECT_EQ(fonts.Live(), 0u);
}

}  // namespace
