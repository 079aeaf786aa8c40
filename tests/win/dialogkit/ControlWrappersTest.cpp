#include <gtest/gtest.h>

#include <string>

#include "dialogkit/DialogTemplate.h"
#include "dialogkit/clsButton.h"
#include "dialogkit/clsComboBox.h"
#include "dialogkit/clsDTPicker.h"
#include "dialogkit/clsListView.h"
#include "dialogkit/clsMonthCalendar.h"
#include "dialogkit/clsTrackbar.h"
#include "dialogkit/clsUpDown.h"
#include "support/Recorders.h"

namespace {

std::string Join(std::initializer_list<long> numbers) {
    std::string text;
    for (long number : numbers) text += std::to_string(number) + " ";
    return text;
}

std::string Date(HWND control, UINT get) {
    SYSTEMTIME date{};
    SendMessageA(control, get, 0, reinterpret_cast<LPARAM>(&date));
    return std::to_string(date.wYear) + "-" + std::to_string(date.wMonth) + "-" + std::to_string(date.wDay) + " ";
}

// The wrappers on a real dialog made from the template the built-in dialogs use, read back through the controls.
TEST(ControlWrappers, BehaveAsTheDialogsRelyOn) {
    constexpr UINT kChecked = 0x2000, kUnchecked = 0x1000;
    SettableClock clock;
    clock.SetLocal(2027, 1, 1, 0, 0, 5);
    const DialogTemplateBytes empty = EmptyDialogTemplate();
    const HWND dialog = CreateDialogIndirectParamA(nullptr, reinterpret_cast<const DLGTEMPLATE*>(empty.bytes.data()),
                                                   nullptr, nullptr, 0);
    clsButton buttons;
    for (int id : {7, 3, 5}) buttons.CreateButton(dialog, "b", id, 0, id * 20, 10, 10);
    std::string ids;
    for (int i = 0; i < 4; ++i) ids += Join({GetDlgCtrlID(buttons.hwnd(i))});
    clsComboBox combo;
    combo.CreateCombox(dialog, 4, 0, 0, 120, 200);
    for (const char* item : {"Default", "blue.bmp", "red.bmp"}) combo.AddItem(dialog, 4, item);
    combo.ListIndex(dialog, 4, 2);
    combo.DeleteItem(dialog, 4);
    clsTrackbar track;
    track.CreateTrackBar(dialog, 2, 0, 0);
    track.Value(50);
    clsUpDown upDown;
    upDown.CreateUpDown(dialog, 9);
    int low = 0, high = 0;
    SendMessageA(upDown.hwnd(), UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low), reinterpret_cast<LPARAM>(&high));
    clsDTPicker picker;
    picker.CreateDTPicker(dialog, 6, 0, 0, 120, 22);
    clsMonthCalendar calendar;
    calendar.CreateMonthCalendar(dialog, 10);
    const auto dates = [&](int days) {
        picker.DateTime_SetSystemtime(dialog, 6, days);
        calendar.MonthCal_SetCurSel(dialog, 10, days);
        return Date(picker.hwnd(0), DTM_GETSYSTEMTIME) + Date(calendar.hwnd(), MCM_GETCURSEL);
    };
    clsListView list;
    list.CreateListView(dialog, 8, 0, 0, 300, 200);
    list.ListView_InsertColumn(list.hwnd(), 0, "Time", 80);
    for (int i = 0; i < 3; ++i) list.ListView_InsertItem(list.hwnd(), i, "07:30", i == 1 ? kUnchecked : kChecked);
    std::string states;
    for (int i = 0; i < 3; ++i) states += Join({long(list.ListView_GetItemState(i) >> 12)});
    list.ListView_SetItemState(kUnchecked, 0);

    const struct {
        const char* name;
        std::string got, expected;
    } results[] = {
        {"hwnd(n) in creation order", ids, "7 3 5 0 "},
        {"DeleteItem keeps the first item", Join({combo.ListCount(dialog, 4), combo.GetSelItem(dialog, 4)}), "1 0 "},
        {"trackbar starts at 100", Join({track.Value()}), "100 "},
        {"up-down range", Join({low, high}), "-37390 999999 "},
        {"yesterday", dates(-1), "2026-12-31 2026-12-31 "},
        {"today", dates(0), "2027-1-1 2027-1-1 "},
        {"check states, then all cleared", states + Join({long(list.ListView_GetItemState(2) >> 12)}), "2 1 2 1 "},
    };
    for (const auto& r : results) EXPECT_EQ(r.got, r.expected) << r.name;
    DestroyWindow(dialog);
}

}  // namespace
