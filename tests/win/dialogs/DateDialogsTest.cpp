#include "dialogs/DlgCalendar.h"
#include "dialogs/DlgSetSysTime.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "support/DialogDriver.h"
#include "support/Recorders.h"
#include "support/WindowText.h"

namespace {

// What a date picker does when the user changes it: takes the value and tells its parent.
void UserSets(HWND dialog, int picker, SYSTEMTIME value) {
    SendDlgItemMessageA(dialog, picker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&value));
    NMDATETIMECHANGE change{{GetDlgItem(dialog, picker), UINT_PTR(picker), UINT(DTN_DATETIMECHANGE)}, GDT_VALID, value};
    SendMessageA(dialog, WM_NOTIFY, picker, reinterpret_cast<LPARAM>(&change));
}

constexpr int kOk = 1, kApply = 3, kDate = 4, kTime = 5, kRefusal = 7;

// The date of the date picker and the time of the time picker: "year-month-day hour:minutes:seconds".
std::string Shown(HWND dialog) {
    SYSTEMTIME date{}, time{};
    SendDlgItemMessageA(dialog, kDate, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&date));
    SendDlgItemMessageA(dialog, kTime, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time));
    char text[48];
    std::snprintf(text, sizeof text, "%u-%u-%u %u:%02u:%02u", date.wYear, date.wMonth, date.wDay, time.wHour,
                  time.wMinute, time.wSecond);
    return text;
}

void Click(HWND dialog, int id) { SendDlgItemMessageA(dialog, id, BM_CLICK, 0, 0); }

using Calls = std::vector<std::string>;

TEST(SysTimeDialog, FollowsTheClockFreezesOnAnEditAndAppliesTheDateOfOneAndTheTimeOfTheOther) {
    RecordingSeams recorder;
    SettableClock clock;
    clock.SetLocal(2026, 12, 31, 23, 59, 58);
    EXPECT_TRUE(DriveModal(
        [] { ShowSysTimeDialog(nullptr); },
        [&](HWND dialog) {
            clock.Advance(3);
            SendMessageA(dialog, WM_TIMER, 6, 0);
            EXPECT_EQ(Shown(dialog), "2027-1-1 0:00:01");
            UserSets(dialog, kDate, {2027, 3, 0, 1, 0, 0, 1, 0});
            clock.Advance(10);
            SendMessageA(dialog, WM_TIMER, 6, 0);
            EXPECT_EQ(Shown(dialog), "2027-3-1 0:00:01") << "the edit stands";
            UserSets(dialog, kTime, {2027, 1, 0, 1, 8, 15, 30, 0});
            Click(dialog, kApply);
            EXPECT_EQ(recorder.calls(), (Calls{"EnableSystemTimePrivilege", "SetSystemTime 2027-03-01 08:15:30"}));
            EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, kApply)));
            clock.Advance(100);  // the dialog's own timer picks the clock up again
            for (int waited = 0; waited < 2000 && Shown(dialog) != "2027-1-1 0:01:51"; waited += 50) PumpMessages(50);
            EXPECT_EQ(Shown(dialog), "2027-1-1 0:01:51");
            recorder.clear();
            Click(dialog, kOk);
        }));
    EXPECT_EQ(recorder.calls(), Calls{}) << "OK with no edit since Apply leaves the clock alone";
}

// A refused change keeps the dialog open as the user left it, saying why in a line the dialog grows to show; OK
// sets the clock once it may, and Escape never does.
TEST(SysTimeDialog, StaysOpenWhenRefusedAndEscapeNeverSetsTheClock) {
    const Calls set{"EnableSystemTimePrivilege", "SetSystemTime 2027-06-15 09:30:00"};
    const struct {
        DWORD refusal;  // of the privilege, or of the clock for access denied
        WPARAM then;    // the key pressed once the clock may be set; 0: OK clicked
        Calls calls;
    } cases[] = {{ERROR_PRIVILEGE_NOT_HELD, 0, set}, {ERROR_ACCESS_DENIED, VK_ESCAPE, {set[0]}}};
    for (const auto& c : cases) {
        RecordingSeams recorder;
        SettableClock clock;
        clock.SetLocal(2027, 6, 15, 9, 29, 59, 900);
        const Seams working = seams;
        if (c.refusal == ERROR_PRIVILEGE_NOT_HELD)
            seams.EnableSystemTimePrivilege = [] { return SetLastError(ERROR_PRIVILEGE_NOT_HELD), FALSE; };
        else
            seams.SetSystemTime = [](const SYSTEMTIME*) { return SetLastError(ERROR_ACCESS_DENIED), FALSE; };
        EXPECT_TRUE(DriveModal([] { ShowSysTimeDialog(nullptr); },
                               [&](HWND dialog) {
                                   RECT opened, refused;
                                   GetWindowRect(dialog, &opened);
                                   UserSets(dialog, kTime, {2027, 6, 0, 15, 9, 30, 0, 0});
                                   Click(dialog, kOk);
                                   SendMessageA(dialog, WM_TIMER, 6, 0);
                                   EXPECT_EQ(Shown(dialog), "2027-6-15 9:30:00") << c.refusal;
                                   EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, kApply))) << c.refusal;
                                   char reason[256] = {};
                                   FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM, nullptr, c.refusal, 0, reason,
                                                  sizeof reason, nullptr);
                                   EXPECT_EQ(WindowText(GetDlgItem(dialog, kRefusal)) + "\r\n",
                                             std::string("The time could not be set: ") + reason)
                                       << c.refusal;
                                   GetWindowRect(dialog, &refused);
                                   EXPECT_GT(refused.bottom, opened.bottom) << c.refusal;
                                   seams = working;
                                   c.then ? void(PostMessageA(dialog, WM_KEYDOWN, c.then, 1)) : Click(dialog, kOk);
                               }))
            << c.refusal;
        EXPECT_EQ(recorder.calls(), c.calls) << c.refusal;
    }
}

