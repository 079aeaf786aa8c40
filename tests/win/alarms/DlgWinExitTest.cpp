#include "alarms/DlgWinExit.h"
#include "alarms/RingScheduler.h"
#include "dialogkit/DialogFont.h"
#include "support/CleanSettings.h"
#include "support/DialogDriver.h"
#include "support/GdiCount.h"
#include "support/PaintedClient.h"
#include "support/PaintedTexts.h"
#include "support/Recorders.h"
#include "support/StoredRings.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// Everything painted, in order, wrapped rows joined, without blanks.
std::string AllPainted(HWND dialog) {
    std::string all;
    for (const auto& [x, y, text] : PaintedTexts(dialog)) all += text;
    std::erase(all, ' ');
    return all;
}

// Every text, measured in the window's font, lies inside the client area, apart from every other and above the
// buttons, which keep their frames wherever they moved.
void ExpectReadable(HWND dialog, const char* name) {
    RECT client, button, overlap;
    GetClientRect(dialog, &client);
    GetWindowRect(GetDlgItem(dialog, 2), &button);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&button), 2);
    EXPECT_LE(button.bottom + 8, client.bottom) << name;
    const DialogFont font;
    const WindowDC dc(dialog);
    const SelectedObject selected(dc, font.get());
    std::vector<RECT> boxes;
    for (const auto& [x, y, text] : PaintedTexts(dialog)) {
        SIZE size{};
        GetTextExtentPoint32A(dc, text.c_str(), int(text.size()), &size);
        const RECT box{x, y, x + size.cx, y + size.cy};
        EXPECT_TRUE(box.left >= 0 && box.right <= client.right && box.bottom <= button.top - 9) << name << ": " << text;
        for (const RECT& other : boxes) EXPECT_FALSE(IntersectRect(&overlap, &box, &other)) << name << ": " << text;
        boxes.push_back(box);
    }
    EXPECT_EQ(ButtonFrameFaults(dialog), std::vector<std::string>{}) << name;
}

// Restart and shut-down items, with and without a text (one long enough to wrap), fired one after another: each
// countdown shows its own item's text or the hint to cancel, readably, and its font is gone with the window. Only
// Run, Enter and the end of the 30 seconds act; the seconds count on the time since start, so clock steps neither
// end nor stall them. A second countdown asked for meanwhile is not shown.
TEST(WinExit, ShowsItsOwnItemsTextReadablyAndActsOnlyOnRunEnterOrAfterThirtySeconds) {
    const CleanSettings clean;
    SettableClock clock(60);
    const auto figure = [](HWND dialog) {
        for (const auto& [x, y, text] : PaintedTexts(dialog))
            if (text.find_first_not_of("0123456789") == std::string::npos) return text;
        return std::string("none");
    };
    const auto waits = [&](HWND dialog) {
        ShowWinExit(nullptr, false, "Second");
        for (int i = 0; i < 40; ++i) RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        for (const int jump : {0, 3600, -7200, 30}) {
            clock.Jump(jump);  // a time server, the user, a zone change
            SendMessageA(dialog, WM_TIMER, 2, 0);
            EXPECT_EQ(figure(dialog), "30") << "after a jump of " << jump;
        }
        clock.Advance(29);
        SendMessageA(dialog, WM_TIMER, 2, 0);
        EXPECT_EQ(figure(dialog), "1");
        EXPECT_EQ(AllPainted(dialog).find("Second"), std::string::npos);
        clock.Advance(1);  // the window's own timer sees the last second pass
    };
    const auto key = [](WPARAM key) { return [key](HWND dialog) { PostMessageA(dialog, WM_KEYDOWN, key, 1); }; };
    const auto click = [](int id) { return [id](HWND dialog) { SendDlgItemMessageA(dialog, id, BM_CLICK, 0, 0); }; };
    const std::vector<std::string> shutDown{"EnableShutdownPrivilege", "ExitWindowsEx 1"};
    const struct {
        const char* name;
        bool restart;
        std::string text;
        std::function<void(HWND)> act;
        std::vector<std::string> calls;
    } cases[] = {
        {"Escape", true, "Backup done", key(VK_ESCAPE), {}},
        {"Cancel(&C)", false, "", click(2), {}},
        {"To run(&O)", false, "The photo library is backed up; the machine shuts down to save power until the morning.",
         click(1), shutDown},
        {"Enter", true, "", key(VK_RETURN), {"EnableShutdownPrivilege", "ExitWindowsEx 2"}},
        {"30 seconds", false, "", waits, shutDown},
    };
    GdiObjectCounter fonts;
    for (int day = 6; const auto& c : cases) {
        StoreRings({DailyAt7(30, c.restart ? 3 : 4, {{"Text", c.text}})});
        clock.SetLocal(2026, 1, day++, 7, 30, 0);  // a day of its own: the scan remembers the last tick it saw
        RecordingSeams recorder;
        const std::string action = c.restart ? "Re-start computer" : "Shut down";
        std::string expected = "You have setup:" + action + action + "begin the countdown" +
                               "The program will execute preset operation in 30 seconds." + "30" +
                               (c.text.empty() ? "If relieve\xA1\xBC" + action + "\xA1\xBD,please press ESC button " +
                                                     "according to the cancel."
                                               : c.text);
        std::erase(expected, ' ');
        const bool closed = DriveModal([] { CheckRingTime(nullptr); },
                                       [&](HWND dialog) {
                                           EXPECT_EQ(fonts.Live(), 1u) << c.name;
                                           EXPECT_EQ(AllPainted(dialog), expected) << c.name;
                                           ExpectReadable(dialog, c.name);
                                           c.act(dialog);
                                       });
        EXPECT_TRUE(closed) << c.name;
        EXPECT_EQ(recorder.calls(), c.calls) << c.name;
    }
    EXPECT_EQ(fonts.Live(), 0u);
}

}  // namespace
