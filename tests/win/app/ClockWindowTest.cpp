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

RECT WindowRect(HWND hwnd) {
    RECT rect{};
    GetWindowRect(hwnd, &rect);
    return rect;
}

BOOL CALLBACK FindTooltip(HWND window, LPARAM found) {
    char name[32] = {};
    GetClassNameA(window, name, sizeof name);
    if (lstrcmpiA(name, TOOLTIPS_CLASSA) == 0) *reinterpret_cast<HWND*>(found) = window;
    return TRUE;
}

TEST_F(ClockWindowTest, AFirstStartIsAShownToolWindowWithTheDateTip) {
    ClockWindow clock;
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    ASSERT_TRUE(GetClassInfoExA(GetModuleHandleA(nullptr), "frmMain", &windowClass));
    EXPECT_EQ(windowClass.style, UINT(CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS));
    EXPECT_EQ(windowClass.hbrBackground, reinterpret_cast<HBRUSH>(COLOR_MENU + 1));
    EXPECT_EQ(GetWindowLongA(clock.hwnd(), GWL_EXSTYLE), WS_EX_TOOLWINDOW | WS_EX_LAYERED) << "and not top-most";
    // The system adds WS_CLIPSIBLINGS to every top-level window.
    EXPECT_EQ(DWORD(GetWindowLongA(clock.hwnd(), GWL_STYLE)) & ~WS_CLIPSIBLINGS,
              DWORD(WS_POPUP | WS_SYSMENU | WS_VISIBLE));
    const RECT rect = WindowRect(clock.hwnd());
    EXPECT_EQ(rect.right - rect.left, 120);
    EXPECT_EQ(rect.bottom - rect.top, 38);
    EXPECT_EQ(FindWindowA("frmMain", "Marrowby Clock"), clock.hwnd());
    EXPECT_EQ(clock.FirstItem(), "Minimized(&M) 1");
    EXPECT_EQ(clock.tray.IconCount(), 0);

    HWND tip = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindTooltip, reinterpret_cast<LPARAM>(&tip));
    ASSERT_NE(tip, nullptr);
    char text[128] = {}, today[128] = {};
    TOOLINFOA info{};
    info.cbSize = TTTOOLINFOA_V1_SIZE;
    info.lpszText = text;
    ASSERT_TRUE(SendMessageA(tip, TTM_ENUMTOOLSA, 0, reinterpret_cast<LPARAM>(&info)));
    EXPECT_EQ(info.uId, reinterpret_cast<UINT_PTR>(clock.hwnd()));
    GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, today, sizeof today);
    EXPECT_STREQ(text, today);
    EXPECT_EQ(SendMessageA(tip, TTM_GETDELAYTIME, TTDT_AUTOPOP, 0), 4000);
    EXPECT_EQ(SendMessageA(tip, TTM_GETMAXTIPWIDTH, 0, 0), 288);
}

