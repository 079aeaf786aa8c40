#include "dialogs/DlgCalendar.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <string>

#include "support/DialogDriver.h"
#include "support/GdiCount.h"
#include "support/Recorders.h"

namespace {

constexpr int kPicker = 1, kDistance = 2, kSpin = 3, kOk = 4, kCalendar = 5;

std::string Date(HWND dialog, int id, UINT get) {
    SYSTEMTIME date{};
    SendDlgItemMessageA(dialog, id, get, 0, reinterpret_cast<LPARAM>(&date));
    return std::to_string(date.wYear) + "-" + std::to_string(date.wMonth) + "-" + std::to_string(date.wDay);
}

// The distance box, the picker and the calendar.
std::string Views(HWND dialog) {
    char distance[16] = {};
    GetDlgItemTextA(dialog, kDistance, distance, sizeof distance);
    return std::string(distance) + " " + Date(dialog, kPicker, DTM_GETSYSTEMTIME) + " " +
           Date(dialog, kCalendar, MCM_GETCURSEL);
}

SYSTEMTIME Day(int year, int month, int day) { return {WORD(year), WORD(month), 0, WORD(day), 0, 0, 0, 0}; }

// What the controls do when the user picks a day: take it, then tell the dialog.
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

void Type(HWND dialog, const char* text) { SetDlgItemTextA(dialog, kDistance, text); }

// A click on the spin's upper or lower arrow.
void Spin(HWND dialog, bool up) {
    const HWND spin = GetDlgItem(dialog, kSpin);
    RECT area;
    GetClientRect(spin, &area);
    const LPARAM at = MAKELPARAM(area.right / 2, up ? 2 : area.bottom - 3);
    SendMessageA(spin, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(spin, WM_LBUTTONUP, 0, at);
}

// Today is the last day of 2026: every view follows whichever one the user moves, across the year's end.
TEST(CalendarDialog, KeepsDistancePickerAndCalendarInStep) {
    SettableClock clock;
    clock.SetLocal(2026, 12, 31, 23, 0, 0);
    const struct {
        const char* name;
        void (*act)(HWND);
        const char* views;
    } steps[] = {
        {"opened", [](HWND) {}, "0 2026-12-31 2026-12-31"},
        {"tomorrow in the calendar", [](HWND d) { PickInCalendar(d, Day(2027, 1, 1)); }, "1 2027-1-1 2027-1-1"},
        {"last year in the calendar", [](HWND d) { PickInCalendar(d, Day(2025, 12, 25)); },
         "-371 2025-12-25 2025-12-25"},
        {"leap day in the picker", [](HWND d) { PickInPicker(d, Day(2028, 2, 29)); }, "425 2028-2-29 2028-2-29"},
        {"typed 30", [](HWND d) { Type(d, "30"); }, "30 2027-1-30 2027-1-30"},
        {"typed -7", [](HWND d) { Type(d, "-7"); }, "-7 2026-12-24 2026-12-24"},
        {"typed 12a", [](HWND d) { Type(d, "12a"); }, "12a 2026-12-24 2026-12-24"},
        {"typed -", [](HWND d) { Type(d, "-"); }, "- 2026-12-24 2026-12-24"},
        {"emptied", [](HWND d) { Type(d, ""); }, " 2026-12-24 2026-12-24"},
        {"typed 030", [](HWND d) { Type(d, "030"); }, "030 2027-1-30 2027-1-30"},
        {"up arrow from 0", [](HWND d) { Type(d, "0"), Spin(d, true); }, "1 2027-1-1 2027-1-1"},
        {"down arrow", [](HWND d) { Spin(d, false); }, "0 2026-12-31 2026-12-31"},
        {"down key in the box", [](HWND d) { SendDlgItemMessageA(d, kDistance, WM_KEYDOWN, VK_DOWN, 0); },
         "-1 2026-12-30 2026-12-30"},
        {"up arrow at the top", [](HWND d) { Type(d, "999999"), Spin(d, true); }, "999999 4764-11-26 4764-11-26"},
        {"down arrow at the bottom", [](HWND d) { Type(d, "-37390"), Spin(d, false); }, "-37390 1924-8-18 1924-8-18"},
    };
    const bool closed = DriveModal([] { ShowCalendarDialog(nullptr); },
                                   [&](HWND dialog) {
                                       for (const auto& step : steps) {
                                           step.act(dialog);
                                           EXPECT_EQ(Views(dialog), step.views) << step.name;
                                       }
                                       SendMessageA(dialog, WM_CLOSE, 0, 0);
                                   });
    EXPECT_TRUE(closed);
}

TEST(CalendarDialog, TabsThroughPickerDistanceAndOkAndClosesByEveryWayOut) {
    const struct {
        const char* name;
        void (*close)(HWND);
    } cases[] = {
        {"OK(&O)", [](HWND dialog) { SendDlgItemMessageA(dialog, kOk, BM_CLICK, 0, 0); }},
        {"Enter", [](HWND dialog) { PostMessageA(dialog, WM_KEYDOWN, VK_RETURN, 1); }},
        {"Escape", [](HWND dialog) { PostMessageA(dialog, WM_KEYDOWN, VK_ESCAPE, 1); }},
        {"close box", [](HWND dialog) { SendMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); }},
    };
    GdiObjectCounter fonts;
    for (const auto& c : cases) {
        const bool closed = DriveModal([] { ShowCalendarDialog(nullptr); },
                                       [&](HWND dialog) {
                                           EXPECT_EQ(fonts.Live(), 1u) << c.name;
                                           std::string order;
                                           for (HWND control = GetFocus(); order.size() < 8;
                                                control = GetNextDlgTabItem(dialog, control, FALSE))
                                               order += std::to_string(GetDlgCtrlID(control)) + " ";
                                           EXPECT_EQ(order, "1 2 4 1 ") << c.name;
                                           Type(dialog, "5");
                                           c.close(dialog);
                                       });
        EXPECT_TRUE(closed) << c.name;
    }
    EXPECT_EQ(fonts.Live(), 0u);
}

}  // namespace
