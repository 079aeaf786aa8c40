#include <gtest/gtest.h>

#include <string>

#include "dialogkit/DialogTemplate.h"
#include "dialogkit/clsButton.h"
#include "dialogkit/clsComboBox.h"
#include "dialogkit/clsDTPicker.h"
#include "dialogkit/clsEdit.h"
#include "dialogkit/clsListView.h"
#include "dialogkit/clsMonthCalendar.h"
#include "dialogkit/clsTrackbar.h"
#include "dialogkit/clsUpDown.h"
#include "support/Recorders.h"

namespace {

INT_PTR CALLBACK PlainDialog(HWND, UINT, WPARAM, LPARAM) { return 0; }

// A real dialog from the same empty template the built-in dialogs use.
class ControlWrappers : public ::testing::Test {
protected:
    void SetUp() override {
        const DialogTemplateBytes empty = EmptyDialogTemplate();
        dialog = CreateDialogIndirectParamA(GetModuleHandleA(nullptr),
                                            reinterpret_cast<const DLGTEMPLATE*>(empty.bytes.data()), nullptr,
                                            PlainDialog, 0);
        ASSERT_NE(dialog, nullptr);
        MoveWindow(dialog, 0, 0, 450, 330, FALSE);
    }
    void TearDown() override { DestroyWindow(dialog); }

    HWND dialog = nullptr;
};

TEST_F(ControlWrappers, HandleListsCountInCreationOrderNotByIdAndDieWithTheirWrapper) {
    HWND made[3];
    {
        clsButton buttons;
        buttons.CreateButton(dialog, "a", 7, 0, 0, 10, 10);
        buttons.CreateButton(dialog, "b", 3, 0, 20, 10, 10, nullptr, BS_AUTOCHECKBOX);
        buttons.CreateButton(dialog, "c", 5, 0, 40, 10, 10);
        for (int i = 0; i < 3; ++i) made[i] = buttons.hwnd(i);
        EXPECT_EQ(made[0], GetDlgItem(dialog, 7));
        EXPECT_EQ(made[1], GetDlgItem(dialog, 3));
        EXPECT_EQ(made[2], GetDlgItem(dialog, 5));
        EXPECT_EQ(buttons.hwnd(3), nullptr);
        buttons.SetButtonState(dialog, 3, BST_CHECKED);
        EXPECT_EQ(buttons.GetButtonState(dialog, 3), 1);
    }
    for (HWND button : made) EXPECT_FALSE(IsWindow(button));

    clsEdit edits;
    edits.CreateEdit(dialog, 9, 0, 60, 80, 20, nullptr, 0, 300);
    EXPECT_EQ(edits.hwnd(0), GetDlgItem(dialog, 9));
    EXPECT_EQ(edits.hwnd(1), nullptr);
    EXPECT_EQ(SendDlgItemMessageA(dialog, 9, EM_GETLIMITTEXT, 0, 0), 300);
    edits.SetEditText(dialog, 9, "C:\\Sounds\\bell.wav");
    EXPECT_EQ(edits.Text(dialog, 9), "C:\\Sounds\\bell.wav");
}

TEST_F(ControlWrappers, DeleteItemKeepsOnlyTheFirstEntrySelected) {
    clsComboBox combo;
    combo.CreateCombox(dialog, 4, 0, 0, 120, 200);
    EXPECT_EQ(combo.GetSelItem(dialog, 4), -1);
    EXPECT_EQ(combo.SelIndexText(dialog, 4), "");
    for (const char* item : {"Default", "blue.bmp", "green.bmp", "red.bmp", "wood.bmp"}) combo.AddItem(dialog, 4, item);
    EXPECT_EQ(combo.ListCount(dialog, 4), 5);
    combo.ListIndex(dialog, 4, 3);
    EXPECT_EQ(combo.GetSelItem(dialog, 4), 3);
    EXPECT_EQ(combo.SelIndexText(dialog, 4), "red.bmp");
    EXPECT_EQ(combo.DeleteItem(dialog, 4), 0);
    EXPECT_EQ(combo.ListCount(dialog, 4), 1);
    EXPECT_EQ(combo.GetSelItem(dialog, 4), 0);
    EXPECT_EQ(combo.SelIndexText(dialog, 4), "Default");
}

TEST_F(ControlWrappers, TrackBarHoldsOneHundredToTwoFiftyFiveAndUpDownItsWideRange) {
    clsTrackbar track;
    track.CreateTrackBar(dialog, 2, 0, 0);
    for (const auto& [set, shown] : {std::pair{50L, 100L}, {180L, 180L}, {300L, 255L}, {100L, 100L}}) {
        track.Value(set);
        EXPECT_EQ(track.Value(), shown) << "set " << set;
    }

    clsEdit buddy;
    buddy.CreateEdit(dialog, 3, 0, 40, 60, 20);
    clsUpDown upDown;
    upDown.CreateUpDown(dialog, 5);
    upDown.SetBuddy(dialog, 5, buddy.hwnd(0));
    int low = 0, high = 0;
    SendMessageA(upDown.hwnd(), UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low), reinterpret_cast<LPARAM>(&high));
    EXPECT_EQ(low, -37390);
    EXPECT_EQ(high, 999999);
    EXPECT_EQ(reinterpret_cast<HWND>(SendMessageA(upDown.hwnd(), UDM_GETBUDDY, 0, 0)), buddy.hwnd(0));
}