TEST_F(ClockWindowTest, StoredPlaceOpacityAndTopMost) {
    RECT desktop = WindowRect(GetDesktopWindow());
    const ScreenPoint centre = CentredOrigin(desktop.right, desktop.bottom, 120, 38);
    const LONG cx = centre.x, cy = centre.y;
    const struct {
        const char *left, *top, *alpha, *topmost;
        LONG x, y;
        BYTE opacity;
        bool onTop;
    } cases[] = {
        {nullptr, nullptr, nullptr, nullptr, cx, cy, 188, false},
        {"100", "200", "255", "1", 100, 200, 255, true},
        {"100", nullptr, "0", "2", cx, cy, 0, true},
        {"abc", "200", "abc", "0", cx, cy, 188, false},
        {"-60", "10", "120", "abc", -60, 10, 120, false},      // partly on the screen: kept
        {"5000", "5000", "300", nullptr, cx, cy, 255, false},  // on no monitor: centred
        {"-500", "300", "", nullptr, cx, cy, 188, false},
        {"99999999999", "10", nullptr, nullptr, cx, cy, 188, false},
    };
    for (const auto& c : cases) {
        ForgetClockSettings();  // the previous window stored where it stood
        const std::pair<const Setting*, const char*> stored[] = {{&settings::ClockLeft, c.left},
                                                                 {&settings::ClockTop, c.top},
                                                                 {&settings::Alpha, c.alpha},
                                                                 {&settings::Windowpos, c.topmost}};
        for (const auto& [setting, text] : stored)
            if (text) SaveRegValue(setting->root, setting->key, setting->name, RegType::Text, text);
        ClockWindow clock;
        const std::string name = std::string(c.left ? c.left : "-") + "," + (c.top ? c.top : "-");
        const RECT rect = WindowRect(clock.hwnd());
        EXPECT_EQ(rect.left, c.x) << name;
        EXPECT_EQ(rect.top, c.y) << name;
        BYTE alpha = 1;
        DWORD flags = 0;
        GetLayeredWindowAttributes(clock.hwnd(), nullptr, &alpha, &flags);
        EXPECT_EQ(alpha, c.opacity) << name;
        EXPECT_EQ(flags, DWORD(LWA_ALPHA)) << name;
        EXPECT_EQ(bool(GetWindowLongA(clock.hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST), c.onTop) << name;
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
}

TEST_F(ClockWindowTest, EveryWayToTheTrayAndBackShowsExactlyOneIcon) {
    ClockWindow clock;
    const struct {
        const char* step;
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        int icons;
    } steps[] = {
        {"menu Minimized", WM_COMMAND, 1, 0, 1},
        {"menu Resume", WM_COMMAND, 0, 0, 0},
        {"double click on the clock", WM_LBUTTONDBLCLK, 0, 0, 1},
        {"double click on the icon", WM_TRAYCALLBACK, 0, WM_LBUTTONDBLCLK, 0},
        {"menu Minimized again", WM_COMMAND, 1, 0, 1},
        {"other mouse input on the icon", WM_TRAYCALLBACK, 0, WM_MOUSEMOVE, 1},
        {"menu Resume again", WM_COMMAND, 0, 0, 0},
    };
    for (const auto& s : steps) {
        clock.Send(s.message, s.wParam, s.lParam);
        EXPECT_EQ(clock.tray.IconCount(), s.icons) << s.step;
        EXPECT_EQ(bool(IsWindowVisible(clock.hwnd())), s.icons == 0) << s.step;
        EXPECT_EQ(clock.FirstItem(), s.icons ? "Resume(&M) 0" : "Minimized(&M) 1") << s.step;
    }
    ASSERT_EQ(clock.tray.AddedIcons().size(), 3u);
    // Each add loads its own icon, and its remove destroys it.
    ICONINFO info{};
    for (HICON icon : clock.tray.AddedIcons()) EXPECT_FALSE(GetIconInfo(icon, &info));
}

TEST_F(ClockWindowTest, IconComesBackWhenTheShellRestarts) {
    ClockWindow clock;
    const UINT taskbarCreated = RegisterWindowMessageA("TaskbarCreated");
    clock.Send(taskbarCreated);
    EXPECT_EQ(clock.tray.IconCount(), 0) << "a shown clock has no icon";
    clock.Command(1);
    clock.tray.Restart();
    clock.Send(taskbarCreated);
    EXPECT_EQ(clock.tray.IconCount(), 1);
}

TEST_F(ClockWindowTest, ASecondCopyBringsTheFirstBackWithItsMenu) {
    ClockWindow clock;
    clock.Command(1);
    Main();  // finds this window and ends
    PumpMessages(10);
    EXPECT_TRUE(IsWindowVisible(clock.hwnd()));
    EXPECT_FALSE(IsIconic(clock.hwnd()));
    EXPECT_EQ(clock.tray.IconCount(), 0);
    EXPECT_EQ(clock.FirstItem(), "Minimized(&M) 1");
    EXPECT_EQ(hMainWnd, clock.hwnd()) << "the second run made no window of its own";
}

TEST_F(ClockWindowTest, PositionIsStoredOnExitAndAtTheEndOfASession) {
    {
        ClockWindow clock;
        MoveWindow(clock.hwnd(), 300, 200, 120, 38, TRUE);  // as a drag leaves it
        EXPECT_EQ(Stored(settings::ClockLeft), "-") << "a drag stores nothing";
        clock.Send(WM_ENDSESSION, FALSE);
        EXPECT_EQ(Stored(settings::ClockLeft), "-") << "a cancelled end of session";
        clock.Send(WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
        EXPECT_EQ(Stored(settings::ClockLeft) + " " + Stored(settings::ClockTop), "300 200");
        MoveWindow(clock.hwnd(), 310, 210, 120, 38, TRUE);
        clock.Command(5);
        EXPECT_FALSE(IsWindow(clock.hwnd()));
        EXPECT_EQ(Stored(settings::ClockLeft) + " " + Stored(settings::ClockTop), "310 210");
        EXPECT_EQ(clock.recorder.calls(), std::vector<std::string>{"ExitProcess 0"});
    }
    ClockWindow clock;
    MoveWindow(clock.hwnd(), 20, 30, 120, 38, TRUE);
    clock.Command(1);
    clock.Send(WM_CLOSE);
    EXPECT_FALSE(IsWindow(clock.hwnd()));
    EXPECT_EQ(clock.tray.IconCount(), 0);
    EXPECT_EQ(Stored(settings::ClockLeft) + " " + Stored(settings::ClockTop), "310 210") << "closed in the tray";
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
        {2, {}},
        {13, {}},
        {16, {}},
        {99, {}},
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
    EXPECT_EQ(client.right * 1000 + client.bottom, 280185);
    const HWND picture = GetWindow(about, GW_CHILD);
    BITMAP bitmap{};
    GetObjectA(reinterpret_cast<HBITMAP>(SendMessageA(picture, STM_GETIMAGE, IMAGE_BITMAP, 0)), sizeof bitmap, &bitmap);
    EXPECT_EQ(bitmap.bmWidth * 1000 + bitmap.bmHeight, 280185);
    SendMessageA(picture, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    EXPECT_FALSE(IsWindow(about));
    EXPECT_EQ(Form4Window(), nullptr);
}

TEST_F(ClockWindowTest, AnyTimerRepaintsOnlyTheTimeArea) {
    ClockWindow clock;
    for (WPARAM id : {8, 99}) {
        ValidateRect(clock.hwnd(), nullptr);
        SendMessageA(clock.hwnd(), WM_TIMER, id, 0);
        RECT update{};
        GetUpdateRect(clock.hwnd(), &update, FALSE);
        EXPECT_EQ(update.left, 5) << id;
        EXPECT_EQ(update.top, 7) << id;
        EXPECT_EQ(update.right, 115) << id;
        EXPECT_EQ(update.bottom, 32) << id;
    }
}

}  // namespace
