#include "alarms/RingList.h"
#include "alarms/RingRecord.h"
#include "alarms/RingStore.h"
#include "forms/AlarmEditor.h"
#include "forms/FormWindow.h"
#include "forms/frmOptions.h"
#include "settings/RegProcess.h"
#include "settings/SettingsKeys.h"
#include "support/GdiCount.h"
#include "support/Recorders.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <tuple>

namespace {

namespace L = alarm_list;
namespace E = alarm_editor;

// Gives the forms their dialog keys as the program's message loop does.
void Pump(DWORD milliseconds = 30) {
    const DWORD start = GetTickCount();
    MSG msg;
    do {
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (FormWindow::IsFormMessage(&msg)) continue;
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    } while (GetTickCount() - start < milliseconds);
}

HWND Form(const char* className) { return FindWindowA(className, nullptr); }
HWND Control(const char* form, int id) { return GetDlgItem(Form(form), id); }

void Click(const char* form, int id) {
    SendMessageA(Control(form, id), BM_CLICK, 0, 0);
    Pump();
}
void Choose(const char* form, int id, int index) {
    SendMessageA(Control(form, id), CB_SETCURSEL, index, 0);
    SendMessageA(Form(form), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), LPARAM(Control(form, id)));
}
void Type(const char* form, int id, const char* text) { SetWindowTextA(Control(form, id), text); }
std::string Text(const char* form, int id) {
    char text[512] = {};
    GetWindowTextA(Control(form, id), text, sizeof text);
    return text;
}
// A key as the user presses it in the focused control.
void Press(UINT message, WPARAM key) {
    PostMessageA(GetFocus(), message, key, 0);
    Pump();
}

HWND List() { return Control("frmOptions", L::kList); }
void Check(int entry, bool checked) { ListView_SetCheckState(List(), entry, checked); }
void SelectEntry(int entry) {
    ListView_SetItemState(List(), -1, 0, LVIS_SELECTED);
    if (entry >= 0) ListView_SetItemState(List(), entry, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}
// Each entry as "[x] line", and which one is selected.
std::string Entries() {
    std::string all;
    for (int entry = 0; entry < ListView_GetItemCount(List()); ++entry) {
        char text[512] = {};
        ListView_GetItemText(List(), entry, 0, text, sizeof text);
        all += (ListView_GetCheckState(List(), entry) ? "[x] " : "[ ] ") + std::string(text) +
               (ListView_GetItemState(List(), entry, LVIS_SELECTED) ? " <" : "") + "\n";
    }
    return all;
}

RegValue Stored(std::string_view field, int number) {
    return GetRegValue(RegRoot::CurrentUser, keys::Data, RingValueName(field, number));
}
std::string Record(int number) {
    const RegValue record = Stored("Data", number);
    std::string bytes;
    for (const auto byte : record.Bytes()) bytes += std::to_string(byte) + " ";
    return bytes;
}
std::string Texts(int number) {
    std::string texts;
    for (const char* field : {"Text", "RunExe", "WavFile", "Parameters"})
        texts += Stored(field, number).kind() == RegValue::Kind::Text ? Stored(field, number).AsText() + "|" : "-|";
    return texts;
}

RingItem Daily(int minute, std::string text = "wake", int state = 1) {
    RingItem item{state, 1, 2, 0, 7, static_cast<std::int16_t>(minute), 20, 26, 1, 1, 0};
    item.strNotifyText = std::move(text);
    return item;
}
void Store(const std::vector<RingItem>& items) {
    for (std::size_t i = 0; i < items.size(); ++i) WriteStoredRing(static_cast<int>(i) + 1, items[i]);
    SaveStoredRingCount(static_cast<int>(items.size()));
}

// The stored alarm list belongs to the test while it runs and is put back as it was afterwards.
class AlarmForms : public testing::Test {
protected:
    void SetUp() override {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Tollwick\\Data", 0, KEY_READ, &key) == ERROR_SUCCESS) {
            char name[256];
            BYTE data[4096];
            DWORD nameSize = sizeof name, type = 0, size = sizeof data;
            for (DWORD i = 0; RegEnumValueA(key, i, name, &nameSize, nullptr, &type, data, &size) == ERROR_SUCCESS;
                 ++i, nameSize = sizeof name, size = sizeof data)
                saved_.push_back({name, type, std::vector<BYTE>(data, data + size)});
            RegCloseKey(key);
        }
        DeleteRegKey(RegRoot::CurrentUser, "Software\\Tollwick", "Data");
        clock_.SetLocal(2026, 3, 4, 9, 15, 42);  // a Wednesday
    }
    void TearDown() override {
        for (const char* form : {"frmAdditem", "frmModify", "frmOptions"})
            if (const HWND open = Form(form)) DestroyWindow(open);
        DeleteRegKey(RegRoot::CurrentUser, "Software\\Tollwick", "Data");
        for (const auto& [name, type, data] : saved_) {
            HKEY key = nullptr;
            RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Tollwick\\Data", 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                            nullptr);
            RegSetValueExA(key, name.c_str(), 0, type, data.data(), static_cast<DWORD>(data.size()));
            RegCloseKey(key);
        }
        LoadRingData();
    }

private:
    SettableClock clock_;
    std::vector<std::tuple<std::string, DWORD, std::vector<BYTE>>> saved_;
};