// Central European time: UTC+1, and UTC+2 from the last Sunday of March, 2:00, to the last Sunday of October, 3:00.
const TIME_ZONE_INFORMATION kCentralEurope{-60, {}, {0, 10, 0, 5, 3, 0, 0, 0}, 0, {}, {0, 3, 0, 5, 2, 0, 0, 0}, -60};

// A date in the other half of the year is set by its own offset; in 2027 the clocks skip 2:00 to 3:00 on 28 March
// and repeat 2:00 to 3:00 on 31 October.
TEST(SysTimeDialog, SetsTheClockByTheOffsetOfTheChosenDate) {
    const struct {
        SYSTEMTIME now, chosen;
        const char* set;  // nullptr: refused
    } cases[] = {
        {{2027, 1, 0, 15, 12, 0, 0, 0}, {2027, 7, 0, 1, 12, 0, 0, 0}, "SetSystemTime 2027-07-01 10:00:00"},
        {{2027, 7, 0, 1, 12, 0, 0, 0}, {2027, 12, 0, 1, 12, 0, 0, 0}, "SetSystemTime 2027-12-01 11:00:00"},
        {{2027, 3, 0, 27, 12, 0, 0, 0}, {2027, 3, 0, 28, 2, 30, 0, 0}, nullptr},
        {{2027, 10, 0, 30, 12, 0, 0, 0}, {2027, 10, 0, 31, 2, 30, 0, 0}, "SetSystemTime 2027-10-31 00:30:00"},
    };
    for (const auto& c : cases) {
        RecordingSeams recorder;
        SettableClock clock;
        clock.SetLocal(c.now.wYear, c.now.wMonth, c.now.wDay, c.now.wHour, 0, 0);
        seams.UtcToLocal = [](const SYSTEMTIME* utc, SYSTEMTIME* local) {
            return SystemTimeToTzSpecificLocalTime(&kCentralEurope, utc, local);
        };
        seams.LocalToUtc = [](const SYSTEMTIME* local, SYSTEMTIME* utc) {
            return TzSpecificLocalTimeToSystemTime(&kCentralEurope, local, utc);
        };
        std::string refusal;
        EXPECT_TRUE(DriveModal([] { ShowSysTimeDialog(nullptr); },
                               [&](HWND dialog) {
                                   UserSets(dialog, kDate, c.chosen);
                                   UserSets(dialog, kTime, c.chosen);
                                   Click(dialog, kOk);
                                   refusal = WindowText(GetDlgItem(dialog, kRefusal));
                                   Click(dialog, IDCANCEL);
                               }))
            << c.chosen.wMonth;
        EXPECT_EQ(recorder.calls(), (c.set ? Calls{"EnableSystemTimePrivilege", c.set} : Calls{})) << c.chosen.wMonth;
        EXPECT_EQ(refusal, c.set ? "" : "The time could not be set: the clocks skip that time on that date.")
            << c.chosen.wMonth;
    }
}

constexpr int kPicker = 1, kDistance = 2, kCalendar = 5;

// The distance box, then the picker's and the calendar's days.
std::string Views(HWND dialog) {
    char distance[16] = {}, text[64];
    GetDlgItemTextA(dialog, kDistance, distance, sizeof distance);
    SYSTEMTIME picked{}, marked{};
    SendDlgItemMessageA(dialog, kPicker, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&picked));
    SendDlgItemMessageA(dialog, kCalendar, MCM_GETCURSEL, 0, reinterpret_cast<LPARAM>(&marked));
    std::snprintf(text, sizeof text, "%s %u-%u-%u %u-%u-%u", distance, picked.wYear, picked.wMonth, picked.wDay,
                  marked.wYear, marked.wMonth, marked.wDay);
    return text;
}

