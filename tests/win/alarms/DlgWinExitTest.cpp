#include "alarms/DlgWinExit.h"

#include <gtest/gtest.h>

#include "support/DialogDriver.h"
#include "support/GdiCount.h"
#include "support/PaintedTexts.h"
#include "support/Recorders.h"

namespace {

const std::vector<std::string> kRestarted{"EnableShutdownPrivilege", "ExitWindowsEx 2"};
const std::vector<std::string> kShutDown{"EnableShutdownPrivilege", "ExitWindowsEx 1"};

void Open(bool restart, const std::string& text) {
    ExitRestart = restart ? -1 : 0;
    ExitText = text;
    ShowWinExit(nullptr);
}

void Click(HWND dialog, int id) { SendDlgItemMessageA(dialog, id, BM_CLICK, 0, 0); }

// Two hundred openings, each checked for its texts, what closing it does and that its font went with it.
TEST(WinExit, ShowsTheCountdownAndOnlyRunOrEnterActLeavingNoFontBehind) {
    struct Case {
        const char* name;
        bool restart;
        std::string text;
        void (*act)(HWND);
        std::vector<std::string> calls;
    } const cases[] = {
        {"Escape", true, "Backup done", [](HWND dialog) { PostMessageA(dialog, WM_KEYDOWN, VK_ESCAPE, 1); }, {}},
        {"Cancel(&C)", false, "", [](HWND dialog) { Click(dialog, 2); }, {}},
        {"To run(&O)", false, "Backup done", [](HWND dialog) { Click(dialog, 1); }, kShutDown},
        {"Enter", true, "", [](HWND dialog) { PostMessageA(dialog, WM_KEYDOWN, VK_RETURN, 1); }, kRestarted},
    };
    GdiObjectCounter fonts;
    for (int round = 0; round < 200; ++round) {
        const Case& c = cases[round % std::size(cases)];
        RecordingSeams recorder;
        const std::string action = c.restart ? "Re-start computer" : "Shut down";
        const std::vector<PaintedText> expected = {
            {55, 10, "You have setup:" + action},
            {55, 25, action + "begin the countdown"},
            {55, 41, "The program will execute preset operation in 30 seconds."},
            {c.restart ? 204 : 183, 25, "30"},
            c.text.empty() ? PaintedText(c.restart ? 12 : 31, 56,
                                         "If relieve\xA1\xBC" + action +
                                             "\xA1\xBD,please press ESC button according to the cancel.")
                           : PaintedText(12, 56, c.text)};
        const bool closed = DriveModal([&c] { Open(c.restart, c.text); },
                                       [&](HWND dialog) {
                                           EXPECT_EQ(fonts.Live(), 1u) << c.name;
                                           EXPECT_EQ(PaintedTexts(dialog), expected) << c.name;
                                           c.act(dialog);
                                       });
        EXPECT_TRUE(closed) << c.name;
        EXPECT_EQ(recorder.calls(), c.calls) << c.name;
    }
    EXPECT_EQ(fonts.Live(), 0u);
}

TEST(WinExit, OneCountdownAtATimeThatFollowsTheClockAndActsOnceAtThirtySeconds) {
    RecordingSeams recorder;
    SettableClock clock;
    clock.SetLocal(2026, 12, 6, 7, 30, 0);
    const bool closed =
        DriveModal([] { Open(false, ""); },
                   [&](HWND dialog) {
                       Open(true, "Second");
                       for (int i = 0; i < 40; ++i)
                           RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
                       for (int i = 0; i < 5; ++i) SendMessageA(dialog, WM_TIMER, 2, 0);
                       EXPECT_EQ(std::get<2>(PaintedTexts(dialog)[3]), "30");
                       clock.Advance(29);
                       SendMessageA(dialog, WM_TIMER, 2, 0);
                       EXPECT_EQ(std::get<2>(PaintedTexts(dialog)[3]), "1");
                       EXPECT_EQ(std::get<2>(PaintedTexts(dialog)[4]).find("Second"), std::string::npos);
                       EXPECT_TRUE(recorder.calls().empty());
                       clock.Advance(1);  // the window's own timer sees the last second pass
                   });
    EXPECT_TRUE(closed);
    EXPECT_EQ(recorder.calls(), kShutDown);
}

}  // namespace