TEST_F(AlarmForms, ListShowsTheStoredItemsAndStoresOnlyCheckMarks) {
    RingItem sound{0, 0, 3, 1, 18, 30, 20, 26, 1, 1, 0};
    sound.strWavFile = "C:\\ring.wav";
    RingItem restart{1, 3, 1, 0, 23, 59, 20, 5, 12, 31, 0};
    Store({Daily(5, "Get up"), sound, Daily(0), restart});
    SaveRegBinary(RegRoot::CurrentUser, keys::Data, "Data3", nullptr, 0);  // damaged, keeps its place
    ShowAlarmList();
    EXPECT_EQ(Entries(),
              "[x] 7:5 (Daily)|Text HintGet up <\n[ ] 18:30 (WeeklyMonday)|Play a soundC:\\ring.wav\n"
              "[ ] (unreadable item)\n[x] 23:59 (12/31/2005)|Re-start computer\n");
    const std::string before = Record(1) + Record(2) + Record(4);

    Check(0, false), Check(1, true);
    Click("frmOptions", L::kCancel);
    EXPECT_EQ(Form("frmOptions"), nullptr);
    EXPECT_EQ(Record(1) + Record(2) + Record(4), before) << "Cancel stores no check mark";

    ShowAlarmList();
    Click("frmOptions", L::kSelectAll);
    Click("frmOptions", L::kApply);
    EXPECT_EQ(Record(1) + Record(2) + Record(3) + Record(4),
              "1 1 2 0 7 5 20 26 1 1 0 1 0 3 1 18 30 20 26 1 1 0 1 3 1 0 23 59 20 5 12 31 0 ");
    EXPECT_EQ(Texts(2), "-|-|C:\\ring.wav|-|");
    EXPECT_EQ(RingCount, 3) << "Apply reloads the running list";
    Click("frmOptions", L::kCancelAll);
    Click("frmOptions", L::kOk);
    EXPECT_EQ(Form("frmOptions"), nullptr);
    EXPECT_EQ(Record(1).substr(0, 2) + Record(2).substr(0, 2) + Record(4).substr(0, 2), "0 0 0 ");
    EXPECT_EQ(RingList.GetItemState(1) + RingList.GetItemState(2) + RingList.GetItemState(3), 0);
}

