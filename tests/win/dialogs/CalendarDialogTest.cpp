#include "dialogs/DlgCalendar.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <cstdio>
#include <string>

#include "support/DialogDriver.h"
#include "support/GdiCount.h"
#include "support/Recorders.h"

namespace {

constexpr int kPicker = 1, kDistance = 2, kSpin = 3, kCalendar = 5;

// The distance box, the picker's date and the calendar's.
std::string Views(HWND dialog) {
    SYSTEMTIME p{}, c{};
    SendDlgItemMessageA(dialog, kPicker, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&p));
    SendDlgItemMessageA(dialog, kCalendar, MCM_GETCURSEL, 0, reinterpret_cast<LPARAM>(&c));
    char text[64] = {};
    const int length = GetDlgItemTextA(dialog, kDistance, text, 16);
    std::snprintf(text + length, 48, " %u-%u-%u %u-%u-%u", p.wYear, p.wMonth, p.wDay, c.wYear, c.wMonth, c.wDay);
    return text;
}

// The user picks a day: the control takes it, then tells the dialog.
void PickInCalendar(HWND dialog, SYSTEMTIME day) {
    SendDlgItemMessageA(dialog, kCalendar, MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&day));
    NMSELCHANGE change{{GetDlgItem(dialog, kCalendar), kCalendar, UINT(MCN_SELCHANGE)}, day, day};
    SendMessageA(dialog, WM_NOTIFY, kCalendar, reinterpret_cast<LPARAM>(&change));
}
void PickInPicker(HWND dialog, SYSTEMTIME day) {
    SendDlgItemMessageA(dialog, kPicker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&day));
    NMDATETIMECHANGE change{{GetDlgItem(dialog, kPicker), kPicker, UINT(DTN_DATETIMECHANGE)}, GDT_VALID, day};
    SendMessageA(dialog, WM_NOTIFY, kPicker, reinterpret_cast<LPARAM>(&change));
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
        {[](HWND d) {
             PickInCalendar(d, {2027, 1, 0, 1, 0, 0, 0, 0});
         },
         "1 2027-1-1 2027-1-1"},
        {[](HWND d) {
             PickInCalendar(d, {2025, 12, 0, 25, 0, 0, 0, 0});
         },
         "-371 2025-12-25 2025-12-25"},
        {[](HWND d) {
             PickInPicker(d, {2028, 2, 0, 29, 0, 0, 0, 0});
         },
         "425 2028-2-29 2028-2-29"},
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
        const bool closed =
            DriveModal([] { ShowCalendarDialog(nullptr); },
                       [&](HWND dialog) {
                           EXPECT_EQ(fonts.Live(), 1u);
                           std::string tabs;  // picker, distance, OK: the spin turns with the box's arrow keys
                           for (HWND at = GetFocus(); tabs.size() < 8; at = GetNextDlgTabItem(dialog, at, FALSE))
                               tabs += std::to_string(GetDlgCtrlID(at)) + " ";
                           EXPECT_EQ(tabs, "1 2 4 1 ");
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
