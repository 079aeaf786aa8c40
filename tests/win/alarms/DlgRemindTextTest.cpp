#include "alarms/DlgRemindText.h"

#include <gtest/gtest.h>

#include <tuple>

#include "support/DialogDriver.h"
#include "support/PaintedTexts.h"

namespace {

void ClickOk(HWND dialog) { SendDlgItemMessageA(dialog, 1, BM_CLICK, 0, 0); }

TEST(RemindText, ShowsItsTextBesideTheIconAboveOneOkButton) {
    RemindText = "Water the plants";
    const bool closed =
        DriveModal([] { ShowRemindText(nullptr); },
                   [](HWND dialog) {
                       RECT frame, button;
                       GetWindowRect(dialog, &frame);
                       EXPECT_EQ(frame.left, 378);  // on the 1024 x 768 test screen
                       EXPECT_EQ(frame.top, 320);
                       EXPECT_EQ(frame.right - frame.left, 268);
                       EXPECT_EQ(frame.bottom - frame.top, 128);
                       char text[32] = {};
                       GetWindowTextA(dialog, text, sizeof text);
                       EXPECT_STREQ(text, "Text Hint");
                       GetDlgItemTextA(dialog, 1, text, sizeof text);
                       EXPECT_STREQ(text, "OK(&O)");
                       GetWindowRect(GetDlgItem(dialog, 1), &button);
                       MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&button), 2);
                       EXPECT_EQ(button.left, 99);
                       EXPECT_EQ(button.top, 77);

                       const auto texts = PaintedTexts(dialog);
                       ASSERT_EQ(texts.size(), 1u);
                       EXPECT_EQ(std::tie(texts[0].x, texts[0].y, texts[0].text), std::make_tuple(55, 18, RemindText));
                       EXPECT_EQ(texts[0].face, "Tahoma");
                       EXPECT_EQ(texts[0].height, 13);
                       ClickOk(dialog);
                   });
    EXPECT_TRUE(closed);
}

TEST(RemindText, EscapeLeavesItOpenWhileOkEnterAndTheCloseBoxCloseIt) {
    struct Case {
        const char* name;
        void (*close)(HWND);
    } const cases[] = {
        {"OK button", ClickOk},
        {"Enter", [](HWND dialog) { PressKey(dialog, VK_RETURN); }},
        {"close box", [](HWND dialog) { SendMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); }},
    };
    for (const Case& c : cases) {
        const bool closed = DriveModal([] { ShowRemindText(nullptr); },
                                       [&c](HWND dialog) {
                                           PressKey(dialog, VK_ESCAPE);
                                           PumpDialog(dialog, 100);
                                           EXPECT_TRUE(IsWindowVisible(dialog)) << "Escape closed it";
                                           c.close(dialog);
                                       });
        EXPECT_TRUE(closed) << c.name;
    }
}

TEST(RemindText, AReminderDueWhileOneIsOpenStacksOnItWithItsOwnText) {
    RemindText = "First";
    const bool closed = DriveModal([] { ShowRemindText(nullptr); },
                                   [](HWND first) {
                                       RemindText = "Second";
                                       EXPECT_TRUE(DriveModal([] { ShowRemindText(nullptr); },
                                                              [first](HWND second) {
                                                                  EXPECT_EQ(PaintedTexts(first)[0].text, "First");
                                                                  EXPECT_EQ(PaintedTexts(second)[0].text, "Second");
                                                                  ClickOk(second);
                                                              }));
                                       ASSERT_TRUE(IsWindowVisible(first));
                                       EXPECT_EQ(PaintedTexts(first)[0].text, "First");
                                       ClickOk(first);
                                   },
                                   10000);
    EXPECT_TRUE(closed);
}

}  // namespace
