#include "alarms/DlgRemindText.h"

#include <gtest/gtest.h>

#include "support/DialogDriver.h"
#include "support/GdiCount.h"
#include "support/PaintedClient.h"
#include "support/PaintedTexts.h"

namespace {

TEST(RemindText, ShowsItsTextCentredAndClosesLikeAnyOneButtonWindow) {
    struct Case {
        const char* name;
        void (*close)(HWND);
    } const cases[] = {
        {"OK button", [](HWND dialog) { SendDlgItemMessageA(dialog, 1, BM_CLICK, 0, 0); }},
        {"Enter", [](HWND dialog) { PostMessageA(dialog, WM_KEYDOWN, VK_RETURN, 1); }},
        {"close box", [](HWND dialog) { SendMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); }},
        {"Escape", [](HWND dialog) { PostMessageA(dialog, WM_KEYDOWN, VK_ESCAPE, 1); }},
    };
    RemindText = "Water the plants";
    GdiObjectCounter fonts;
    for (const Case& c : cases) {
        const bool closed =
            DriveModal([] { ShowRemindText(nullptr); },
                       [&](HWND dialog) {
                           RECT frame;
                           GetWindowRect(dialog, &frame);
                           EXPECT_EQ(frame.left, 378);  // 268 wide on the 1024 test screen
                           EXPECT_EQ(fonts.Live(), 1u) << c.name;
                           EXPECT_EQ(PaintedTexts(dialog), std::vector{PaintedText(55, 18, RemindText)});
                           c.close(dialog);
                       });
        EXPECT_TRUE(closed) << c.name;
    }
    EXPECT_EQ(fonts.Live(), 0u);
}

TEST(RemindText, IconAtFullSizeAndTheButtonFramedOnePixelOutside) {
    const bool shown = DriveModal([] { ShowRemindText(nullptr); },
                                  [](HWND dialog) {
                                      const PaintedClient painted(dialog);
                                      // The round icon reaches x 40 and y 40 only at 32 x 32.
                                      EXPECT_NE(painted.at(40, 26), PaintedClient::kUntouched);
                                      EXPECT_NE(painted.at(26, 40), PaintedClient::kUntouched);
                                      EXPECT_EQ(ButtonFrameFaults(dialog), std::vector<std::string>{});
                                      SendMessageA(dialog, WM_CLOSE, 0, 0);
                                  });
    EXPECT_TRUE(shown);
}

}  // namespace