TEST_F(ControlWrappers, PickerAndCalendarShowTodayPlusDaysOnTheProgramsClock) {
    SettableClock clock;
    clock.SetLocal(2027, 1, 1, 0, 0, 5);
    clsDTPicker picker;
    picker.CreateDTPicker(dialog, 6, 0, 0, 120, 22);
    clsMonthCalendar calendar;
    calendar.CreateMonthCalendar(dialog, 7);
    struct Case {
        int days;
        WORD year, month, day;
    } const cases[] = {{-1, 2026, 12, 31}, {0, 2027, 1, 1}, {59, 2027, 3, 1}};
    for (const Case& c : cases) {
        picker.DateTime_SetSystemtime(dialog, 6, c.days);
        calendar.MonthCal_SetCurSel(dialog, 7, c.days);
        SYSTEMTIME shown{}, selected{};
        EXPECT_EQ(SendMessageA(picker.hwnd(0), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&shown)), GDT_VALID);
        SendMessageA(calendar.hwnd(), MCM_GETCURSEL, 0, reinterpret_cast<LPARAM>(&selected));
        for (const SYSTEMTIME& date : {shown, selected})
            EXPECT_TRUE(date.wYear == c.year && date.wMonth == c.month && date.wDay == c.day)
                << "today " << c.days << ": " << date.wYear << "-" << date.wMonth << "-" << date.wDay;
    }
}

TEST_F(ControlWrappers, ListViewKeepsTextsAndCheckStates) {
    constexpr UINT kChecked = 0x2000, kUnchecked = 0x1000;
    clsListView list;
    list.CreateListView(dialog, 8, 0, 0, 300, 200);
    list.ListView_SetExtendedListViewStyleEx(0);
    EXPECT_EQ(SendMessageA(list.hwnd(), LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & 0x25, 0x25);
    EXPECT_FALSE(list.ListView_InsertColumn(list.hwnd(), 0, "Time", 80));
    list.ListView_InsertColumn(list.hwnd(), 1, "Note", 200);
    list.ListView_InsertItem(list.hwnd(), 0, "07:30", kChecked);
    list.ListView_InsertItem(list.hwnd(), 1, "12:00", kUnchecked);
    list.ListView_InsertItem(list.hwnd(), 2, "18:45", kChecked);
    list.ListView_SetItemText(list.hwnd(), 1, 1, "A note far longer than twenty-seven characters");
    EXPECT_EQ(list.ListView_GetItemCount(), 3);
    EXPECT_EQ(list.ListView_GetItemState(0) & 0xF000, kChecked);
    EXPECT_EQ(list.ListView_GetItemState(1) & 0xF000, kUnchecked);
    EXPECT_EQ(list.ListView_GetItemState(2) & 0xF000, kChecked);
    EXPECT_EQ(list.ListView_GetItemText(1, 1), "A note far longer than twen");
    list.ListView_SetItem(2, "19:00");
    EXPECT_EQ(list.ListView_GetItem(2), "19:00");
    EXPECT_EQ(list.ListView_GetNextItem(), -1);

    list.ListView_SetItemState(kUnchecked, 0);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(list.ListView_GetItemState(i) & 0xF000, kUnchecked) << "item " << i;
    EXPECT_TRUE(list.ListView_DeleteItem(0));
    EXPECT_FALSE(list.ListView_DeleteItem(5));
    EXPECT_EQ(list.ListView_GetItem(0), "12:00");
}

}  // namespace
