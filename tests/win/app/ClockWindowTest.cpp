#include "ClockHarness.h"
#include "app/Form4.h"
#include "app/PublicFunction.h"
#include "app/ScreenCentre.h"
#include "app/TrayIcon.h"

#include <commctrl.h>
#include <gtest/gtest.h>

namespace {

class ClockWindowTest : public testing::Test {
protected:
    void SetUp() override { ForgetClockSettings(); }
    void TearDown() override { ForgetClockSettings(); }
};

POINT Origin(HWND hwnd) {
    RECT rect{};
    GetWindowRect(hwnd, &rect);
    return {rect.left, rect.top};
}

TEST_F(ClockWindowTest, ClassStylesAndSizeOfAFirstStart) {
    ClockWindow clock;
    ASSERT_NE(clock.hwnd(), nullptr);
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    ASSERT_TRUE(GetClassInfoExA(GetModuleHandleA(nullptr), "frmMain", &windowClass));
    EXPECT_EQ(windowClass.style, UINT(CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS));
    EXPECT_EQ(windowClass.hbrBackground, reinterpret_cast<HBRUSH>(COLOR_MENU + 1));
    EXPECT_EQ(windowClass.lpfnWndProc, MainWndProc);

    EXPECT_EQ(GetWindowLongA(clock.hwnd(), GWL_EXSTYLE) & ~WS_EX_TOPMOST, WS_EX_TOOLWINDOW | WS_EX_LAYERED);
    // The system adds WS_CLIPSIBLINGS to every top-level window.
    EXPECT_EQ(DWORD(GetWindowLongA(clock.hwnd(), GWL_STYLE)) & ~WS_CLIPSIBLINGS,
              DWORD(WS_POPUP | WS_SYSMENU | WS_VISIBLE));
    EXPECT_FALSE(GetWindowLongA(clock.hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    RECT rect{};
    GetWindowRect(clock.hwnd(), &rect);
    EXPECT_EQ(rect.right - rect.left, 120);
    EXPECT_EQ(rect.bottom - rect.top, 38);
    char title[64] = {};
    GetWindowTextA(clock.hwnd(), title, sizeof title);
    EXPECT_STREQ(title, "Marrowby Clock");
    EXPECT_EQ(FindWindowA("frmMain", "Marrowby Clock"), clock.hwnd());
    EXPECT_EQ(clock.FirstItem(), "Minimized(&M) 1");
    EXPECT_EQ(clock.tray.IconCount(), 0);
}

TEST_F(ClockWindowTest, OpacityFollowsTheStoredAlpha) {
    const struct {
        const char* stored;
        BYTE alpha;
    } cases[] = {{nullptr, 188}, {"255", 255}, {"0", 0}, {"120", 120}, {"abc", 188}, {"", 188}, {"300", 255}};
    for (const auto& c : cases) {
        ForgetClockSettings();
        if (c.stored) SaveSetting(settings::Alpha, std::string_view(c.stored));
        ClockWindow clock;
        BYTE alpha = 1;
        DWORD flags = 0;
        ASSERT_TRUE(GetLayeredWindowAttributes(clock.hwnd(), nullptr, &alpha, &flags)) << c.stored;
        EXPECT_EQ(alpha, c.alpha) << (c.stored ? c.stored : "absent");
        EXPECT_EQ(flags, DWORD(LWA_ALPHA));
    }
}

TEST_F(ClockWindowTest, StandsWhereItWasLeftOrCentred) {
    RECT desktop{};
    GetWindowRect(GetDesktopWindow(), &desktop);
    const ScreenPoint centre = CentredOrigin(desktop.right, desktop.bottom, 120, 38);
    const struct {
        const char *left, *top;
        LONG x, y;
    } cases[] = {
        {nullptr, nullptr, centre.x, centre.y}, {"100", "200", 100, 200},
        {"100", nullptr, centre.x, centre.y},   {"abc", "200", centre.x, centre.y},
        {"-60", "10", -60, 10},                 // partly on the screen: kept
        {"5000", "5000", centre.x, centre.y},   // on no monitor: centred
        {"-500", "300", centre.x, centre.y},    {"99999999999", "10", centre.x, centre.y},
    };
    for (const auto& c : cases) {
        ForgetClockSettings();  // the last window stored where it stood
        if (c.left) SaveSetting(settings::ClockLeft, std::string_view(c.left));
        if (c.top) SaveSetting(settings::ClockTop, std::string_view(c.top));
        ClockWindow clock;
        const POINT origin = Origin(clock.hwnd());
        const std::string name = std::string(c.left ? c.left : "-") + "," + (c.top ? c.top : "-");
        EXPECT_EQ(origin.x, c.x) << name;
        EXPECT_EQ(origin.y, c.y) << name;
    }
}

TEST_F(ClockWindowTest, TopMostOnlyWhenWindowposIsOn) {
    for (const char* stored : {"1", "2", "0", "abc"}) {
        SaveSetting(settings::Windowpos, std::string_view(stored));
        ClockWindow clock;
        const bool topmost = GetWindowLongA(clock.hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST;
        EXPECT_EQ(topmost, IsFlagOn(stored)) << stored;
    }
}

TEST_F(ClockWindowTest, IconRunStartsInTheTray) {
    SaveSetting(settings::IconRun, 1);
    ClockWindow clock;
    EXPECT_FALSE(IsWindowVisible(clock.hwnd()));
    EXPECT_TRUE(IsIconic(clock.hwnd()));
    EXPECT_EQ(clock.tray.IconCount(), 1);
    EXPECT_EQ(clock.FirstItem(), "Resume(&M) 0");
    const NOTIFYICONDATAA& icon = clock.tray.LastAdded();
    EXPECT_EQ(icon.cbSize, 88u);
    EXPECT_EQ(icon.hWnd, clock.hwnd());
    EXPECT_EQ(icon.uID, 0u);
    EXPECT_EQ(icon.uFlags, UINT(NIF_MESSAGE | NIF_ICON | NIF_TIP));
    EXPECT_EQ(icon.uCallbackMessage, 0x46Cu);
    EXPECT_STREQ(icon.szTip, "Tollwick V2.01");
    EXPECT_NE(icon.hIcon, nullptr);
}

TEST_F(ClockWindowTest, EveryWayToTheTrayAndBackShowsExactlyOneIcon) {
    ClockWindow clock;
    const struct {
        const char* step;
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        int icons;
        const char* firstItem;
    } steps[] = {
        {"menu Minimized", WM_COMMAND, 1, 0, 1, "Resume(&M) 0"},
        {"menu Resume", WM_COMMAND, 0, 0, 0, "Minimized(&M) 1"},
        {"double click on the clock", WM_LBUTTONDBLCLK, 0, 0, 1, "Resume(&M) 0"},
        {"double click on the icon", WM_TRAYCALLBACK, 0, WM_LBUTTONDBLCLK, 0, "Minimized(&M) 1"},
        {"menu Minimized again", WM_COMMAND, 1, 0, 1, "Resume(&M) 0"},
        {"other mouse input on the icon", WM_TRAYCALLBACK, 0, WM_MOUSEMOVE, 1, "Resume(&M) 0"},
        {"menu Resume again", WM_COMMAND, 0, 0, 0, "Minimized(&M) 1"},
    };
    for (const auto& s : steps) {
        SendMessageA(clock.hwnd(), s.message, s.wParam, s.lParam);
        PumpMessages(10);
        EXPECT_EQ(clock.tray.IconCount(), s.icons) << s.step;
        EXPECT_EQ(bool(IsWindowVisible(clock.hwnd())), s.icons == 0) << s.step;
        EXPECT_EQ(clock.FirstItem(), s.firstItem) << s.step;
    }
    const std::vector<HICON>& icons = clock.tray.AddedIcons();
    ASSERT_EQ(icons.size(), 3u);
    // Each add loads its own icon, and the remove destroys it again.
    ICONINFO info{};
    for (HICON icon : icons) EXPECT_FALSE(GetIconInfo(icon, &info));
}

TEST_F(ClockWindowTest, IconComesBackWhenTheShellRestarts) {
    ClockWindow clock;
    const UINT taskbarCreated = RegisterWindowMessageA("TaskbarCreated");
    SendMessageA(clock.hwnd(), taskbarCreated, 0, 0);
    EXPECT_EQ(clock.tray.IconCount(), 0) << "a shown clock has no icon";
    clock.Command(1);
    clock.tray.Restart();
    SendMessageA(clock.hwnd(), taskbarCreated, 0, 0);
    EXPECT_EQ(clock.tray.IconCount(), 1);
    clock.Command(0);
    EXPECT_EQ(clock.tray.IconCount(), 0);
}

TEST_F(ClockWindowTest, ASecondCopyBringsTheFirstBackWithItsMenu) {
    ClockWindow clock;
    clock.Command(1);
    ASSERT_FALSE(IsWindowVisible(clock.hwnd()));
    Main();  // finds this window and ends
    PumpMessages(10);
    EXPECT_TRUE(IsWindowVisible(clock.hwnd()));
    EXPECT_FALSE(IsIconic(clock.hwnd()));
    EXPECT_EQ(clock.tray.IconCount(), 0);
    EXPECT_EQ(clock.FirstItem(), "Minimized(&M) 1");
    EXPECT_EQ(hMainWnd, clock.hwnd()) << "the second run made no window of its own";
}

TEST_F(ClockWindowTest, ExitStoresThePositionAndEndsTheProcess) {
    ClockWindow clock;
    MoveWindow(clock.hwnd(), 300, 200, 120, 38, TRUE);  // as a drag leaves it
    EXPECT_EQ(StoredText(settings::ClockLeft), "(none)") << "a drag stores nothing";
    clock.Command(5);
    EXPECT_FALSE(IsWindow(clock.hwnd()));
    EXPECT_EQ(StoredText(settings::ClockLeft), "300");
    EXPECT_EQ(StoredText(settings::ClockTop), "200");
    EXPECT_EQ(clock.recorder.calls(), std::vector<std::string>{"ExitProcess 0"});
}

TEST_F(ClockWindowTest, ClosingInTheTrayKeepsTheOldPosition) {
    SaveSetting(settings::ClockLeft, "10");
    SaveSetting(settings::ClockTop, "20");
    ClockWindow clock;
    MoveWindow(clock.hwnd(), 300, 200, 120, 38, TRUE);
    clock.Command(1);
    SendMessageA(clock.hwnd(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(clock.hwnd()));
    EXPECT_EQ(clock.tray.IconCount(), 0);
    EXPECT_EQ(StoredText(settings::ClockLeft), "10");
    EXPECT_EQ(StoredText(settings::ClockTop), "20");
}

TEST_F(ClockWindowTest, EndOfSessionStoresThePosition) {
    ClockWindow clock;
    MoveWindow(clock.hwnd(), 310, 210, 120, 38, TRUE);
    SendMessageA(clock.hwnd(), WM_ENDSESSION, FALSE, 0);
    EXPECT_EQ(StoredText(settings::ClockLeft), "(none)") << "a cancelled end of session";
    SendMessageA(clock.hwnd(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    EXPECT_EQ(StoredText(settings::ClockLeft), "310");
    EXPECT_EQ(StoredText(settings::ClockTop), "210");
}

TEST_F(ClockWindowTest, LaunchCommandsGoThroughTheShellShown) {
    ClockWindow clock;
    const std::string folder = ProgramFolder();
    const struct {
        WPARAM command;
        std::vector<std::string> calls;
    } cases[] = {
        {6, {"ShellExecute Open|" + folder + "\\Horolink.exe|(null)|(null)|1"}},
        {17, {"HtmlHelp " + folder + "\\help.hlp|0"}},
        {18, {"ShellExecute Open|http://www.tollwick.com/|(null)|(null)|1"}},
        {2, {}}, {4, {}}, {13, {}}, {16, {}}, {99, {}},
    };
    for (const auto& c : cases) {
        clock.recorder.clear();
        clock.Command(c.command);
        EXPECT_EQ(clock.recorder.calls(), c.calls) << "command " << c.command;
        EXPECT_TRUE(IsWindowVisible(clock.hwnd())) << "command " << c.command;
    }
}

TEST_F(ClockWindowTest, AboutShowsOnePictureWindowThatAClickCloses) {
    ClockWindow clock;
    clock.Command(14);
    const HWND about = Form4Window();
    ASSERT_NE(about, nullptr);
    clock.Command(14);
    EXPECT_EQ(Form4Window(), about) << "a second About shows the same window";
    char caption[32] = {};
    GetWindowTextA(about, caption, sizeof caption);
    EXPECT_STREQ(caption, "Version");
    RECT client{};
    GetClientRect(about, &client);
    EXPECT_EQ(client.right, 280);
    EXPECT_EQ(client.bottom, 185);
    const HWND picture = GetWindow(about, GW_CHILD);
    ASSERT_NE(picture, nullptr);
    BITMAP bitmap{};
    const auto image = reinterpret_cast<HBITMAP>(SendMessageA(picture, STM_GETIMAGE, IMAGE_BITMAP, 0));
    ASSERT_TRUE(GetObjectA(image, sizeof bitmap, &bitmap));
    EXPECT_EQ(bitmap.bmWidth, 280);
    EXPECT_EQ(bitmap.bmHeight, 185);
    SendMessageA(picture, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    PumpMessages(10);
    EXPECT_FALSE(IsWindow(about));
    EXPECT_EQ(Form4Window(), nullptr);
}

TEST_F(ClockWindowTest, AnyTimerRepaintsOnlyTheTimeArea) {
    ClockWindow clock;
    for (WPARAM id : {8, 99}) {
        ValidateRect(clock.hwnd(), nullptr);
        SendMessageA(clock.hwnd(), WM_TIMER, id, 0);
        RECT update{};
        ASSERT_TRUE(GetUpdateRect(clock.hwnd(), &update, FALSE)) << "timer " << id;
        const RECT expected{ClockDrawer.ReLeft(), ClockDrawer.ReTop(), ClockDrawer.ReLeft() + 110,
                            ClockDrawer.ReTop() + 25};
        EXPECT_TRUE(EqualRect(&update, &expected)) << "timer " << id << ": " << update.left << "," << update.top
                                                   << "," << update.right << "," << update.bottom;
    }
}

BOOL CALLBACK FindTooltip(HWND window, LPARAM found) {
    char name[32] = {};
    GetClassNameA(window, name, sizeof name);
    if (lstrcmpiA(name, "tooltips_class32") == 0 && SendMessageA(window, TTM_GETTOOLCOUNT, 0, 0) == 1)
        *reinterpret_cast<HWND*>(found) = window;
    return TRUE;
}

// The date tip is attached to the clock with the wrapper's delay and width.
TEST_F(ClockWindowTest, TooltipShowsTheDate) {
    ClockWindow clock;
    HWND tip = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindTooltip, reinterpret_cast<LPARAM>(&tip));
    ASSERT_NE(tip, nullptr);
    char text[128] = {};
    TOOLINFOA info{};
    info.cbSize = TTTOOLINFOA_V1_SIZE;
    info.lpszText = text;
    ASSERT_TRUE(SendMessageA(tip, TTM_ENUMTOOLSA, 0, reinterpret_cast<LPARAM>(&info)));
    EXPECT_EQ(info.uId, reinterpret_cast<UINT_PTR>(clock.hwnd()));
    char today[128] = {};
    GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, today, sizeof today);
    EXPECT_STREQ(text, today);
    EXPECT_EQ(SendMessageA(tip, TTM_GETDELAYTIME, TTDT_AUTOPOP, 0), 4000);
    EXPECT_EQ(SendMessageA(tip, TTM_GETMAXTIPWIDTH, 0, 0), 288);
}

}  // namespace
