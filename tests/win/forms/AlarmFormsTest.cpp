#include "alarms/RingList.h"
#include "alarms/RingRecord.h"
#include "alarms/RingStore.h"
#include "forms/AlarmEditor.h"
#include "forms/FormWindow.h"
#include "forms/frmOptions.h"
#include "settings/RegProcess.h"
#include "settings/SettingsKeys.h"
#include "support/CleanSettings.h"
#include "support/GdiCount.h"
#include "support/Recorders.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <tuple>

namespace {

namespace L = alarm_list;
namespace E = alarm_editor;
constexpr char kList[] = "frmOptions", kAdd[] = "frmAdditem", kModify[] = "frmModify";

// Gives the forms their dialog keys, as the program's message loop does.
void Pump() { PumpMessages(30, FormWindow::IsFormMessage); }

HWND Form(const char* form) { return FindWindowA(form, nullptr); }
HWND Control(const char* form, int id) { return GetDlgItem(Form(form), id); }
void Click(const char* form, int id) { SendMessageA(Control(form, id), BM_CLICK, 0, 0), Pump(); }
void Choose(const char* form, int id, int index) {
    SendMessageA(Control(form, id), CB_SETCURSEL, index, 0);
    SendMessageA(Form(form), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), LPARAM(Control(form, id)));
}
void Type(const char* form, int id, const char* text) { SetWindowTextA(Control(form, id), text); }
std::string Text(const char* form, int id) {
    char text[512] = {};
    GetWindowTextA(id ? Control(form, id) : Form(form), text, sizeof text);
    return text;
}
// A key as the user presses it in the focused control.
void Press(UINT message, WPARAM key) { PostMessageA(GetFocus(), message, key, 0), Pump(); }