TEST_F(AlarmForms, AnEmptyListOffersNothingToModifyOrDeleteAndOkStillReloads) {
    Store({Daily(1)});
    LoadRingData();
    DeleteRegKey(RegRoot::CurrentUser, "Software\\Tollwick", "Data");
    ShowAlarmList();
    EXPECT_EQ(Entries(), "");
    EXPECT_FALSE(IsWindowEnabled(Control("frmOptions", L::kModify)));
    EXPECT_FALSE(IsWindowEnabled(Control("frmOptions", L::kDelete)));
    Click("frmOptions", L::kOk);
    EXPECT_EQ(RingCount, 0);
    EXPECT_EQ(GetRegValue(RegRoot::CurrentUser, keys::Data, "DataCount").kind(), RegValue::Kind::KeyMissing);
}

// What the add editor stores, filled through its controls; the list comes back with the new item last.
TEST_F(AlarmForms, AddEditorStoresEachActionAndRepeatMode) {
    ScopedSeams picker;
    seams.GetOpenFileNameA = [](LPOPENFILENAMEA data) -> BOOL {
        lstrcpynA(data->lpstrFile, "C:\\Sounds\\ring.wav", static_cast<int>(data->nMaxFile));
        return TRUE;
    };
    const std::tuple<const char*, std::function<void()>, std::string, std::string, std::string> cases[] = {
        {"text hint, only once", [] { Type("frmAdditem", E::kTextHint, "Get up"); }, "1 1 1 3 9 15 20 26 3 4 0 ",
         "Get up|-|-|-|", "9:15 (3/4/2026)|Text HintGet up"},
        {"sound from the picker, daily",
         [] {
             Choose("frmAdditem", E::kAction, 0);
             Click("frmAdditem", E::kDaily);
             Click("frmAdditem", E::kSoundBrowse);
         },
         "1 0 2 3 9 15 20 26 3 4 0 ", "-|-|C:\\Sounds\\ring.wav|-|", "9:15 (Daily)|Play a soundC:\\Sounds\\ring.wav"},
        {"program, weekly on Monday",
         [] {
             Choose("frmAdditem", E::kAction, 2);
             Click("frmAdditem", E::kWeekly);
             Choose("frmAdditem", E::kWeek, 1);
             Type("frmAdditem", E::kProgram, "C:\\app.exe");
             Type("frmAdditem", E::kParameter, "-x");
         },
         "1 2 3 1 9 15 20 26 3 4 0 ", "-|C:\\app.exe|-|-x|", "9:15 (WeeklyMonday)|Run the special programC:\\app.exe"},
        {"restart, monthly, typed time",
         [] {
             Choose("frmAdditem", E::kAction, 3);
             Click("frmAdditem", E::kMonthly);
             Type("frmAdditem", E::kHour, "23");
             Type("frmAdditem", E::kMinute, "5");
         },
         "1 3 4 3 23 5 20 26 3 4 0 ", "-|-|-|-|", "23:5 (Monthly4day)|Re-start computer"},
        {"shut down, yearly on 29 February",
         [] {
             Choose("frmAdditem", E::kAction, 4);
             Click("frmAdditem", E::kYearly);
             Type("frmAdditem", E::kMonth, "2");
             Type("frmAdditem", E::kDay, "29");
         },
         "1 4 5 3 9 15 20 26 2 29 0 ", "-|-|-|-|", "9:15 (Yearly2month29day)|Shut down"},
    };
    int number = 0;
    for (const auto& [name, fill, record, texts, line] : cases) {
        ShowAlarmList();
        Click("frmOptions", L::kAdd);
        ASSERT_NE(Form("frmAdditem"), nullptr) << name;
        fill();
        Click("frmAdditem", E::kOk);
        ++number;
        EXPECT_EQ(Form("frmAdditem"), nullptr) << name;
        EXPECT_EQ(Record(number), record) << name;
        EXPECT_EQ(Texts(number), texts) << name;
        EXPECT_EQ(StoredRingCount(), number) << name;
        EXPECT_EQ(RingCount, number) << name;
        ASSERT_NE(Form("frmOptions"), nullptr) << name;
        EXPECT_EQ(Entries().substr(Entries().rfind("[x]", Entries().size() - 2)), "[x] " + line + " <\n") << name;
    }
}

