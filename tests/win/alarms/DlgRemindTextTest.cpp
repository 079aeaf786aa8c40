#include "alarms/DlgRemindText.h"

#include <gtest/gtest.h>

#include "support/CleanSettings.h"
#include "support/DialogDriver.h"
#include "support/GdiCount.h"
#include "support/PaintedClient.h"
#include "support/PaintedTexts.h"

namespace {

// Enter and Escape both dismiss it without a snooze; the round icon reaches x 40 and y 40 only at its 32 x 32 size.
// The text takes the labels' colour, which high contrast sets.
TEST(RemindText, ShowsItsTextAndFullIconAndClosesLikeAnyOneButtonWindow) {
    const std::string text = "Water the plants";
    GdiObjectCounter fonts;
    for (const WPARAM key : {VK_RETURN, VK_ESCAPE}) {
        std::optional<int> snoozed = -1;
        const bool closed = DriveModal([&] { snoozed = ShowRemindText(nullptr, text); },
                                       [&](HWND dialog) {
                                           EXPECT_EQ(fonts.Live(), 1u);
                                           EXPECT_EQ(PaintedTexts(dialog), std::vector{PaintedText(55, 18, text)});
                                           const PaintedClient painted(dialog);
                                           EXPECT_NE(painted.at(40, 26), PaintedClient::kUntouched);
                                           EXPECT_NE(painted.at(26, 40), PaintedClient::kUntouched);
                                           EXPECT_TRUE(painted.any(GetSysColor(COLOR_WINDOWTEXT), {55, 18, 200, 34}));
                                           EXPECT_EQ(ButtonFrameFaults(dialog), std::vector<std::string>{});
                                           PostMessageA(dialog, WM_KEYDOWN, key, 1);
                                       });
        EXPECT_TRUE(closed) << "key " << key;
        EXPECT_EQ(snoozed, std::nullopt) << "key " << key;
    }
    EXPECT_EQ(fonts.Live(), 0u);
}

// Snooze sits right of OK, which stays the default; the length offered is the one last chosen
// (5 minutes at first), and what is chosen goes back to the caller.
TEST(RemindText, SnoozeBesideOkGivesTheLengthChosen) {
    const CleanSettings clean;
    const std::pair<int, int> choices[] = {{-1, 5}, {1, 10}, {-1, 10}};
    for (const auto& [pick, minutes] : choices) {
        std::optional<int> snoozed;
        DriveModal([&] { snoozed = ShowRemindText(nullptr, "Water the plants"); },
                   [&](HWND dialog) {
                       RECT ok, snooze, box, window;
                       GetWindowRect(GetDlgItem(dialog, 1), &ok), GetWindowRect(GetDlgItem(dialog, 3), &snooze);
                       GetWindowRect(GetDlgItem(dialog, 4), &box), GetWindowRect(dialog, &window);
                       EXPECT_TRUE(ok.right < snooze.left && snooze.right < box.left && box.right < window.right);
                       EXPECT_EQ(SendMessageA(dialog, DM_GETDEFID, 0, 0), MAKELRESULT(1, DC_HASDEFID));
                       if (pick >= 0) SendDlgItemMessageA(dialog, 4, CB_SETCURSEL, pick, 0);
                       char shown[32] = "";
                       GetDlgItemTextA(dialog, 4, shown, sizeof shown);
                       EXPECT_EQ(std::string(shown), std::to_string(minutes) + " minutes");
                       SendDlgItemMessageA(dialog, 3, BM_CLICK, 0, 0);
                   });
        EXPECT_EQ(snoozed, minutes);
    }
}

}  // namespace