HWND List() { return Control(kList, L::kList); }
void SelectEntry(int entry) {
    ListView_SetItemState(List(), -1, 0, LVIS_SELECTED);
    if (entry >= 0) ListView_SetItemState(List(), entry, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}
// Each entry as "[x] line", "<" marking the selected one.
std::string Entries() {
    std::string all;
    for (int entry = 0; entry < ListView_GetItemCount(List()); ++entry) {
        char text[512] = {};
        ListView_GetItemText(List(), entry, 0, text, sizeof text);
        all += (ListView_GetCheckState(List(), entry) ? "[x] " : "[ ] ") + std::string(text) +
               (ListView_GetItemState(List(), entry, LVIS_SELECTED) ? " <\n" : "\n");
    }
    return all;
}

RegValue Stored(std::string_view field, int number) {
    return GetRegValue(RegRoot::CurrentUser, keys::Data, number ? RingValueName(field, number) : std::string(field));
}
std::string Record(int number) {
    const RegValue record = Stored("Data", number);
    std::string bytes;
    for (const auto byte : record.Bytes()) bytes += std::to_string(byte) + " ";
    return bytes;
}
// The four texts; "-" for an absent value.
std::string Texts(int number) {
    std::string texts;
    for (const char* field : {"Text", "RunExe", "WavFile", "Parameters"})
        texts += Stored(field, number).kind() == RegValue::Kind::Text ? Stored(field, number).AsText() + "|" : "-|";
    return texts;
}

RingItem Daily(int minute, int state = 1) {
    RingItem item{state, 1, 2, 0, 7, static_cast<std::int16_t>(minute), 20, 26, 1, 1, 0};
    item.strNotifyText = "wake";
    return item;
}
void Store(const std::vector<RingItem>& items) {
    for (std::size_t i = 0; i < items.size(); ++i) WriteStoredRing(static_cast<int>(i) + 1, items[i]);
    SaveStoredRingCount(static_cast<int>(items.size()));
}

// Every test starts with no stored alarm and leaves the prefix's settings and no font behind.
class AlarmForms : public testing::Test {
protected:
    void SetUp() override {
        clock_.SetLocal(2026, 3, 4, 9, 15, 42);  // a Wednesday
        LoadRingData();
    }
    void TearDown() override {
        for (const char* form : {kAdd, kModify, kList}) DestroyWindow(Form(form));
        EXPECT_EQ(fonts_.Live(), 0u);
    }

private:
    CleanSettings settings_;
    SettableClock clock_;
    GdiObjectCounter fonts_;
};

TEST_F(AlarmForms, ListShowsTheStoredItemsAndStoresOnlyCheckMarks) {
    RingItem sound{0, 0, 3, 1, 18, 30, 20, 26, 1, 1, 0};
    sound.strWavFile = "C:\\ring.wav";
    Store({Daily(5), sound, Daily(0), {1, 3, 1, 0, 23, 59, 20, 5, 12, 31, 0}});
    SaveRegBinary(RegRoot::CurrentUser, keys::Data, "Data3", nullptr, 0);  // damaged, keeps its place
    ShowAlarmList();
    EXPECT_EQ(Entries(),
              "[x] 7:5 (Daily)|Text Hintwake <\n[ ] 18:30 (WeeklyMonday)|Play a soundC:\\ring.wav\n"
              "[ ] (unreadable item)\n[x] 23:59 (12/31/2005)|Re-start computer\n");
    Click(kList, L::kSelectAll);
    Click(kList, L::kCancel);
    EXPECT_EQ(Record(2), "0 0 3 1 18 30 20 26 1 1 0 ") << "Cancel stores no check mark";

    ShowAlarmList();
    Click(kList, L::kSelectAll);
    Click(kList, L::kApply);
    EXPECT_EQ(Record(1) + Record(2) + Record(3) + Record(4),
              "1 1 2 0 7 5 20 26 1 1 0 1 0 3 1 18 30 20 26 1 1 0 1 3 1 0 23 59 20 5 12 31 0 ");
    EXPECT_EQ(Texts(2), "-|-|C:\\ring.wav|-|");
    EXPECT_EQ(RingCount, 3) << "Apply reloads the running list";
    Click(kList, L::kCancelAll);
    Click(kList, L::kOk);
    EXPECT_EQ(Form(kList), nullptr);
    EXPECT_EQ(Record(1).substr(0, 2) + Record(2).substr(0, 2) + Record(4).substr(0, 2), "0 0 0 ");
    EXPECT_EQ(RingList.GetItemState(1) + RingList.GetItemState(2) + RingList.GetItemState(3), 0);
}

// Which boxes take input: text hint, sound and its button, program and its button, parameter, month, day,
// year, weekday.
std::string Enabled() {
    std::string states;
    for (int id : {E::kTextHint, E::kSound, E::kSoundBrowse, E::kProgram, E::kProgramBrowse, E::kParameter, E::kMonth,
                   E::kDay, E::kYear, E::kWeek})
        states += IsWindowEnabled(Control(kAdd, id)) ? "1" : "0";
    return states;
}

// A second request for an open form brings that one forward.
bool Twice(const char* form) { return FindWindowExA(nullptr, Form(form), form, nullptr) != nullptr; }

TEST_F(AlarmForms, AddEditorStartsAtThisMinuteAndStoresWhatItsControlsHold) {
    ShowAlarmList(), ShowAlarmList();
    Click(kList, L::kAdd), Click(kList, L::kAdd);
    EXPECT_FALSE(Twice(kList) || Twice(kAdd));
    std::string boxes;
    for (int id : std::initializer_list<int>{0, E::kAction, E::kMonth, E::kDay, E::kYear, E::kHour, E::kMinute,
                                             E::kSecond, E::kWeek})
        boxes += Text(kAdd, id) + "|";
    EXPECT_EQ(boxes, "Alarm item |Text Hint|3|4|2026|9|15|42|Week |");
    char last[8] = {};
    SendMessageA(Control(kAdd, E::kYear), CB_GETLBTEXT, 6, LPARAM(last));
    EXPECT_STREQ(last, "2032") << "the year list runs from this year for seven years";
    EXPECT_EQ(Enabled(), "1000001110");
    Choose(kAdd, E::kAction, 2);
    Type(kAdd, E::kProgram, "C:\\old.exe");
    Choose(kAdd, E::kAction, 1);
    EXPECT_EQ(Enabled() + Text(kAdd, E::kProgram), "1000001110") << "leaving an action empties its boxes";
    Click(kAdd, E::kMonthly);
    EXPECT_EQ(Enabled().substr(6), "0100");

    // The spinners stop at their ends, and typing does not move them.
    const auto spin = [](int bar, WORD request, int times) {
        while (times--) SendMessageA(Form(kAdd), WM_VSCROLL, request, LPARAM(Control(kAdd, bar)));
    };
    spin(E::kHourSpin, SB_LINEUP, 20);
    Type(kAdd, E::kHour, "5");
    spin(E::kHourSpin, SB_LINEDOWN, 1);
    spin(E::kMinuteSpin, SB_LINEDOWN, 20);
    SetFocus(Control(kAdd, E::kSecondSpin));
    Press(WM_KEYDOWN, VK_UP);
    EXPECT_EQ(Text(kAdd, E::kHour) + ":" + Text(kAdd, E::kMinute) + ":" + Text(kAdd, E::kSecond), "22:0:43");

    ScopedSeams picker;
    seams.GetOpenFileNameA = [](LPOPENFILENAMEA data) -> BOOL {
        return lstrcpynA(data->lpstrFile, "C:\\Sounds\\ring.wav", static_cast<int>(data->nMaxFile)) != nullptr;
    };
    Choose(kAdd, E::kAction, 0);
    Click(kAdd, E::kSoundBrowse);
    Click(kAdd, E::kOk);
    EXPECT_EQ(Record(1) + Texts(1), "1 0 4 3 22 0 20 26 3 4 0 -|-|C:\\Sounds\\ring.wav|-|");
    EXPECT_EQ(Entries(), "[x] 22:0 (Monthly4day)|Play a soundC:\\Sounds\\ring.wav <\n") << "the list comes back";
    EXPECT_EQ(StoredRingCount() * 10 + RingCount, 11);
}

// An item that could never fire or would do nothing keeps the editor open, stores nothing, puts the focus
// where the mending is and says what is missing.
TEST_F(AlarmForms, EditorRefusesItemsThatCouldNeverFireOrDoNothing) {
    const std::tuple<const char*, std::function<void()>, int> cases[] = {
        {"text hint without text", [] { Type(kAdd, E::kTextHint, ""); }, E::kTextHint},
        {"parameters without a program", [] { Choose(kAdd, E::kAction, 2), Type(kAdd, E::kParameter, "-x"); },
         E::kProgram},
        {"30 February", [] { Choose(kAdd, E::kMonth, 1), Choose(kAdd, E::kDay, 29); }, E::kDay},
    };
    for (const auto& [name, fill, box] : cases) {
        ShowAddEditor();
        Type(kAdd, E::kTextHint, "wake");
        fill();
        Click(kAdd, E::kOk);
        ASSERT_NE(Form(kAdd), nullptr) << name;
        EXPECT_TRUE(IsWindowVisible(FindWindowA(TOOLTIPS_CLASSA, nullptr))) << name;
        EXPECT_TRUE(GetFocus() == Control(kAdd, box) || GetParent(GetFocus()) == Control(kAdd, box)) << name;
        Click(kAdd, E::kCancel);
        EXPECT_EQ(Stored("DataCount", 0).kind(), RegValue::Kind::KeyMissing) << name;
    }
    ShowAddEditor();
    Choose(kAdd, E::kAction, 0);
    Click(kAdd, E::kOk);
    EXPECT_EQ(Record(1), "1 0 1 3 9 15 20 26 3 4 0 ") << "a sound without a file plays the built-in one";
}

// The modify editor shows the item's own texts, and an emptied box leaves nothing of the old value behind.
TEST_F(AlarmForms, ModifyRewritesTheItemUnderItsNumber) {
    RingItem program{0, 2, 3, 5, 6, 45, 20, 26, 1, 1, 0};
    program.strRunExe = "C:\\app.exe";
    program.strParameters = "-x";
    Store({Daily(1), program});
    SaveRegValue(RegRoot::CurrentUser, keys::Data, "Text2", RegType::Text, "old hint");
    ShowAlarmList();
    SelectEntry(1);
    Click(kList, L::kModify), Click(kList, L::kModify);
    EXPECT_FALSE(Twice(kModify));
    std::string boxes;
    for (int id : {E::kAction, E::kTextHint, E::kProgram, E::kParameter, E::kWeek, E::kHour, E::kMinute, E::kSecond})
        boxes += Text(kModify, id) + "|";
    EXPECT_EQ(boxes, "Run a program||C:\\app.exe|-x|Friday|6|45|42|");
    Type(kModify, E::kParameter, "");
    Click(kModify, E::kOk);
    EXPECT_EQ(Record(2) + Texts(2), "1 2 3 5 6 45 20 26 1 1 0 -|C:\\app.exe|-|-|") << "enabled, old texts gone";
    EXPECT_EQ(Entries(),
              "[x] 7:1 (Daily)|Text Hintwake\n[x] 6:45 (WeeklyFriday)|Run the special programC:\\app.exe <\n");
}

TEST_F(AlarmForms, DeleteKeepsTheNumbersDenseAndAnOpenModifyEditorFollowsItsItem) {
    Store({Daily(1), Daily(2), Daily(3), Daily(4), Daily(5)});
    ShowAlarmList();
    ListView_SetCheckState(List(), 4, FALSE);
    SelectEntry(4);
    Click(kList, L::kModify);
    SelectEntry(1);
    Click(kList, L::kDelete);
    EXPECT_EQ(Entries(),
              "[x] 7:1 (Daily)|Text Hintwake\n[ ] 7:5 (Daily)|Text Hintwake <\n"
              "[x] 7:3 (Daily)|Text Hintwake\n[x] 7:4 (Daily)|Text Hintwake\n");
    Type(kModify, E::kMinute, "30");
    Click(kModify, E::kOk);
    EXPECT_EQ(Record(2) + "/" + Record(5), "1 1 2 0 7 30 20 26 1 1 0 /") << "the moved item is the one rewritten";

    SelectEntry(0);
    Click(kList, L::kModify);
    Click(kList, L::kDelete);
    EXPECT_EQ(Form(kModify), nullptr) << "the editor of a deleted item closes";
    EXPECT_EQ(Record(1) + "/" + Record(4) + std::to_string(StoredRingCount()), "1 1 2 0 7 4 20 26 1 1 0 /3");
    SelectEntry(-1);
    EXPECT_FALSE(IsWindowEnabled(Control(kList, L::kDelete)) || IsWindowEnabled(Control(kList, L::kModify)));
}

TEST_F(AlarmForms, KeyboardAloneDrivesBothForms) {
    Store({Daily(1)});
    ShowAlarmList();
    ASSERT_EQ(GetFocus(), List());
    Press(WM_KEYDOWN, VK_SPACE);
    EXPECT_EQ(Entries(), "[ ] 7:1 (Daily)|Text Hintwake <\n") << "Space toggles the selected entry";
    Press(WM_SYSCHAR, 'a');
    ASSERT_EQ(GetFocus(), Control(kAdd, E::kOnce)) << "Alt+A adds";
    Press(WM_KEYDOWN, VK_DOWN);
    EXPECT_EQ(IsDlgButtonChecked(Form(kAdd), E::kDaily), BST_CHECKED) << "arrows choose the repeat mode";
    Press(WM_KEYDOWN, VK_TAB);
    EXPECT_EQ(GetFocus(), Control(kAdd, E::kAction));
    Press(WM_KEYDOWN, VK_ESCAPE);
    EXPECT_EQ(Form(kAdd), nullptr) << "Escape cancels";

    Press(WM_SYSCHAR, 'a');
    SetFocus(Control(kAdd, E::kTextHint));
    for (const char key : std::string("Tea")) Press(WM_CHAR, key);
    Press(WM_KEYDOWN, VK_RETURN);
    EXPECT_EQ(Texts(2), "Tea|-|-|-|") << "Enter is OK";
    Press(WM_SYSCHAR, 'd');
    EXPECT_EQ(StoredRingCount(), 1) << "Alt+D deletes the selected entry";
    EXPECT_EQ(GetFocus(), List()) << "and leaves the focus in the list, not on its button";
    Press(WM_KEYDOWN, VK_RETURN);
    EXPECT_EQ(Form(kList), nullptr) << "Enter is OK in the list too";
}

}  // namespace