// Faults of a composed item keep the editor open, store nothing and put the focus where the mending is.
TEST_F(AlarmForms, EditorRefusesItemsThatCouldNeverFireOrDoNothing) {
    const std::tuple<const char*, std::function<void()>, int> cases[] = {
        {"text hint without text", [] {}, E::kTextHint},
        {"program without a program",
         [] {
             Choose("frmAdditem", E::kAction, 2);
             Type("frmAdditem", E::kParameter, "-x");
         },
         E::kProgram},
        {"hour 25", [] { Type("frmAdditem", E::kHour, "25"); }, E::kHour},
        {"minute not a number", [] { Type("frmAdditem", E::kMinute, "ab"); }, E::kMinute},
        {"month 13", [] { Type("frmAdditem", E::kMonth, "13"); }, E::kMonth},
        {"30 February", [] { Choose("frmAdditem", E::kMonth, 1), Choose("frmAdditem", E::kDay, 29); }, E::kDay},
        {"a year the record cannot hold", [] { Type("frmAdditem", E::kYear, "1999"); }, E::kYear},
    };
    for (const auto& [name, fill, box] : cases) {
        ShowAddEditor();
        Pump();
        if (box != E::kTextHint) Type("frmAdditem", E::kTextHint, "wake");
        fill();
        Click("frmAdditem", E::kOk);
        ASSERT_NE(Form("frmAdditem"), nullptr) << name;
        EXPECT_TRUE(IsWindowVisible(FindWindowA(TOOLTIPS_CLASSA, nullptr)))
            << name << ": a balloon says what is missing";
        const HWND focus = GetFocus();
        EXPECT_TRUE(focus == Control("frmAdditem", box) || GetParent(focus) == Control("frmAdditem", box)) << name;
        Click("frmAdditem", E::kCancel);
        EXPECT_EQ(Form("frmAdditem"), nullptr) << name;
        EXPECT_EQ(GetRegValue(RegRoot::CurrentUser, keys::Data, "DataCount").kind(), RegValue::Kind::KeyMissing)
            << name;
    }
    ShowAddEditor();
    Choose("frmAdditem", E::kAction, 0);
    Click("frmAdditem", E::kOk);
    EXPECT_EQ(Record(1), "1 0 1 3 9 15 20 26 3 4 0 ") << "a sound without a file plays the built-in one";
}

// Which boxes take input, as 1 and 0: text hint, sound and its button, program and its button, parameter,
// month, day, year, weekday.
std::string Enabled() {
    std::string states;
    for (int id : {E::kTextHint, E::kSound, E::kSoundBrowse, E::kProgram, E::kProgramBrowse, E::kParameter, E::kMonth,
                   E::kDay, E::kYear, E::kWeek})
        states += IsWindowEnabled(Control("frmAdditem", id)) ? "1" : "0";
    return states;
}

TEST_F(AlarmForms, AddEditorStartsAtThisMinuteAndFollowsTheActionAndRepeatRules) {
    ShowAddEditor();
    char caption[32] = {};
    GetWindowTextA(Form("frmAdditem"), caption, sizeof caption);
    EXPECT_STREQ(caption, "Alarm item ");
    std::string boxes;
    for (int id : {E::kAction, E::kMonth, E::kDay, E::kYear, E::kHour, E::kMinute, E::kSecond, E::kWeek})
        boxes += Text("frmAdditem", id) + "|";
    EXPECT_EQ(boxes, "Text Hint|3|4|2026|9|15|42|Week |");
    char first[16] = {}, last[16] = {};
    SendMessageA(Control("frmAdditem", E::kYear), CB_GETLBTEXT, 0, LPARAM(first));
    SendMessageA(Control("frmAdditem", E::kYear), CB_GETLBTEXT, 6, LPARAM(last));
    EXPECT_EQ(std::string(first) + "-" + last, "2026-2032");
    EXPECT_EQ(Enabled(), "1000001110");

    Choose("frmAdditem", E::kAction, 2);
    Type("frmAdditem", E::kProgram, "C:\\app.exe");
    Type("frmAdditem", E::kParameter, "-x");
    EXPECT_EQ(Enabled(), "0001111110");
    Choose("frmAdditem", E::kAction, 1);
    EXPECT_EQ(Enabled() + Text("frmAdditem", E::kProgram) + Text("frmAdditem", E::kParameter), "1000001110");
    const std::pair<int, std::string> repeats[] = {
        {E::kYearly, "1110"}, {E::kMonthly, "0100"}, {E::kWeekly, "0001"}, {E::kDaily, "0000"}, {E::kOnce, "1110"}};
    for (const auto& [option, dates] : repeats) {
        Click("frmAdditem", option);
        EXPECT_EQ(Enabled().substr(6), dates) << option;
    }
}