// Today is the last day of 2026: the three views follow whichever one the user moves, across the year's end. A
// distance that is no number of the spin's range is refused (which texts are numbers at all is tested natively), and
// the box shows the distance of the date again; an empty box or a lone minus sign waits until the user leaves the box.
TEST(CalendarDialog, KeepsDistancePickerAndCalendarInStep) {
    SettableClock clock;
    clock.SetLocal(2026, 12, 31, 23, 0, 0);
    const struct {
        void (*act)(HWND);
        const char* typed;
        const char* views;
    } steps[] = {
        {[](HWND) {}, nullptr, "0 2026-12-31 2026-12-31"},
        {[](HWND d) {
             SYSTEMTIME day{2027, 1, 0, 1, 0, 0, 0, 0};
             SendDlgItemMessageA(d, kCalendar, MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&day));
             NMSELCHANGE change{{GetDlgItem(d, kCalendar), kCalendar, UINT(MCN_SELCHANGE)}, day, day};
             SendMessageA(d, WM_NOTIFY, kCalendar, reinterpret_cast<LPARAM>(&change));
         },
         nullptr, "1 2027-1-1 2027-1-1"},
        {[](HWND d) {
             UserSets(d, kPicker, {2028, 2, 0, 29, 0, 0, 0, 0});
         },
         nullptr, "425 2028-2-29 2028-2-29"},
        {[](HWND d) { SetFocus(GetDlgItem(d, kDistance)); }, "-7", "-7 2026-12-24 2026-12-24"},
        {nullptr, "12a", "-7 2026-12-24 2026-12-24"},
        {nullptr, "99999999", "-7 2026-12-24 2026-12-24"},
        {nullptr, "-", "- 2026-12-24 2026-12-24"},
        {[](HWND d) { SetFocus(GetDlgItem(d, kPicker)); }, nullptr, "-7 2026-12-24 2026-12-24"},
    };
    EXPECT_TRUE(DriveModal([] { ShowCalendarDialog(nullptr); },
                           [&](HWND dialog) {
                               for (const auto& step : steps) {
                                   if (step.typed) SetDlgItemTextA(dialog, kDistance, step.typed);
                                   if (step.act) step.act(dialog);
                                   EXPECT_EQ(Views(dialog), step.views) << "step " << &step - steps;
                               }
                               PostMessageA(dialog, WM_KEYDOWN, VK_RETURN, 1);
                           }));
}

// Moved to a monitor at 144 DPI the dialog takes the rectangle it is offered and its controls grow by half, in a
// font made for that scale; moved back, they are where they started.
TEST(CalendarDialog, FollowsAMoveToAMonitorOfAnotherScale) {
    const HDC screen = GetDC(nullptr);
    const int screenDpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    if (screenDpi != 96) GTEST_SKIP() << "the moves start from a display at 96 DPI";
    const auto placeOf = [](HWND dialog, int id) {
        RECT place;
        GetWindowRect(GetDlgItem(dialog, id), &place);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&place), 2);
        return std::vector<LONG>{place.left, place.top, place.right - place.left, place.bottom - place.top};
    };
    const auto fontHeight = [](HWND dialog) {
        LOGFONTA font{};
        GetObjectA(reinterpret_cast<HFONT>(SendDlgItemMessageA(dialog, kDistance, WM_GETFONT, 0, 0)), sizeof font,
                   &font);
        return std::abs(font.lfHeight);
    };
    const auto moveTo = [](HWND dialog, int dpi, RECT suggested) {
        SendMessageA(dialog, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
        RECT now;
        GetWindowRect(dialog, &now);
        EXPECT_TRUE(EqualRect(&now, &suggested)) << "at " << dpi;
    };
    EXPECT_TRUE(DriveModal([] { ShowCalendarDialog(nullptr); },
                           [&](HWND dialog) {
                               RECT start;
                               GetWindowRect(dialog, &start);
                               const std::vector<LONG> distance = placeOf(dialog, kDistance);
                               EXPECT_EQ(fontHeight(dialog), 13);
                               moveTo(dialog, 144, {10, 20, 10 + 474, 20 + 503});
                               std::vector<LONG> grown;
                               for (const LONG value : distance) grown.push_back((value * 3 + 1) / 2);
                               EXPECT_EQ(placeOf(dialog, kDistance), grown);
                               EXPECT_EQ(fontHeight(dialog), 20);
                               moveTo(dialog, 96, start);
                               EXPECT_EQ(placeOf(dialog, kDistance), distance);
                               EXPECT_EQ(fontHeight(dialog), 13);
                               PostMessageA(dialog, WM_CLOSE, 0, 0);
                           }));
}

}  // namespace
