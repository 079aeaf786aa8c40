#include "app/frmMain.h"

#include "alarms/RingList.h"
#include "alarms/RingScheduler.h"
#include "alarms/WakeTimer.h"
#include "app/AboutWindow.h"
#include "app/ClockAccessible.h"
#include "app/ClockTooltip.h"
#include "app/HourlyChime.h"
#include "app/Placement.h"
#include "app/TickSchedule.h"
#include "app/TrayIcon.h"
#include "dialogs/DlgCalendar.h"
#include "dialogs/DlgOption.h"
#include "dialogs/DlgSetSysTime.h"
#include "face/ClockSize.h"
#include "face/SkinLoader.h"
#include "face/TimeText.h"
#include "face/clsDrawTime.h"
#include "forms/AlarmListWindow.h"
#include "settings/SettingsKeys.h"
#include "system/DeviceContexts.h"
#include "system/PublicFunction.h"
#include "system/Seams.h"
#include "system/WindowDpi.h"

#include <htmlhelp.h>

#include <memory>
#include <string>

HWND hMainWnd = nullptr;
clsMenu ClockMenu;

namespace {

// The current skin and the painter that places the time on it, made fresh for each main window.
Skin CurrentSkin;
clsDrawTime ClockDrawer;

constexpr UINT_PTR kClockTimer = 8;
constexpr char kWebsite[] = "http://www.tollwick.com/";

// The shell broadcasts it when it (re)starts: every tray icon has to be added again.
const UINT WM_TASKBARCREATED = RegisterWindowMessageA("TaskbarCreated");

std::unique_ptr<WakeTimer> AlarmWake;
// The period the clock timer runs with: re-arming it is a call to the window server, so only a change does.
int ClockTimerPeriod = 0;

enum Command : UINT {
    kResume = 0,
    kMinimize = 1,
    kOption = 3,
    kExit = 5,
    kSibling = 6,
    kCalendar = 7,
    kAlarms = 9,
    kTimeSetting = 11,
    kHelpMenu = 13,
    kAbout = 14,
    kHelpContent = 17,
    kWebsiteCommand = 18,
};

struct MenuEntry {
    UINT id;
    const char* caption;
    UINT type;
};

constexpr MenuEntry kItemsBeforeHelp[] = {
    {kMinimize, kMinimizeCaption, 0},
    {2, "", MFT_SEPARATOR},
    {kOption, "Option(&O)...", 0},
    {4, "", MFT_SEPARATOR},
    {kSibling, "Horolink Clock(&I)...", 0},
    {kCalendar, "Calendar(&W)...", 0},
    {8, "", MFT_SEPARATOR},
    {kAlarms, "Alarm Setting(&R)...", 0},
    {10, "", MFT_SEPARATOR},
    {kTimeSetting, "Time setting(&S)...", 0},
    {12, "", MFT_SEPARATOR},
};
constexpr MenuEntry kHelpItems[] = {{kHelpContent, "Help Content(&C)", 0}, {kWebsiteCommand, "Website(&H)", 0}};
constexpr MenuEntry kItemsAfterHelp[] = {
    {kAbout, "About(&A)...", MFT_MENUBARBREAK}, {15, "", MFT_SEPARATOR}, {kExit, "Exit(&X)", MFT_MENUBARBREAK}};

void BuildClockMenu() {
    ClockMenu.CreatePopMenu();
    const HMENU help = ClockMenu.CreatePopSubMenu();
    for (const MenuEntry& entry : kItemsBeforeHelp) ClockMenu.AddMenuItem(entry.id, entry.caption, entry.type);
    ClockMenu.AddMenuItem(kHelpMenu, "Help(&H)", 0, 0, true, help);
    for (const MenuEntry& entry : kHelpItems) ClockMenu.AddSubMenu(entry.caption, entry.id, entry.type, 0, help);
    for (const MenuEntry& entry : kItemsAfterHelp) ClockMenu.AddMenuItem(entry.id, entry.caption, entry.type);
    ClockMenu.OnCreate();
}

std::string SiblingPath() { return ProgramFolder() + "\\Horolink.exe"; }
std::string HelpPath() { return ProgramFolder() + "\\help.chm"; }

bool FileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// A command whose file is missing is greyed rather than doing nothing; the files may come and go while the clock runs.
void PopClockMenu(HWND hwnd) {
    ClockMenu.SetItemGreyed(kSibling, !FileExists(SiblingPath()));
    ClockMenu.SetItemGreyed(kHelpContent, !FileExists(HelpPath()));
    ClockMenu.PopMenu(hwnd);
}

// The wake timer and the tooltip follow the next alarm.
void FollowNextRing() {
    if (AlarmWake) AlarmWake->Follow(RingList, RingCount);
    RefreshClockTooltip();
}

// In the units PlaceClockWindow reads.
void StorePosition(HWND hwnd) {
    if (IsIconic(hwnd)) return;
    const DpiAwarenessScope storedUnits(DPI_AWARENESS_CONTEXT_UNAWARE);
    RECT rect{};
    GetWindowRect(hwnd, &rect);
    SaveSetting(settings::ClockLeft, std::to_string(rect.left));
    SaveSetting(settings::ClockTop, std::to_string(rect.top));
}

void ShellOpen(const std::string& file) {
    seams.ShellExecuteA(nullptr, "Open", file.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

std::string TimeTextOf(const SYSTEMTIME& time) { return TimeText(time.wHour, time.wMinute, time.wSecond); }

void PaintContent(HDC dc) {
    BitBlt(dc, 0, 0, CurrentSkin.width(), CurrentSkin.height(), CurrentSkin.hBackDC(), 0, 0, SRCCOPY);
    ClockDrawer.DrawTime(dc, CurrentSkin.hTimeDC(), TimeTextOf(LocalNow()));
}

// What the last tick drew in the time area, so the next draws only the glyphs that change. A paint from
// elsewhere, another place or another strip makes it draw them all.
struct TimeOnFace {
    std::string text;
    int left = 0;
    int top = 0;
    HDC strip = nullptr;
};
TimeOnFace shownTime;

// The tick draws the time at once through a window DC: invalidating the area and painting on WM_PAINT costs six
// calls to the window server every second, this none. The DC changes no attribute, so it need not be reset.
void PaintTimeArea(HWND hwnd, const std::string& time) {
    if (!IsWindowVisible(hwnd)) return;
    const TimeOnFace now{time, ClockDrawer.ReLeft(), ClockDrawer.ReTop(), CurrentSkin.hTimeDC()};
    const bool samePlace = now.left == shownTime.left && now.top == shownTime.top && now.strip == shownTime.strip;
    ClockDrawer.DrawTimeChange(WindowDC(hwnd, DCX_CACHE | DCX_NORESETATTRS), now.strip,
                               samePlace ? shownTime.text : std::string(), now.text);
    shownTime = now;
}

// The skin shown at a multiple: its size, outline and time place.
void ShowSkinAt(HWND hwnd, int multiple) {
    CurrentSkin.SetMultiple(multiple);
    ApplyAppearance(hwnd, CurrentSkin);
    ClockDrawer.PaintTimePos(CurrentSkin.timeCorner(), multiple);
}

// The skin just loaded becomes the clock's, at the chosen size.
void TakeSkin(HWND hwnd) {
    CurrentSkin = LoadSkinBitmaps(hwnd);
    ShowSkinAt(hwnd, ClockMultiple(ReadSettingNumber(settings::ClockSize), WindowDpi(hwnd)));
}

void OnCreate(HWND hwnd) {
    ClockMenu = clsMenu();
    ClockDrawer = clsDrawTime();
    ApplyOption(hwnd, "RndBackBmp");
    ApplyOption(hwnd, "RndTimeBmp");
    TakeSkin(hwnd);
    PlaceClockWindow(hwnd);
    BuildClockMenu();
    ReadChimeSettings();
    LoadRingData();
    CreateClockTooltip(hwnd);
    AlarmWake = std::make_unique<WakeTimer>();
    NextRingMoved = FollowNextRing;
    FollowNextRing();
    SendMessageA(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(kClockTitle));
}

void OnClose(HWND hwnd) {
    RemoveTrayIcon();
    ClockMenu = clsMenu();
    ClockDrawer = clsDrawTime();
    CurrentSkin = Skin();
    NextRingMoved = nullptr;
    AlarmWake.reset();
    DestroyClockTooltip();
    StorePosition(hwnd);
    KillTimer(hwnd, kClockTimer);
    DestroyWindow(hwnd);
}

void OnDestroy(HWND hwnd) {
    if (hMainWnd == hwnd) hMainWnd = nullptr;
    ReleaseClockAccessible();
    PostQuitMessage(0);
}

void OnSize(HWND hwnd, WPARAM kind) {
    if (kind == SIZE_MINIMIZED) {
        ShowWindow(hwnd, SW_HIDE);
        AddTrayIcon(hwnd);
        SendMessageA(hwnd, WM_COMMAND, kMinimize, 0);
        return;
    }
    RemoveTrayIcon();
    // Whoever brought the window back (a second copy, too), the first item offers to minimise again.
    if (ClockMenu.hMenu()) ClockMenu.SetMenuText(0, kMinimizeCaption, kMinimize);
}

void OnPaint(HWND hwnd) {
    shownTime = {};
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(hwnd, &paint);
    PaintContent(dc);
    EndPaint(hwnd, &paint);
}

void ArmClockTimer(HWND hwnd, int period) {
    ClockTimerPeriod = period;
    SetTimer(hwnd, kClockTimer, period, nullptr);
}

void OnTimer(HWND hwnd) {
    const SYSTEMTIME now = LocalNow();
    if (const int period = NextTickDelay(now.wMilliseconds); period != ClockTimerPeriod) ArmClockTimer(hwnd, period);
    PaintTimeArea(hwnd, TimeTextOf(now));
    FollowClockMinute(hwnd, now);
    RefreshClockTooltip();
    CheckHourlyChime();
    CheckRingTime(hwnd);
}

void OnCommand(HWND hwnd, WPARAM command) {
    switch (command) {
        case kResume:
            ClockMenu.SetMenuText(0, kMinimizeCaption, kMinimize);
            ShowWindow(hwnd, SW_SHOWNORMAL);
            break;
        case kMinimize:
            ClockMenu.SetMenuText(0, kResumeCaption, kResume);
            ShowWindow(hwnd, SW_HIDE);
            ShowWindow(hwnd, SW_MINIMIZE);
            ShowWindow(hwnd, SW_HIDE);
            break;
        case kOption:
            ShowOptionDialog(hwnd);
            break;
        case kExit:
            SendMessageA(hwnd, WM_CLOSE, 0, 0);
            seams.ExitProcess(0);
            break;
        case kSibling:
            ShellOpen(SiblingPath());
            break;
        case kCalendar:
            ShowCalendarDialog(hwnd);
            break;
        case kAlarms:
            ShowAlarmList();
            break;
        case kTimeSetting:
            ShowSysTimeDialog(hwnd);
            break;
        case kAbout:
            ShowForm4();
            break;
        case kHelpContent:
            seams.HtmlHelpA(hwnd, HelpPath().c_str(), HH_DISPLAY_TOPIC, 0);
            break;
        case kWebsiteCommand:
            ShellOpen(kWebsite);
            break;
    }
}

void OnLButtonDown(HWND hwnd) {
    UpdateWindow(hwnd);
    ReleaseCapture();
    SendMessageA(hwnd, WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

void OnLButtonDblClk(HWND hwnd) {
    ShowWindow(hwnd, SW_HIDE);
    ShowWindow(hwnd, SW_SHOWMINIMIZED);
}

void OnTrayCallback(HWND hwnd, LPARAM mouse) {
    if (mouse == WM_LBUTTONDBLCLK)
        SendMessageA(hwnd, WM_COMMAND, kResume, 0);
    else if (mouse == WM_RBUTTONUP)
        PopClockMenu(hwnd);
}

// No WM_CLOSE comes when the session ends, so this is the last chance to keep the user's arrangement.
void OnEndSession(HWND hwnd, WPARAM ending) {
    if (ending) StorePosition(hwnd);
}

// What fell due while the computer slept is caught up by the first tick after it wakes.
void OnPowerBroadcast(WPARAM event) {
    switch (event) {
        case PBT_APMSUSPEND:
            RingSuspending();
            break;
        case PBT_APMRESUMEAUTOMATIC:
        case PBT_APMRESUMESUSPEND:
            RingResumed();
            break;
        default:
            return;
    }
    FollowNextRing();
}

// The options were applied: the skin, appearance and chime follow them at once.
void OnOptionsApplied(HWND hwnd) {
    TakeSkin(hwnd);
    ReadChimeSettings();
    // The wake switch may have changed.
    FollowNextRing();
}

// Moved to a monitor of another scale, an automatic size follows it; the point the clock is held by (the cursor,
// while it is dragged) stays on the same pixel of the skin.
void OnDpiChanged(HWND hwnd, WPARAM dpi) {
    const int from = CurrentSkin.multiple();
    const int to = ClockMultiple(ReadSettingNumber(settings::ClockSize), LOWORD(dpi));
    if (to == from) return;
    RECT window{};
    GetWindowRect(hwnd, &window);
    POINT cursor{};
    GetCursorPos(&cursor);
    if (!PtInRect(&window, cursor)) cursor = {(window.left + window.right) / 2, (window.top + window.bottom) / 2};
    const ScreenPoint origin = KeepAnchor({window.left, window.top}, {cursor.x, cursor.y}, from, to);
    SetWindowPos(hwnd, nullptr, origin.x, origin.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ShowSkinAt(hwnd, to);
    InvalidateRect(hwnd, nullptr, FALSE);
}

void OnTaskbarCreated(HWND hwnd) {
    if (!IsIconic(hwnd)) return;
    RemoveTrayIcon();
    AddTrayIcon(hwnd);
}

}  // namespace

const Skin& ClockSkin() { return CurrentSkin; }

void StartClockTimer(HWND hwnd) { ArmClockTimer(hwnd, NextTickDelay(LocalNow().wMilliseconds)); }

LRESULT CALLBACK MainWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    RelayClockTooltipMouse(message, lParam);
    switch (message) {
        case WM_CREATE:
            OnCreate(hwnd);
            break;
        case WM_DESTROY:
            OnDestroy(hwnd);
            break;
        case WM_SIZE:
            OnSize(hwnd, wParam);
            break;
        // Painted and validated: DefWindowProcA would only begin and end an empty paint once more.
        case WM_PAINT:
            OnPaint(hwnd);
            return 0;
        case WM_PRINTCLIENT:
            PaintContent(reinterpret_cast<HDC>(wParam));
            break;
        case WM_CLOSE:
            OnClose(hwnd);
            break;
        case WM_ENDSESSION:
            OnEndSession(hwnd, wParam);
            break;
        case WM_DRAWITEM:
            ClockMenu.OnDrawItem(lParam);
            break;
        case WM_MEASUREITEM:
            ClockMenu.OnMeasureItem(hwnd, lParam);
            break;
        case WM_COMMAND:
            OnCommand(hwnd, wParam);
            break;
        case WM_TIMER:
            OnTimer(hwnd);
            break;
        case WM_LBUTTONDOWN:
            OnLButtonDown(hwnd);
            break;
        // DefWindowProcA would restore the window it just minimised: a double click restores an icon.
        case WM_LBUTTONDBLCLK:
            OnLButtonDblClk(hwnd);
            return 0;
        case WM_RBUTTONUP:
            PopClockMenu(hwnd);
            break;
        case WM_TRAYCALLBACK:
            OnTrayCallback(hwnd, lParam);
            break;
        case WM_TIMECHANGE:
            FollowNextRing();
            break;
        case WM_POWERBROADCAST:
            OnPowerBroadcast(wParam);
            return TRUE;
        case WM_GETOBJECT:
            if (const LRESULT object = ClockAccessibleObject(hwnd, wParam, lParam)) return object;
            break;
        case WM_OPTIONSAPPLIED:
            OnOptionsApplied(hwnd);
            break;
        // The system's suggested rectangle scales by the monitors' ratio, the skin only by whole multiples.
        case WM_DPICHANGED:
            OnDpiChanged(hwnd, wParam);
            return 0;
        default:
            if (message == WM_TASKBARCREATED) OnTaskbarCreated(hwnd);
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}
