#include "alarms/DlgWinExit.h"

#include <gtest/gtest.h>

#include <optional>
#include <tuple>

#include "support/DialogDriver.h"
#include "support/PaintedTexts.h"
#include "support/Recorders.h"

namespace {

using Calls = std::vector<std::string>;
const Calls kRestarted{"EnableShutdownPrivilege", "ExitWindowsEx 2"};
const Calls kShutDown{"EnableShutdownPrivilege", "ExitWindowsEx 1"};

std::string Caption(HWND window) {
    char text[64] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string Figure(HWND dialog) {
    for (const PaintedText& text : PaintedTexts(dialog))
        if (text.y == 25 && text.x > 150) return text.text;
    return "(none)";
}

struct Line {
    int x;
    int y;
    std::string text;
};

void Click(HWND dialog, int id) { SendDlgItemMessageA(dialog, id, BM_CLICK, 0, 0); }

// Opens a countdown for a restart (true) or shut-down item, as the scheduler does.
void Open(bool restart, std::optional<std::string> text = std::nullopt) {
    ExitRestart = restart ? -1 : 0;
    if (text) ExitText = *text;
    ShowWinExit(nullptr);
}

TEST(WinExit, DrawsTheCaptionAndFourLinesForEachKindOfItem) {
    const std::string hintEnd = "\xA1\xBD,please press ESC button according to the cancel.";
    struct Case {
        bool restart;
        std::optional<std::string> text;
        const char* caption;
        int figureX;
        Line line4;
    } const cases[] = {
        {true, "", "Re-start computer", 204, {12, 56, "If relieve\xA1\xBCRe-start computer" + hintEnd}},
        {false, "", "Shut down", 183, {31, 56, "If relieve\xA1\xBCShut down" + hintEnd}},
        {true, "Backup done", "Re-start computer", 204, {12, 56, "Backup done"}},
        {false, std::nullopt, "Shut down", 183, {12, 56, "Backup done"}},  // kept from the item before
    };
    RecordingSeams recorder;
    for (const Case& c : cases) {
        const std::string action = c.caption;
        const bool closed = DriveModal([&c] { Open(c.restart, c.text); },
                                       [&](HWND dialog) {
                                           RECT frame;
                                           GetWindowRect(dialog, &frame);
                                           EXPECT_EQ(frame.left, 374) << action;  // 374.5 to even
                                           EXPECT_EQ(frame.top, 315) << action;
                                           EXPECT_EQ(Caption(dialog), action);
                                           EXPECT_EQ(Caption(GetDlgItem(dialog, 1)), "To run(&O)");
                                           const Line expected[] = {
                                               {55, 10, "You have setup:" + action},
                                               {55, 25, action + "begin the countdown"},
                                               {55, 41, "The program will execute preset operation in 30 seconds."},
                                               {c.figureX, 25, "30"},
                                               c.line4,
                                           };
                                           const auto texts = PaintedTexts(dialog);
                                           ASSERT_EQ(texts.size(), std::size(expected)) << action;
                                           for (std::size_t i = 0; i < texts.size(); ++i) {
                                               EXPECT_EQ(std::tie(texts[i].x, texts[i].y, texts[i].text),
                                                         std::tie(expected[i].x, expected[i].y, expected[i].text));
                                               EXPECT_EQ(texts[i].face + std::to_string(texts[i].height), "Tahoma13");
                                           }
                                           Click(dialog, 2);
                                       });
        EXPECT_TRUE(closed) << action;
    }
    EXPECT_TRUE(recorder.calls().empty());
}

TEST(WinExit, CancelsWithoutActingAndActsAtOnceWhenConfirmed) {
    struct Case {
        const char* name;
        bool restart;
        void (*act)(HWND);
        Calls calls;
    } const cases[] = {
        {"Escape", true, [](HWND dialog) { PressKey(dialog, VK_ESCAPE); }, {}},
        {"Cancel(&C)", false, [](HWND dialog) { Click(dialog, 2); }, {}},
        {"close box", false, [](HWND dialog) { SendMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); }, {}},
        {"To run(&O)", false, [](HWND dialog) { Click(dialog, 1); }, kShutDown},
        {"Enter", true, [](HWND dialog) { PressKey(dialog, VK_RETURN); }, kRestarted},
    };
    for (const Case& c : cases) {
        RecordingSeams recorder;
        const bool closed = DriveModal([&c] { Open(c.restart, ""); }, c.act);
        EXPECT_TRUE(closed) << c.name;
        EXPECT_EQ(recorder.calls(), c.calls) << c.name;
    }
}

TEST(WinExit, LeftAloneActsOnceThirtySecondsAfterOpeningWhateverThePaints) {
    RecordingSeams recorder;
    SettableClock clock;
    clock.SetLocal(2026, 12, 6, 7, 30, 0);
    const bool closed =
        DriveModal([] { Open(false, ""); },
                   [&](HWND dialog) {
                       for (int i = 0; i < 40; ++i)
                           RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
                       for (int i = 0; i < 5; ++i) SendMessageA(dialog, WM_TIMER, 2, 0);
                       EXPECT_EQ(Figure(dialog), "30") << "paints or ticks without time";
                       clock.Advance(1);
                       SendMessageA(dialog, WM_TIMER, 2, 0);
                       EXPECT_EQ(Figure(dialog), "29");
                       clock.Advance(28);
                       SendMessageA(dialog, WM_TIMER, 2, 0);
                       EXPECT_EQ(Figure(dialog), "1");
                       EXPECT_TRUE(recorder.calls().empty());
                       // The window's own one-second timer sees the last second pass.
                       clock.Advance(1);
                   });
    EXPECT_TRUE(closed);
    EXPECT_EQ(recorder.calls(), kShutDown);
}

TEST(WinExit, ASecondItemDueWhileCountingDownIsTakenAsHandled) {
    RecordingSeams recorder;
    const bool closed = DriveModal([] { Open(true, ""); },
                                   [&](HWND dialog) {
                                       Open(false, "Second");
                                       EXPECT_EQ(ThreadDialogs().size(), 1u);
                                       EXPECT_TRUE(recorder.calls().empty());
                                       EXPECT_EQ(Caption(dialog), "Re-start computer");
                                       EXPECT_EQ(PaintedTexts(dialog).back().text.rfind("If relieve", 0), 0u);
                                       Click(dialog, 1);
                                   });
    EXPECT_TRUE(closed);
    EXPECT_EQ(recorder.calls(), kRestarted);
    ExitText.clear();
}

}  // namespace
