#include "dialogs/DlgCalendar.h"
#include "dialogs/DlgSetSysTime.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <cstdio>
#include <string>
#include <vector>

#include "support/DialogDriver.h"
#include "support/GdiCount.h"
#include "support/Recorders.h"

namespace {

// What a date picker does when the user changes it: takes the value and tells its parent.
void UserSets(HWND dialog, int picker, SYSTEMTIME value) {
    SendDlgItemMessageA(dialog, picker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&value));
    NMDATETIMECHANGE change{{GetDlgItem(dialog, picker), UINT_PTR(picker), UINT(DTN_DATETIMECHANGE)}, GDT_VALID, value};
    SendMessageA(dialog, WM_NOTIFY, picker, reinterpret_cast<LPARAM>(&change));
}

SYSTEMTIME Day(WORD year, WORD month, WORD day) { return {year, month, 0, day, 0, 0, 0, 0}; }

// What a control shows, read with `get`: " year-month-day", or " hour:minutes:seconds" for `time`.
std::string Read(HWND dialog, int id, UINT get, bool time = false) {
    SYSTEMTIME t{};
    SendDlgItemMessageA(dialog, id, get, 0, reinterpret_cast<LPARAM>(&t));
    char text[24];
    std::snprintf(text, sizeof text, time ? " %u:%02u:%02u" : " %u-%u-%u", time ? t.wHour : t.wYear,
                  time ? t.wMinute : t.wMonth, time ? t.wSecond : t.wDay);
    return text;
}

constexpr int kOk = 1, kApply = 3, kDate = 4, kTime = 5, kRefusal = 7;

// The date of the date picker and the time of the time picker.
std::string Shown(HWND dialog) {
    return Read(dialog, kDate, DTM_GETSYSTEMTIME) + Read(dialog, kTime, DTM_GETSYSTEMTIME, true);
}

void Click(HWND dialog, int id) { SendDlgItemMessageA(dialog, id, BM_CLICK, 0, 0); }

using Calls = std::vector<std::string>;

TEST(SysTimeDialog, FollowsTheClockFreezesOnAnEditAndAppliesTheDateOfOneAndTheTimeOfTheOther) {
    RecordingSeams recorder;
    SettableClock clock;
    clock.SetLocal(2026, 12, 31, 23, 59, 58);
    const bool closed = DriveModal(
        [] { ShowSysTimeDialog(nullptr); },
        [&](HWND dialog) {
            EXPECT_EQ(TabOrder(dialog, 5), "4 5 1 2 4 ") << "past the disabled Apply";
            EXPECT_EQ(Shown(dialog), " 2026-12-31 23:59:58");
            clock.Advance(3);
            SendMessageA(dialog, WM_TIMER, 6, 0);
            EXPECT_EQ(Shown(dialog), " 2027-1-1 0:00:01");

            UserSets(dialog, kDate, {2027, 3, 0, 1, 0, 0, 1, 0});
            clock.Advance(10);
            SendMessageA(dialog, WM_TIMER, 6, 0);
            EXPECT_EQ(Shown(dialog), " 2027-3-1 0:00:01") << "the edit stands";
            UserSets(dialog, kTime, {2027, 1, 0, 1, 8, 15, 30, 0});
            Click(dialog, kApply);
            EXPECT_EQ(recorder.calls(), (Calls{"EnableSystemTimePrivilege", "SetLocalTime 2027-03-01 08:15:30"}));
            EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, kApply)));

            clock.Advance(100);  // the dialog's own timer picks the clock up again
            for (int waited = 0; waited < 2000 && Shown(dialog) != " 2027-1-1 0:01:51"; waited += 50) PumpMessages(50);
            EXPECT_EQ(Shown(dialog), " 2027-1-1 0:01:51");
            recorder.clear();
            Click(dialog, kOk);
        });
    EXPECT_TRUE(closed);
    EXPECT_EQ(recorder.calls(), Calls{}) << "OK after Apply has nothing more to set";
}

