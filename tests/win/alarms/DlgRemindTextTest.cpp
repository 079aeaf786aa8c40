#include "alarms/DlgRemindText.h"

#include <gtest/gtest.h>

#include "support/CleanSettings.h"
#include "support/DialogDriver.h"
#include "support/GdiCount.h"
#include "support/PaintedClient.h"
#include "support/PaintedTexts.h"
#include "support/WindowText.h"

namespace {

// Enter and Escape dismiss it without a snooze. Snooze sits right of OK, which stays the default, and gives the
// length chosen, offered again the next time (5 minutes at first). The round icon reaches x 40 and y 40 only at its
// 32 x 32 size; the text takes the labels' colour, which high contrast sets.
TEST(RemindText, ShowsItsTextAndFullIconAndClosesOrSnoozesForTheLengthChosen) {
    const CleanSettings clean;
    const std::string text = "Water the plants";
    GdiObjectCounter fonts;
    const struct {
        WPARAM key;  // 0: Snooze clicked
        int pick;    // the length list's entry chosen, -1 none
        const char* offered;
        std::optional<int> snoozed;
    } answers[] = {{VK_RETURN, -1, "5 minutes", std::nullopt},
                   {VK_ESCAPE, -1, "5 minutes", std::nullopt},
                   {0, 1, "10 minutes", 10},
                   {0, -1, "10 minutes", 10}};
    for (const auto& a : answers) {
        std::optional<int> snoozed = -1;
        const bool closed =
            DriveModal([&] { snoozed = ShowRemindText(nullptr, text); },
                       [&](HWND dialog) {
                           EXPECT_EQ(fonts.Live(), 1u);
                           EXPECT_EQ(PaintedTexts(dialog), std::vector{PaintedText(55, 18, text)});
                           const PaintedClient painted(dialog);
                           EXPECT_NE(painted.at(40, 26), PaintedClient::kUntouched);
                           EXPECT_NE(painted.at(26, 40), PaintedClient::kUntouched);
                           EXPECT_TRUE(painted.any(GetSysColor(COLOR_WINDOWTEXT), {55, 18, 200, 34}));
                           EXPECT_EQ(ButtonFrameFaults(dialog), std::vector<std::string>{});
                           RECT ok, snooze, box, window;
                           GetWindowRect(GetDlgItem(dialog, 1), &ok), GetWindowRect(GetDlgItem(dialog, 3), &snooze);
                           GetWindowRect(GetDlgItem(dialog, 4), &box), GetWindowRect(dialog, &window);
                           EXPECT_TRUE(ok.right < snooze.left && snooze.right < box.left && box.right < window.right);
                           EXPECT_EQ(SendMessageA(dialog, DM_GETDEFID, 0, 0), MAKELRESULT(1, DC_HASDEFID));
                           if (a.pick >= 0) SendDlgItemMessageA(dialog, 4, CB_SETCURSEL, a.pick, 0);
                           EXPECT_EQ(WindowText(GetDlgItem(dialog, 4)), a.offered);
                           a.key ? void(PostMessageA(dialog, WM_KEYDOWN, a.key, 1))
                                 : void(SendDlgItemMessageA(dialog, 3, BM_CLICK, 0, 0));
                       });
        EXPECT_TRUE(closed) << a.offered << " " << a.key;
        EXPECT_EQ(snoozed, a.snoozed) << a.offered << " " << a.key;
    }
    EXPECT_EQ(fonts.Live(), 0u);
}

}  // namespace