TEST_F(AlarmForms, SpinnersCountUpToTheirTopAndTypingDoesNotMoveThem) {
    ShowAddEditor();
    const auto spin = [](int bar, WORD request, int times) {
        for (int i = 0; i < times; ++i)
            SendMessageA(Form("frmAdditem"), WM_VSCROLL, request, LPARAM(Control("frmAdditem", bar)));
    };
    spin(E::kHourSpin, SB_LINEUP, 20);
    EXPECT_EQ(Text("frmAdditem", E::kHour), "23");
    Type("frmAdditem", E::kHour, "5");
    spin(E::kHourSpin, SB_LINEDOWN, 1);
    EXPECT_EQ(Text("frmAdditem", E::kHour), "22") << "the spinner goes on from its own value";
    spin(E::kMinuteSpin, SB_LINEDOWN, 20);
    EXPECT_EQ(Text("frmAdditem", E::kMinute), "0");
    // The spinner's own keys: Up raises.
    SetFocus(Control("frmAdditem", E::kSecondSpin));
    Press(WM_KEYDOWN, VK_UP);
    EXPECT_EQ(Text("frmAdditem", E::kSecond), "43");
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
    Click("frmOptions", L::kModify);
    std::string boxes;
    for (int id : {E::kAction, E::kTextHint, E::kProgram, E::kParameter, E::kWeek, E::kHour, E::kMinute, E::kSecond})
        boxes += Text("frmModify", id) + "|";
    EXPECT_EQ(boxes, "Run a program||C:\\app.exe|-x|Friday|6|45|42|");
    EXPECT_EQ(IsDlgButtonChecked(Form("frmModify"), E::kWeekly), BST_CHECKED);
    Type("frmModify", E::kParameter, "");
    Click("frmModify", E::kOk);
    EXPECT_EQ(Record(2), "1 2 3 5 6 45 20 26 1 1 0 ") << "stored enabled again";
    EXPECT_EQ(Texts(2), "-|C:\\app.exe|-|-|");
    EXPECT_EQ(StoredRingCount(), 2);
    EXPECT_EQ(Entries(),
              "[x] 7:1 (Daily)|Text Hintwake\n[x] 6:45 (WeeklyFriday)|Run the special programC:\\app.exe <\n");
}