// Only an edit sets the clock, only OK and Enter set it, and a refusal keeps the dialog open as the user left
// it, saying why, until a change goes through.
TEST(SysTimeDialog, SetsTheClockOnlyForAnAcceptedEditAndStaysOpenWhenRefused) {
    const Calls set{"EnableSystemTimePrivilege", "SetLocalTime 2027-06-15 09:30:00"};
    const auto ok = [](HWND d) { Click(d, kOk); };
    const struct {
        const char* name;
        bool edit;
        void (*close)(HWND);
        DWORD refusal;  // of the privilege, or of the clock for access denied
        Calls calls;
    } cases[] = {
        {"OK, no edit", false, ok, 0, {}},
        {"OK", true, ok, 0, set},
        {"Enter", true, [](HWND d) { PostMessageA(d, WM_KEYDOWN, VK_RETURN, 1); }, 0, set},
        {"Escape", true, [](HWND d) { PostMessageA(d, WM_KEYDOWN, VK_ESCAPE, 1); }, 0, {}},
        {"close box", true, [](HWND d) { SendMessageA(d, WM_SYSCOMMAND, SC_CLOSE, 0); }, 0, {}},
        {"privilege refused", true, ok, ERROR_PRIVILEGE_NOT_HELD, set},
        {"clock refused", true, ok, ERROR_ACCESS_DENIED, {"EnableSystemTimePrivilege", set[0], set[1]}},
    };
    GdiObjectCounter fonts;
    for (const auto& c : cases) {
        RecordingSeams recorder;
        SettableClock clock;
        clock.SetLocal(2027, 6, 15, 9, 29, 59, 900);
        const Seams working = seams;
        if (c.refusal == ERROR_PRIVILEGE_NOT_HELD)
            seams.EnableSystemTimePrivilege = [] { return SetLastError(ERROR_PRIVILEGE_NOT_HELD), FALSE; };
        if (c.refusal == ERROR_ACCESS_DENIED)
            seams.SetLocalTime = [](const SYSTEMTIME*) { return SetLastError(ERROR_ACCESS_DENIED), FALSE; };
        const bool closed = DriveModal(
            [] { ShowSysTimeDialog(nullptr); },
            [&](HWND dialog) {
                EXPECT_EQ(fonts.Live(), 1u) << c.name;
                RECT opened, refused;
                GetWindowRect(dialog, &opened);
                if (c.edit) UserSets(dialog, kTime, {2027, 6, 0, 15, 9, 30, 0, 0});
                c.close(dialog);
                if (!c.refusal) return;
                SendMessageA(dialog, WM_TIMER, 6, 0);
                EXPECT_EQ(Shown(dialog), " 2027-6-15 9:30:00") << c.name;
                EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, kApply))) << c.name;
                char line[256] = {}, reason[256] = {};
                GetDlgItemTextA(dialog, kRefusal, line, sizeof line);
                FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM, nullptr, c.refusal, 0, reason, sizeof reason, nullptr);
                EXPECT_EQ(std::string(line) + "\r\n", std::string("The time could not be set: ") + reason) << c.name;
                GetWindowRect(dialog, &refused);
                EXPECT_GT(refused.bottom, opened.bottom) << c.name << ": the dialog grows to show the line";
                seams = working;
                ok(dialog);
            });
        EXPECT_TRUE(closed) << c.name;
        EXPECT_EQ(recorder.calls(), c.calls) << c.name;
    }
    EXPECT_EQ(fonts.Live(), 0u);
}

constexpr int kPicker = 1, kDistance = 2, kSpin = 3, kCalendar = 5;

// The distance box, the picker's date and the calendar's.
std::string Views(HWND dialog) {
    char distance[16] = {};
    GetDlgItemTextA(dialog, kDistance, distance, sizeof distance);
    return distance + Read(dialog, kPicker, DTM_GETSYSTEMTIME) + Read(dialog, kCalendar, MCM_GETCURSEL);
}

