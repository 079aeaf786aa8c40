#include "alarms/DlgRemindText.h"

#include <gtest/gtest.h>

#include "support/DialogDriver.h"
#include "support/GdiCount.h"
#include "support/PaintedTexts.h"

namespace {

TEST(RemindText, ShowsItsTextCentredAndOnlyEscapeLeavesItOpen) {
    struct Case {
        const char* name;
        void (*close)(HWND);
        bool closes;
    } const cases[] = {
        {"OK button", [](HWND dialog) { SendDlgItemMessageA(dialog, 1, BM_CLICK, 0, 0); }, true},
        {"Enter", [](HWND dialog) { PostMessageA(dialog, WM_KEYDOWN, VK_RETURN, 1); }, true},
        {"close box", [](HWND dialog) { SendMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); }, true},
        {"Escape", [](HWND dialog) { PostMessageA(dialog, WM_KEYDOWN, VK_ESCAPE, 1); }, false},
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
                       },
                       c.closes ? 5000 : 500);
        EXPECT_EQ(closed, c.closes) << c.name;
    }
    EXPECT_EQ(fonts.Live(), 0u);
}

}  // namespace