TEST_F(AlarmForms, DeleteKeepsTheNumbersDenseAndAnOpenModifyEditorFollowsItsItem) {
    Store({Daily(1), Daily(2), Daily(3), Daily(4), Daily(5)});
    ShowAlarmList();
    Check(4, false);
    SelectEntry(4);
    Click("frmOptions", L::kModify);
    SelectEntry(1);
    Click("frmOptions", L::kDelete);
    EXPECT_EQ(Entries(),
              "[x] 7:1 (Daily)|Text Hintwake\n[ ] 7:5 (Daily)|Text Hintwake <\n"
              "[x] 7:3 (Daily)|Text Hintwake\n[x] 7:4 (Daily)|Text Hintwake\n");
    EXPECT_EQ(StoredRingCount(), 4);
    EXPECT_EQ(Record(5), "");
    Type("frmModify", E::kMinute, "30");
    Click("frmModify", E::kOk);
    EXPECT_EQ(Record(2) + "/" + Record(5), "1 1 2 0 7 30 20 26 1 1 0 /") << "the moved item is the one rewritten";
    EXPECT_EQ(StoredRingCount(), 4);

    SelectEntry(0);
    Click("frmOptions", L::kModify);
    Click("frmOptions", L::kDelete);
    EXPECT_EQ(Form("frmModify"), nullptr) << "the editor of a deleted item closes";
    EXPECT_EQ(Record(1) + "/" + Record(4), "1 1 2 0 7 4 20 26 1 1 0 /");
    SelectEntry(-1);
    EXPECT_FALSE(IsWindowEnabled(Control("frmOptions", L::kDelete)));
}

TEST_F(AlarmForms, KeyboardAloneDrivesBothForms) {
    Store({Daily(1)});
    ShowAlarmList();
    ASSERT_EQ(GetFocus(), List());
    Press(WM_KEYDOWN, VK_SPACE);
    EXPECT_EQ(Entries(), "[ ] 7:1 (Daily)|Text Hintwake <\n") << "Space toggles the selected entry";
    Press(WM_SYSCHAR, 'a');
    ASSERT_NE(Form("frmAdditem"), nullptr) << "Alt+A adds";
    EXPECT_EQ(GetFocus(), Control("frmAdditem", E::kOnce));
    Press(WM_KEYDOWN, VK_DOWN);
    EXPECT_EQ(IsDlgButtonChecked(Form("frmAdditem"), E::kDaily), BST_CHECKED) << "arrows choose the repeat mode";
    Press(WM_KEYDOWN, VK_TAB);
    EXPECT_EQ(GetFocus(), Control("frmAdditem", E::kAction));
    Press(WM_KEYDOWN, VK_ESCAPE);
    EXPECT_EQ(Form("frmAdditem"), nullptr) << "Escape cancels";
    EXPECT_EQ(StoredRingCount(), 1);

    SetForegroundWindow(Form("frmOptions"));
    Press(WM_SYSCHAR, 'a');
    SetFocus(Control("frmAdditem", E::kTextHint));
    for (const char key : std::string("Tea")) Press(WM_CHAR, key);
    Press(WM_KEYDOWN, VK_RETURN);
    EXPECT_EQ(Texts(2), "Tea|-|-|-|") << "Enter is OK";
    ASSERT_NE(Form("frmOptions"), nullptr);
    Press(WM_SYSCHAR, 'd');
    EXPECT_EQ(StoredRingCount(), 1) << "Alt+D deletes the selected entry";
    EXPECT_EQ(GetFocus(), List()) << "and leaves the focus in the list, not on its button";
    Press(WM_KEYDOWN, VK_RETURN);
    EXPECT_EQ(Form("frmOptions"), nullptr) << "Enter is OK in the list too";
}

int Windows(const char* className) {
    int count = 0;
    for (HWND window = nullptr; (window = FindWindowExA(nullptr, window, className, nullptr));) ++count;
    return count;
}

TEST_F(AlarmForms, EachFormOpensOnceAndLeavesNoFontBehind) {
    Store({Daily(1)});
    GdiObjectCounter fonts;
    for (int round = 0; round < 3; ++round) {
        ShowAlarmList(), ShowAlarmList();
        Click("frmOptions", L::kAdd), Click("frmOptions", L::kAdd), Click("frmOptions", L::kModify);
        ShowModifyEditor(1);
        EXPECT_EQ(Windows("frmOptions") * 100 + Windows("frmAdditem") * 10 + Windows("frmModify"), 111);
        Click("frmAdditem", E::kCancel), Click("frmModify", E::kCancel), Click("frmOptions", L::kCancel);
    }
    EXPECT_EQ(fonts.Live(), 0u);
}

}  // namespace
