#include "alarms/DlgWinExit.h"

#include <gtest/gtest.h>

#include "dialogkit/DialogFont.h"
#include "support/DialogDriver.h"
#include "support/GdiCount.h"
#include "support/PaintedClient.h"
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

std::string WithoutBlanks(std::string text) {
    std::erase(text, ' ');
    return text;
}

// Everything painted, in order, wrapped rows joined.
std::string AllPainted(HWND dialog) {
    std::string all;
    for (const auto& [x, y, text] : PaintedTexts(dialog)) all += text;
    return WithoutBlanks(all);
}

std::string Hint(const std::string& action) {
    return "If relieve\xA1\xBC" + action + "\xA1\xBD,please press ESC button according to the cancel.";
}

// Every text, measured in the window's font, lies inside the client area, apart from every other and above the
// buttons, which keep their frames wherever they moved.
void ExpectReadable(HWND dialog, const char* name) {
    RECT client, window, button, overlap;
    GetClientRect(dialog, &client);
    GetWindowRect(dialog, &window);
    GetWindowRect(GetDlgItem(dialog, 2), &button);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&button), 2);
    EXPECT_EQ(window.right - window.left, 275) << name;
    EXPECT_LE(button.bottom + 8, client.bottom) << name;
    const DialogFont font;
    const HDC dc = GetDC(dialog);
    const HGDIOBJ previous = SelectObject(dc, font.get());
    std::vector<RECT> boxes;
    for (const auto& [x, y, text] : PaintedTexts(dialog)) {
        SIZE size{};
        GetTextExtentPoint32A(dc, text.c_str(), int(text.size()), &size);
        const RECT box{x, y, x + size.cx, y + size.cy};
        EXPECT_TRUE(box.left >= 0 && box.right <= client.right) << name << ": " << text;
        EXPECT_LE(box.bottom, button.top - 9) << name << ": " << text;
        for (const RECT& other : boxes) EXPECT_FALSE(IntersectRect(&overlap, &box, &other)) << name << ": " << text;
        boxes.push_back(box);
    }
    SelectObject(dc, previous);
    ReleaseDC(dialog, dc);
    EXPECT_EQ(ButtonFrameFaults(dialog), std::vector<std::string>{}) << name;
}

// Each way out, with and without a text of its own (one long enough to wrap): every text shown and readable, only
// Run and Enter act, and the font made once and gone with the window.
TEST(WinExit, ShowsTheCountdownReadablyAndOnlyRunOrEnterActLeavingNoFontBehind) {
    const std::string wraps = "The photo library is backed up; the machine shuts down to save power until the morning.";
    struct Case {
        const char* name;
        bool restart;
        std::string text;
        void (*act)(HWND);
        std::vector<std::string> calls;
    } const cases[] = {
        {"Escape", true, "Backup done", [](HWND dialog) { PostMessageA(dialog, WM_KEYDOWN, VK_ESCAPE, 1); }, {}},
        {"Cancel(&C)", false, "", [](HWND dialog) { Click(dialog, 2); }, {}},
        {"To run(&O)", false, wraps, [](HWND dialog) { Click(dialog, 1); }, kShutDown},
        {"Enter", true, "", [](HWND dialog) { PostMessageA(dialog, WM_KEYDOWN, VK_RETURN, 1); }, kRestarted},
    };
    GdiObjectCounter fonts;
    for (const Case& c : cases) {
        RecordingSeams recorder;
        const std::string action = c.restart ? "Re-start computer" : "Shut down";
        const std::string expected = WithoutBlanks("You have setup:" + action + action + "begin the countdown" +
                                                   "The program will execute preset operation in 30 seconds." + "30" +
                                                   (c.text.empty() ? Hint(action) : c.text));
        const bool closed = DriveModal([&c] { Open(c.restart, c.text); },
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

TEST(WinExit, OneCountdownAtATimeThatIgnoresClockChangesAndActsOnceAtThirtySeconds) {
    RecordingSeams recorder;
    SettableClock clock;
    clock.SetLocal(2026, 12, 6, 7, 30, 0);
    const auto figure = [](HWND dialog) {
        for (const auto& [x, y, text] : PaintedTexts(dialog))
            if (text.find_first_not_of("0123456789") == std::string::npos) return text;
        return std::string("none");
    };
    const bool closed = DriveModal([] { Open(false, ""); },
                                   [&](HWND dialog) {
                                       Open(true, "Second");
                                       for (int i = 0; i < 40; ++i)
                                           RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
                                       for (int i = 0; i < 5; ++i) SendMessageA(dialog, WM_TIMER, 2, 0);
                                       EXPECT_EQ(figure(dialog), "30");
                                       for (const int jump : {3600, -7200, 30}) {
                                           clock.Jump(jump);  // a time server, the user, a zone change
                                           SendMessageA(dialog, WM_TIMER, 2, 0);
                                           EXPECT_EQ(figure(dialog), "30") << "after a jump of " << jump;
                                       }
                                       clock.Advance(29);
                                       SendMessageA(dialog, WM_TIMER, 2, 0);
                                       EXPECT_EQ(figure(dialog), "1");
                                       EXPECT_EQ(AllPainted(dialog).find("Second"), std::string::npos);
                                       EXPECT_TRUE(recorder.calls().empty());
                                       clock.Advance(1);  // the window's own timer sees the last second pass
                                   });
    EXPECT_TRUE(closed);
    EXPECT_EQ(recorder.calls(), kShutDown);
}

}  // namespace