// The user picks a day in the calendar: it takes the day, then tells the dialog.
void PickInCalendar(HWND dialog, SYSTEMTIME day) {
    SendDlgItemMessageA(dialog, kCalendar, MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&day));
    NMSELCHANGE change{{GetDlgItem(dialog, kCalendar), kCalendar, UINT(MCN_SELCHANGE)}, day, day};
    SendMessageA(dialog, WM_NOTIFY, kCalendar, reinterpret_cast<LPARAM>(&change));
}

// Types the text, then clicks the spin's upper or lower arrow, if asked.
void Type(HWND dialog, const char* text, int spin = 0) {
    SetDlgItemTextA(dialog, kDistance, text);
    RECT area;
    GetClientRect(GetDlgItem(dialog, kSpin), &area);
    const LPARAM at = MAKELPARAM(area.right / 2, spin > 0 ? 2 : area.bottom - 3);
    for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP})
        if (spin) SendDlgItemMessageA(dialog, kSpin, message, message == WM_LBUTTONDOWN ? MK_LBUTTON : 0, at);
}

// Today is the last day of 2026: every view follows whichever one the user moves, across the year's end. Then
// each way out closes the dialog, and no font stays behind.
TEST(CalendarDialog, KeepsDistancePickerAndCalendarInStepAndClosesFromTheKeyboard) {
    SettableClock clock;
    clock.SetLocal(2026, 12, 31, 23, 0, 0);
    const struct {
        void (*act)(HWND);
        const char* views;
    } steps[] = {
        {[](HWND) {}, "0 2026-12-31 2026-12-31"},
        {[](HWND d) { PickInCalendar(d, Day(2027, 1, 1)); }, "1 2027-1-1 2027-1-1"},
        {[](HWND d) { PickInCalendar(d, Day(2025, 12, 25)); }, "-371 2025-12-25 2025-12-25"},
        {[](HWND d) { UserSets(d, kPicker, Day(2028, 2, 29)); }, "425 2028-2-29 2028-2-29"},
        {[](HWND d) { Type(d, "30"); }, "30 2027-1-30 2027-1-30"},
        {[](HWND d) { Type(d, "-7"); }, "-7 2026-12-24 2026-12-24"},
        {[](HWND d) { Type(d, "12a"); }, "12a 2026-12-24 2026-12-24"},
        {[](HWND d) { Type(d, "0", +1); }, "1 2027-1-1 2027-1-1"},
        {[](HWND d) { SendDlgItemMessageA(d, kDistance, WM_KEYDOWN, VK_DOWN, 0); }, "0 2026-12-31 2026-12-31"},
        {[](HWND d) { Type(d, "999999", +1); }, "999999 4764-11-26 4764-11-26"},
        {[](HWND d) { Type(d, "-37390", -1); }, "-37390 1924-8-18 1924-8-18"},
    };
    const UINT closings[][2] = {{WM_KEYDOWN, VK_RETURN}, {WM_KEYDOWN, VK_ESCAPE}, {WM_SYSCOMMAND, SC_CLOSE}};
    GdiObjectCounter fonts;
    for (const auto& [message, key] : closings) {
        const bool closed = DriveModal([] { ShowCalendarDialog(nullptr); },
                                       [&](HWND dialog) {
                                           EXPECT_EQ(fonts.Live(), 1u);
                                           EXPECT_EQ(TabOrder(dialog, 4), "1 2 4 1 ")
                                               << "the spin turns with the box's arrow keys";
                                           for (const auto& step : steps) {
                                               step.act(dialog);
                                               EXPECT_EQ(Views(dialog), step.views) << "step " << &step - steps;
                                           }
                                           PostMessageA(dialog, message, key, 1);
                                       });
        EXPECT_TRUE(closed) << "closing " << message << " " << key;
    }
    EXPECT_EQ(fonts.Live(), 0u);
}

}  // namespace
