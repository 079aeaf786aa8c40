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

// Forty openings, each checked for its texts, what closing it does and that its font went with it.
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
    for (int round = 0; round < 40; ++round) {
        const Case& c = cases[round % std::size(cases)];
        RecordingSeams recorder;
        const std::string action = c.restart ? "Re-start computer" : "Shut down";
        const std::string expected = WithoutBlanks("You have setup:" + action + action + "begin the countdown" +
                                                   "The program will execute preset operation in 30 seconds." + "30" +
                                                   (c.text.empty() ? Hint(action) : c.text));
        const bool closed = DriveModal([&c] { Open(c.restart, c.text); },
                                       [&](HWND dialog) {
                                           EXPECT_EQ(fonts.Live(), 1u) << c.name;
                                           EXPECT_EQ(AllPainted(dialog), expected) << c.name;
                                           c.act(dialog);
                                       });
        EXPECT_TRUE(closed) << c.name;
        EXPECT_EQ(recorder.calls(), c.calls) << c.name;
    }
    EXPECT_EQ(fonts.Live(), 0u);
}

// Where each painted text lies, measured in the window's font.
std::vector<std::pair<RECT, std::string>> TextBoxes(HWND dialog) {
    const DialogFont font;
    const HDC dc = GetDC(dialog);
    const HGDIOBJ previous = SelectObject(dc, font.get());
    std::vector<std::pair<RECT, std::string>> boxes;
    for (const auto& [x, y, text] : PaintedTexts(dialog)) {
        SIZE size{};
        GetTextExtentPoint32A(dc, text.c_str(), int(text.size()), &size);
        boxes.push_back({{x, y, x + size.cx, y + size.cy}, text});
    }
    SelectObject(dc, previous);
    ReleaseDC(dialog, dc);
    return boxes;
}

// Every text lies inside the client area, apart from every other and above the etched line; the buttons keep their
// frames wherever they moved.
TEST(WinExit, EveryTextCanBeReadAndTheButtonsFollowIt) {
    const std::pair<bool, std::string> cases[] = {
        {true, ""},
        {false, ""},
        {true, "Backup done"},
        {false, "The photo library is backed up; the machine shuts down to save power until the morning."},
    };
    for (const auto& [restart, text] : cases) {
        const std::string name = (restart ? "restart " : "shut down ") + text;
        const auto check = [&](HWND dialog) {
            RECT client, window, button, overlap;
            GetClientRect(dialog, &client);
            GetWindowRect(dialog, &window);
            GetWindowRect(GetDlgItem(dialog, 2), &button);
            MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&button), 2);
            EXPECT_EQ(window.right - window.left, 275) << name;
            EXPECT_LE(button.bottom + 8, client.bottom) << name;
            const auto boxes = TextBoxes(dialog);
            for (auto box = boxes.begin(); box != boxes.end(); ++box) {
                EXPECT_TRUE(box->first.left >= 0 && box->first.right <= client.right) << name << ": " << box->second;
                EXPECT_LE(box->first.bottom, button.top - 9) << name << ": " << box->second;
                for (auto other = boxes.begin(); other != box; ++other)
                    EXPECT_FALSE(IntersectRect(&overlap, &box->first, &other->first)) << name << ": " << box->second;
            }
            EXPECT_EQ(ButtonFrameFaults(dialog), std::vector<std::string>{}) << name;
            Click(dialog, 2);
        };
        EXPECT_TRUE(DriveModal([&] { Open(restart, text); }, check)) << name;
    }
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
