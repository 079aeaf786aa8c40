#include "ClockHarness.h"
#include "system/DeviceContexts.h"
#include "system/PublicFunction.h"

#include <fstream>
#include <set>
#include <tuple>

namespace {

constexpr const char* kShown = "shown, 0 icons, Minimized(&M) 1";
constexpr const char* kInTray = "hidden minimised, 1 icons, Resume(&M) 0";

// Placed where it was stored unless that is on no monitor, and never fainter than the slider's 100.
TEST_F(ClockTest, StartsPlacedAndFadedAsStoredButNeverLostOrInvisible) {
    const Setting* const kept[] = {&settings::ClockLeft, &settings::ClockTop, &settings::Alpha, &settings::Windowpos};
    const std::pair<std::vector<const char*>, std::tuple<int, int, int, bool>> cases[] = {
        {{"-60", "10", "-5", "2"}, {-60, 10, 100, true}},        // partly on the screen: kept, top-most
        {{"5000", "5000", "300", "0"}, {452, 365, 255, false}},  // centred on the 1024 x 768 test screen
    };
    for (const auto& [stored, looks] : cases) {
        for (int i = 0; i < 4; ++i) SaveRegValue(kept[i]->root, kept[i]->key, kept[i]->name, RegType::Text, stored[i]);
        ClockWindow clock;
        RECT r{};
        GetWindowRect(clock.hwnd(), &r);
        BYTE alpha = 0;
        GetLayeredWindowAttributes(clock.hwnd(), nullptr, &alpha, nullptr);
        const bool topMost = GetWindowLongA(clock.hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST;
        EXPECT_EQ(std::tuple(int(r.left), int(r.top), int(alpha), topMost), looks) << stored[0];
    }
}

// Moved to a monitor of another scale, an automatic clock takes that scale's whole multiple and keeps the pixel
// under the cursor that drags it; a chosen size stays as it is.
TEST_F(ClockTest, AnAutomaticSizeFollowsTheMonitorsScaleAroundTheDraggedPoint) {
    SaveSetting(settings::ClockLeft, "200");
    SaveSetting(settings::ClockTop, "100");
    const std::tuple<const char*, int, RECT> cases[] = {
        {nullptr, 192, {170, 90, 410, 166}}, {nullptr, 144, {200, 100, 320, 138}}, {"100", 192, {200, 100, 320, 138}}};
    for (const auto& [size, dpi, expected] : cases) {
        size ? void(SaveSetting(settings::ClockSize, size)) : DeleteSetting(settings::ClockSize);
        ClockWindow clock;
        SetCursorPos(230, 110);
        RECT suggested{0, 0, 1, 1}, shown{};
        clock.Send(WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
        GetWindowRect(clock.hwnd(), &shown);
        EXPECT_TRUE(EqualRect(&shown, &expected)) << dpi << " " << shown.left << "," << shown.top << " " << shown.right;
        clock.Send(WM_DPICHANGED, MAKEWPARAM(96, 96), reinterpret_cast<LPARAM>(&suggested));
        GetWindowRect(clock.hwnd(), &shown);
        EXPECT_EQ(std::pair(shown.left, shown.right), std::pair(200L, 320L)) << "back at 96 dpi";
    }
}

// Started in the tray; its icon outlives a restart of the shell and its callback brings the clock back. The end of
// a session stores the place, unless minimised. (A second copy bringing the first back is the end-to-end test's.)
TEST_F(ClockTest, TheTrayIconOutlivesTheShellAndTheEndOfASessionStoresThePlace) {
    SaveSetting(settings::IconRun, 1);
    ClockWindow clock;
    EXPECT_EQ(clock.State(), kInTray) << "started with IconRun";
    const UINT taskbarCreated = RegisterWindowMessageA("TaskbarCreated"),
               callback = clock.tray.LastAdded().uCallbackMessage;
    const auto stored = [] { return ReadSettingText(settings::ClockLeft) + "," + ReadSettingText(settings::ClockTop); };
    const std::tuple<const char*, UINT, WPARAM, LPARAM, const char*> steps[] = {
        {"shell restart", taskbarCreated, 0, 0, kInTray},
        {"double click on the icon", callback, 0, WM_LBUTTONDBLCLK, kShown},
        {"menu Minimized", WM_COMMAND, 1, 0, kInTray},
        {"end of session while minimised", WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, kInTray},
        {"double click on the icon again", callback, 0, WM_LBUTTONDBLCLK, kShown},
    };
    for (const auto& [step, message, wParam, lParam, state] : steps) {
        if (message == taskbarCreated) clock.tray.Restart();
        clock.Send(message, wParam, lParam);
        EXPECT_EQ(clock.State(), state) << step;
    }
    EXPECT_EQ(stored(), ",") << "minimised";
    MoveWindow(clock.hwnd(), 300, 200, 120, 38, TRUE);
    clock.Send(WM_ENDSESSION, FALSE);
    EXPECT_EQ(stored(), ",") << "a drag or a cancelled end of session";
    clock.Send(WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    EXPECT_EQ(stored(), "300,200");
}

TEST_F(ClockTest, TheTooltipShowsTodaysDateAcrossMidnightAndClockChanges) {
    const auto date = [](int year, int month, int day) {
        const SYSTEMTIME when{WORD(year), WORD(month), 0, WORD(day), 0, 0, 0, 0};
        char text[128] = {};
        GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &when, nullptr, text, sizeof text);
        return std::string(text);
    };
    SettableClock time(60);
    time.SetLocal(2026, 12, 31, 23, 59, 59);
    ClockWindow clock;
    EXPECT_EQ(TooltipText(clock.hwnd()), date(2026, 12, 31));
    time.Advance(1);
    clock.Send(WM_TIMER, 8);
    EXPECT_EQ(TooltipText(clock.hwnd()), date(2027, 1, 1));
    time.SetLocal(2026, 6, 1, 12, 0, 0);  // the user sets the clock back
    clock.Send(WM_TIMECHANGE);
    EXPECT_EQ(TooltipText(clock.hwnd()), date(2026, 6, 1));
}

void CALLBACK CloseMenu(HWND, UINT, UINT_PTR, DWORD) { EndMenu(); }

// The sibling program and the help are greyed while their files are missing beside the program; the commands that
// start something go through the shell, shown normally.
TEST_F(ClockTest, MenuCommandsWhoseFilesAreMissingAreGreyedAndTheOthersOpenShown) {
    ClockWindow clock;
    const std::string files[] = {ProgramFolder() + "\\Horolink.exe", ProgramFolder() + "\\help.chm"};
    for (const std::string& file : files) DeleteFileA(file.c_str());
    const char* const greyed[] = {"GG", "-G", "--"};  // none there, then one file after the other
    for (int present = 0; present < 3; ++present) {
        const UINT_PTR timer = SetTimer(nullptr, 0, 50, CloseMenu);
        clock.Send(WM_RBUTTONUP);
        KillTimer(nullptr, timer);
        std::string states;
        for (const UINT id : {6u, 17u})
            states += GetMenuState(ClockMenu.hMenu(), id, MF_BYCOMMAND) & MF_GRAYED ? "G" : "-";
        EXPECT_EQ(states, greyed[present]);
        if (present < 2) std::ofstream(files[present]).put('x');
    }
    for (const std::string& file : files) DeleteFileA(file.c_str());
    const std::pair<WPARAM, std::string> launches[] = {
        {6, "ShellExecute Open|" + files[0] + "|(null)|(null)|1"},
        {17, "HtmlHelp " + files[1] + "|0"},
        {18, "ShellExecute Open|http://www.tollwick.com/|(null)|(null)|1"},
    };
    for (const auto& [command, call] : launches) {
        clock.recorder.clear();
        clock.Send(WM_COMMAND, command);
        EXPECT_EQ(clock.recorder.calls(), std::vector{call}) << "command " << command;
    }
}

// Items are measured in the menu font. A selected item is filled with the highlight colour and its caption drawn
// in the highlight text colour; a greyed one never looks selected. In high contrast every pixel is one of the menu's
// system colours (no 3-D shades), a selection fills the whole item and a separator is a line in the text colour.
TEST_F(ClockTest, MenuItemsAreMeasuredInTheMenuFontAndDrawnInTheSystemColours) {
    ClockWindow clock;
    const ScopedSeams saved;
    constexpr ULONG_PTR option = 2, separator = 3, horolink = 4, exit = 16;
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    const SkinDC dc(nullptr, GdiBitmap(CreateBitmap(140, 18, 1, 32, nullptr)));
    const GdiFont menuFont(CreateFontIndirectA(&metrics.lfMenuFont));
    const SelectedObject selected(dc, menuFont);
    const std::string caption = ClockMenu.Item(int(option)).Text;
    SIZE extent{};
    GetTextExtentPoint32A(dc, caption.c_str(), int(caption.size()), &extent);
    MEASUREITEMSTRUCT measure{ODT_MENU, 0, 0, 0, 0, option};
    SendMessageA(clock.hwnd(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure));
    EXPECT_EQ(std::pair(int(measure.itemWidth), int(measure.itemHeight)),
              std::pair(int(extent.cx) + 19, GetSystemMetrics(SM_CYMENU)));
    const std::set<COLORREF> system = {GetSysColor(COLOR_MENU), GetSysColor(COLOR_MENUTEXT),
                                       GetSysColor(COLOR_HIGHLIGHT), GetSysColor(COLOR_HIGHLIGHTTEXT),
                                       GetSysColor(COLOR_GRAYTEXT)};
    const struct {
        bool highContrast;
        ULONG_PTR record;
        UINT state;
        POINT probe;
        int fill, caption;  // the colour at the probe, and one the caption has
    } items[] = {
        {false, option, 0, {21, 9}, COLOR_MENU, COLOR_MENUTEXT},
        {false, option, ODS_SELECTED, {21, 9}, COLOR_HIGHLIGHT, COLOR_HIGHLIGHTTEXT},
        {false, horolink, ODS_SELECTED | ODS_GRAYED, {21, 9}, COLOR_MENU, COLOR_GRAYTEXT},
        {true, option, 0, {2, 9}, COLOR_MENU, COLOR_MENUTEXT},
        {true, option, ODS_SELECTED, {2, 9}, COLOR_HIGHLIGHT, COLOR_HIGHLIGHTTEXT},
        {true, exit, ODS_SELECTED, {0, 0}, COLOR_HIGHLIGHT, COLOR_HIGHLIGHTTEXT},
        {true, separator, ODS_SELECTED, {10, 2}, COLOR_MENUTEXT, COLOR_MENUTEXT},
        {true, horolink, ODS_SELECTED | ODS_GRAYED, {2, 9}, COLOR_MENU, COLOR_GRAYTEXT},
    };
    for (const auto& item : items) {
        seams.HighContrastOn = item.highContrast ? +[] { return true; } : +[] { return false; };
        const RECT all{0, 0, 140, 18};
        FillRect(dc, &all, GetSysColorBrush(COLOR_WINDOWTEXT));
        DRAWITEMSTRUCT draw{ODT_MENU, 0, 0, ODA_DRAWENTIRE, item.state, nullptr, dc, all, item.record};
        SendMessageA(clock.hwnd(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
        bool caption = false;
        int strays = 0;
        for (int x = 0; x < 140; ++x)
            for (int y = 0; y < 18; ++y) {
                caption |= x > 22 && GetPixel(dc, x, y) == GetSysColor(item.caption);
                strays += item.highContrast && !system.count(GetPixel(dc, x, y));
            }
        EXPECT_EQ(std::tuple(GetPixel(dc, item.probe.x, item.probe.y), caption, strays),
                  std::tuple(GetSysColor(item.fill), true, 0))
            << "item " << item.record << " state " << item.state << (item.highContrast ? " in high contrast" : "");
    }
}

}  // namespace
