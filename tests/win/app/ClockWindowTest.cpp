#include "ClockHarness.h"
#include "app/TrayIcon.h"

#include <tuple>

namespace {

constexpr const char* kShown = "shown, 0 icons, Minimized(&M) 1";
constexpr const char* kInTray = "hidden minimised, 1 icons, Resume(&M) 0";

std::string Looks(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    BYTE alpha = 0;
    DWORD flags = 0;
    GetLayeredWindowAttributes(hwnd, nullptr, &alpha, &flags);
    char text[64];
    snprintf(text, sizeof text, "%ld,%ld %ldx%ld alpha %d%s", r.left, r.top, r.right - r.left, r.bottom - r.top,
             flags == LWA_ALPHA ? alpha : -1, GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST ? " top-most" : "");
    return text;
}

TEST_F(ClockTest, StartsAsAToolWindowPlacedAndFadedAsStored) {
    const Setting* const kept[] = {&settings::ClockLeft, &settings::ClockTop, &settings::Alpha, &settings::Windowpos};
    const struct {
        const char* stored[4];
        const char* looks;
    } cases[] = {
        {{}, "452,365 120x38 alpha 188"},                                 // centred on the 1024 x 768 test screen
        {{"-60", "10", "99", "2"}, "-60,10 120x38 alpha 100 top-most"},   // partly on the screen: kept
        {{"5000", "5000", "300", "0"}, "452,365 120x38 alpha 255"},       // on no monitor: centred
        {{nullptr, nullptr, "-5", nullptr}, "452,365 120x38 alpha 100"},  // never invisible
    };
    for (const auto& c : cases) {
        ForgetClockSettings();  // the previous window stored where it stood
        for (int i = 0; i < 4; ++i)
            if (c.stored[i]) SaveRegValue(kept[i]->root, kept[i]->key, kept[i]->name, RegType::Text, c.stored[i]);
        ClockWindow clock;
        EXPECT_EQ(Looks(clock.hwnd()), c.looks);
        EXPECT_EQ(GetWindowLongA(clock.hwnd(), GWL_EXSTYLE) & ~WS_EX_TOPMOST, WS_EX_TOOLWINDOW | WS_EX_LAYERED);
        // The system adds WS_CLIPSIBLINGS to every top-level window.
        EXPECT_EQ(GetWindowLongA(clock.hwnd(), GWL_STYLE) & ~WS_CLIPSIBLINGS, WS_POPUP | WS_SYSMENU | WS_VISIBLE);
        EXPECT_EQ(clock.State(), kShown);
    }
}

// Started in the tray, then every way there and back: one icon at a time and the menu's first item to match.
TEST_F(ClockTest, EveryWayToTheTrayAndBackShowsExactlyOneIcon) {
    SaveSetting(settings::IconRun, 1);
    ClockWindow clock;
    ASSERT_EQ(clock.State(), kInTray) << "started with IconRun";
    const NOTIFYICONDATAA& icon = clock.tray.LastAdded();
    EXPECT_EQ(std::pair(icon.hWnd, icon.uCallbackMessage), std::pair(clock.hwnd(), UINT(WM_TRAYCALLBACK)));
    EXPECT_STREQ(icon.szTip, "Tollwick V2.01");
    const UINT taskbarCreated = RegisterWindowMessageA("TaskbarCreated");
    const std::tuple<const char*, UINT, WPARAM, LPARAM, const char*> steps[] = {
        {"shell restart while in the tray", taskbarCreated, 0, 0, kInTray},
        {"other mouse input on the icon", WM_TRAYCALLBACK, 0, WM_MOUSEMOVE, kInTray},
        {"double click on the icon", WM_TRAYCALLBACK, 0, WM_LBUTTONDBLCLK, kShown},
        {"shell restart while shown", taskbarCreated, 0, 0, kShown},
        {"double click on the clock", WM_LBUTTONDBLCLK, 0, 0, kInTray},
        {"menu Resume", WM_COMMAND, 0, 0, kShown},
        {"menu Minimized", WM_COMMAND, 1, 0, kInTray},
        {"menu Resume again", WM_COMMAND, 0, 0, kShown},
    };
    for (const auto& [step, message, wParam, lParam, state] : steps) {
        if (message == taskbarCreated) clock.tray.Restart();
        clock.Send(message, wParam, lParam);
        EXPECT_EQ(clock.State(), state) << step;
    }
    // Each add loads its own icon, and its remove destroys it.
    ASSERT_EQ(clock.tray.AddedIcons().size(), 4u);
    ICONINFO info{};
    for (HICON icon : clock.tray.AddedIcons()) EXPECT_FALSE(GetIconInfo(icon, &info));
}

TEST_F(ClockTest, ASecondCopyBringsTheFirstBackWithItsMenu) {
    ClockWindow clock;
    const HANDLE running = CreateMutexA(nullptr, TRUE, kInstanceMutex);  // as the first copy holds it
    clock.Send(WM_COMMAND, 1);
    Main();  // finds this window and ends
    PumpMessages(10);
    EXPECT_EQ(clock.State(), kShown);
    EXPECT_EQ(hMainWnd, clock.hwnd()) << "the second run made no window of its own";
    ReleaseMutex(running);
    CloseHandle(running);
}

std::string ShortDate(int year, int month, int day) {
    const SYSTEMTIME date{WORD(year), WORD(month), 0, WORD(day), 0, 0, 0, 0};
    char text[128] = {};
    GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &date, nullptr, text, sizeof text);
    return text;
}

TEST_F(ClockTest, TheTooltipShowsTodaysDateAcrossMidnightAndClockChanges) {
    SettableClock time(60);
    time.SetLocal(2026, 12, 31, 23, 59, 59);
    ClockWindow clock;
    EXPECT_EQ(TooltipText(clock.hwnd()), ShortDate(2026, 12, 31));
    time.Advance(1);
    clock.Send(WM_TIMER, 8);
    EXPECT_EQ(TooltipText(clock.hwnd()), ShortDate(2027, 1, 1));
    time.SetLocal(2026, 6, 1, 12, 0, 0);  // the user sets the clock back
    clock.Send(WM_TIMER, 8);
    EXPECT_EQ(TooltipText(clock.hwnd()), ShortDate(2026, 6, 1));
}

TEST_F(ClockTest, PositionIsStoredOnExitAndAtTheEndOfASession) {
    {
        ClockWindow clock;
        MoveWindow(clock.hwnd(), 300, 200, 120, 38, TRUE);  // as a drag leaves it
        clock.Send(WM_ENDSESSION, FALSE);
        EXPECT_EQ(StoredPlace(), ",") << "a drag or a cancelled end of session stores nothing";
        clock.Send(WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
        EXPECT_EQ(StoredPlace(), "300,200");
        MoveWindow(clock.hwnd(), 310, 210, 120, 38, TRUE);
        clock.Send(WM_COMMAND, 5);
        EXPECT_EQ(StoredPlace(), "310,210");
        EXPECT_EQ(clock.recorder.calls(), std::vector<std::string>{"ExitProcess 0"});
    }
    ClockWindow clock;
    MoveWindow(clock.hwnd(), 20, 30, 120, 38, TRUE);
    clock.Send(WM_COMMAND, 1);
    clock.Send(WM_CLOSE);
    EXPECT_EQ(clock.tray.IconCount(), 0);
    EXPECT_EQ(StoredPlace(), "310,210") << "closed in the tray";
}

}  // namespace
