#include "alarms/DlgRemindText.h"

#include <gtest/gtest.h>

#include "support/DialogDriver.h"
#include "support/PaintedTexts.h"

namespace {

std::string WindowText(HWND window) {
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

RECT ClientRectIn(HWND parent, HWND child) {
    RECT rect;
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void ClickOk(HWND dialog) { SendDlgItemMessageA(dialog, 1, BM_CLICK, 0, 0); }

TEST(RemindText, ShowsItsTextBesideTheIconAboveOneOkButton) {
    const HWND owner =
        CreateWindowExA(0, "STATIC", "owner", WS_POPUP, 10, 10, 50, 50, nullptr, nullptr, nullptr, nullptr);
    RemindText = "Water the plants";
    const bool closed =
        DriveModal([owner] { ShowRemindText(owner); },
                   [owner](HWND dialog) {
                       RECT frame;
                       GetWindowRect(dialog, &frame);
                       EXPECT_EQ(frame.left, 378);  // on the 1024 x 768 test screen
                       EXPECT_EQ(frame.top, 320);
                       EXPECT_EQ(frame.right - frame.left, 268);
                       EXPECT_EQ(frame.bottom - frame.top, 128);
                       EXPECT_EQ(WindowText(dialog), "Text Hint");
                       EXPECT_EQ(GetWindow(dialog, GW_OWNER), owner);
                       EXPECT_FALSE(IsWindowEnabled(owner));

                       const HWND ok = GetDlgItem(dialog, 1);
                       EXPECT_EQ(WindowText(ok), "OK(&O)");
                       EXPECT_TRUE(GetWindowLongA(ok, GWL_STYLE) & BS_DEFPUSHBUTTON);
                       const RECT place = ClientRectIn(dialog, ok);
                       EXPECT_EQ(place.left, 99);
                       EXPECT_EQ(place.top, 77);
                       EXPECT_EQ(place.right - place.left, 70);
                       EXPECT_EQ(place.bottom - place.top, 19);
                       LOGFONTA font{};
                       GetObjectA(reinterpret_cast<HFONT>(SendMessageA(ok, WM_GETFONT, 0, 0)), sizeof font, &font);
                       EXPECT_STREQ(font.lfFaceName, "Tahoma");

                       const auto texts = PaintedTexts(dialog);
                       ASSERT_EQ(texts.size(), 1u);
                       EXPECT_EQ(texts[0].x, 55);
                       EXPECT_EQ(texts[0].y, 18);
                       EXPECT_EQ(texts[0].text, "Water the plants");
                       EXPECT_EQ(texts[0].face, "Tahoma");
                       EXPECT_EQ(texts[0].height, 13);
                       ClickOk(dialog);
                   });
    EXPECT_TRUE(closed);
    EXPECT_TRUE(IsWindowEnabled(owner));
    DestroyWindow(owner);
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
    RemindText = "";
    for (const Case& c : cases) {
        const bool closed = DriveModal([] { ShowRemindText(nullptr); },
                                       [&c](HWND dialog) {
                                           PressKey(dialog, VK_ESCAPE);
                                           PumpDialog(dialog, 100);
                                           EXPECT_TRUE(IsWindowVisible(dialog)) << "Escape closed it";
                                           EXPECT_TRUE(PaintedTexts(dialog)[0].text.empty());
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
                                       const bool inner =
                                           DriveModal([] { ShowRemindText(nullptr); },
                                                      [first](HWND second) {
                                                          EXPECT_EQ(ThreadDialogs().size(), 2u);
                                                          EXPECT_EQ(PaintedTexts(first)[0].text, "First");
                                                          EXPECT_EQ(PaintedTexts(second)[0].text, "Second");
                                                          ClickOk(second);
                                                      });
                                       EXPECT_TRUE(inner);
                                       ASSERT_TRUE(IsWindowVisible(first));
                                       EXPECT_EQ(PaintedTexts(first)[0].text, "First");
                                       ClickOk(first);
                                   },
                                   10000);
    EXPECT_TRUE(closed);
}

}  // namespace
