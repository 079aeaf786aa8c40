#include "alarms/RingList.h"
#include "alarms/RingRecord.h"
#include "alarms/RingScheduler.h"
#include "alarms/RingStore.h"
#include "forms/AlarmEditor.h"
#include "forms/AlarmListWindow.h"
#include "forms/FormWindow.h"
#include "settings/RegProcess.h"
#include "settings/SettingsKeys.h"
#include "support/CleanSettings.h"
#include "support/DialogDriver.h"
#include "support/PaintedTexts.h"
#include "support/Recorders.h"
#include "support/StoredRings.h"
#include "support/WindowText.h"

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
std::string Text(const char* form, int id) { return WindowText(Control(form, id)); }

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
    const RegValue record = Stored("Data", number);  // Bytes() refers into it
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

StoredRing Daily(std::uint8_t minute) { return DailyAt7(minute, 1, {{"Text", "wake"}}); }

// Every test starts with no stored alarm and leaves the prefix's settings behind.
class AlarmForms : public testing::Test {
protected:
    void SetUp() override {
        clock_.SetLocal(2026, 3, 4, 9, 15, 42);  // a Wednesday
        LoadRingData();
    }
    void TearDown() override {
        for (const char* form : {kAdd, kModify, kList}) DestroyWindow(Form(form));
    }

    CleanSettings settings_;
    SettableClock clock_;
};

TEST_F(AlarmForms, ListShowsTheStoredItemsAndStoresOnlyCheckMarks) {
    const StoredRing sound{{0, 0, 3, 1, 18, 30, 20, 26, 1, 1, 0}, {{"WavFile", "C:\\ring.wav"}}};
    StoreRings({Daily(5), sound, Daily(0), {{1, 3, 1, 0, 23, 59, 20, 5, 12, 31, 0}, {}}});
    SaveRegBinary(RegRoot::CurrentUser, keys::Data, "Data3", nullptr, 0);  // damaged, keeps its place
    LoadRingData();
    ShowAlarmList();
    EXPECT_EQ(Entries(),
              "[x] 7:5 (Daily)|Text Hintwake <\n[ ] 18:30 (WeeklyMonday)|Play a sound (file not found) C:\\ring.wav\n"
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
}

// Each repeat mode enables exactly the date boxes it uses; each Browse button asks for its own kind of file and
// fills its own box, and a cancelled pick changes nothing.
TEST_F(AlarmForms, RepeatModesEnableTheirBoxesAndBrowseFillsItsOwnBox) {
    ShowAddEditor();
    const std::pair<int, const char*> modes[] = {
        {E::kDaily, "----"}, {E::kWeekly, "---W"}, {E::kMonthly, "-D--"}, {E::kYearly, "MDY-"}, {E::kOnce, "MDY-"}};
    for (const auto& [mode, boxes] : modes) {
        Click(kAdd, mode);
        std::string enabled;
        for (const auto& [box, letter] : {std::pair(E::kMonth, 'M'), {E::kDay, 'D'}, {E::kYear, 'Y'}, {E::kWeek, 'W'}})
            enabled += IsWindowEnabled(Control(kAdd, box)) ? letter : '-';
        EXPECT_EQ(enabled, boxes) << "mode " << mode - E::kOnce;
    }
    static std::string pattern;
    static BOOL picked;
    seams.GetOpenFileNameA = [](LPOPENFILENAMEA data) -> BOOL {
        pattern = data->lpstrFilter;
        lstrcpynA(data->lpstrFile, ("C:\\picked" + pattern.substr(1)).c_str(), static_cast<int>(data->nMaxFile));
        return picked;
    };
    const std::tuple<int, int, int, const char*> browsers[] = {{0, E::kSoundBrowse, E::kSound, "*.wav"},
                                                               {2, E::kProgramBrowse, E::kProgram, "*.exe"}};
    for (const auto& [action, button, box, filter] : browsers) {
        Choose(kAdd, E::kAction, action);
        Type(kAdd, box, "C:\\kept");
        picked = FALSE;
        Click(kAdd, button);
        EXPECT_EQ(Text(kAdd, box), "C:\\kept") << filter;
        picked = TRUE;
        Click(kAdd, button);
        EXPECT_EQ(pattern + " " + Text(kAdd, box), std::string(filter) + " C:\\picked" + (filter + 1));
    }
}

// Delete reaches the running alarms at once, though the list is then cancelled: a deleted shut-down never runs.
TEST_F(AlarmForms, ADeletedAlarmNeverRunsThoughTheListIsCancelled) {
    StoreRings({{{1, 4, 2, 0, 9, 16, 20, 26, 1, 1, 0}, {}}, Daily(0)});
    ShowAlarmList();
    Click(kList, L::kDelete);
    Click(kList, L::kCancel);
    RecordingSeams recorder;
    const auto ticks = [this] {
        for (int second = 0; second <= 20; ++second) CheckRingTime(nullptr), clock_.Advance(1);
    };
    DriveModal(ticks, [](HWND countdown) { SendMessageA(countdown, WM_COMMAND, IDOK, 0); });
    EXPECT_EQ(recorder.calls(), std::vector<std::string>{});
}

// A second request for an open form brings that one forward.
bool Twice(const char* form) { return FindWindowExA(nullptr, Form(form), form, nullptr) != nullptr; }

TEST_F(AlarmForms, AddEditorStartsAtThisMinuteAndStoresWhatItsControlsHold) {
    ShowAlarmList(), ShowAlarmList();
    Click(kList, L::kAdd), Click(kList, L::kAdd);
    EXPECT_FALSE(Twice(kList) || Twice(kAdd));
    Choose(kAdd, E::kAction, 2);
    Type(kAdd, E::kProgram, "C:\\old.exe");  // left behind by the change of action: not stored
    Choose(kAdd, E::kAction, 0);
    Click(kAdd, E::kMonthly);
    const HWND hourSpin = Control(kAdd, E::kHourSpin);
    for (int i = 0; i < 20; ++i) SendMessageA(Form(kAdd), WM_VSCROLL, SB_LINEUP, LPARAM(hourSpin));
    Type(kAdd, E::kHour, "5");
    SendMessageA(Form(kAdd), WM_VSCROLL, SB_LINEDOWN, LPARAM(hourSpin));
    EXPECT_EQ(Text(kAdd, E::kHour), "22") << "the spinner stops at its top, and typing does not move it";
    Click(kAdd, E::kOk);
    EXPECT_EQ(Record(1) + Texts(1), "1 0 4 3 22 15 20 26 3 4 0 -|-|-|-|")
        << "a sound without a file is stored, and no box of another action";
    EXPECT_EQ(Entries(), "[x] 22:15 (Monthly4day)|Play a sound <\n") << "the list comes back";
    EXPECT_EQ(GetFocus(), List()) << "on the entry just added";
    EXPECT_EQ(StoredRingCount() * 10 + RingCount, 11);
}

bool Overlap(HWND a, HWND b) {
    RECT ra, rb, both;
    GetWindowRect(a, &ra), GetWindowRect(b, &rb);
    return IntersectRect(&both, &ra, &rb);
}

// An item that could never fire or would do nothing keeps the editor open, stores nothing, puts the focus
// where the mending is and says what is missing beside the box, painted, and clear of the buttons. Which box each
// fault names, typed numbers included, is the editor rules' native test.
TEST_F(AlarmForms, EditorRefusesItemsThatCouldNeverFireOrDoNothing) {
    const std::tuple<const char*, std::function<void()>, int> cases[] = {
        {"text hint without text", [] { Type(kAdd, E::kTextHint, ""); }, E::kTextHint},
        {"parameters without a program", [] { Choose(kAdd, E::kAction, 2), Type(kAdd, E::kParameter, "-x"); },
         E::kProgram},
        {"30 February", [] { Choose(kAdd, E::kMonth, 1), Choose(kAdd, E::kDay, 29); }, E::kDay},
        {"only once at this minute", [] {}, E::kMinute},
    };
    for (const auto& [name, fill, box] : cases) {
        ShowAddEditor();
        Type(kAdd, E::kTextHint, "wake");
        fill();
        Click(kAdd, E::kOk);
        ASSERT_NE(Form(kAdd), nullptr) << name;
        const HWND tip = FindWindowA(TOOLTIPS_CLASSA, nullptr);
        EXPECT_TRUE(IsWindowVisible(tip)) << name;
        EXPECT_FALSE(Overlap(tip, Control(kAdd, E::kOk)) || Overlap(tip, Control(kAdd, E::kCancel))) << name;
        const auto texts = PaintedTexts(tip);
        EXPECT_TRUE(texts.size() == 1 && std::get<2>(texts[0]).size() > 10) << name;
        EXPECT_TRUE(GetFocus() == Control(kAdd, box) || GetParent(GetFocus()) == Control(kAdd, box)) << name;
        Click(kAdd, E::kCancel);
        EXPECT_EQ(Stored("DataCount", 0).kind(), RegValue::Kind::KeyMissing) << name;
    }
}

// Delete moves the last item into the freed number, whatever a damaged count says. A modify editor open on it
// follows it there and rewrites it, showing only its own action's texts and leaving nothing of an emptied box;
// the editor of a deleted item closes.
TEST_F(AlarmForms, DeleteKeepsTheNumbersDenseAndAnOpenModifyEditorFollowsItsItem) {
    const StoredRing program{{0, 2, 3, 5, 6, 45, 20, 26, 1, 1, 0}, {{"RunExe", "C:\\app.exe"}, {"Parameters", "-x"}}};
    StoreRings({Daily(1), Daily(2), Daily(3), program});
    SaveRegValue(RegRoot::CurrentUser, keys::Data, "DataCount", RegType::Number, 5000);  // damaged: says nothing
    SaveRegValue(RegRoot::CurrentUser, keys::Data, "Text4", RegType::Text, "old hint");
    ShowAlarmList();
    SelectEntry(3);
    SetFocus(Control(kList, L::kModify)), Click(kList, L::kModify);
    Click(kModify, E::kCancel);
    EXPECT_EQ(GetFocus(), List()) << "back on the entry, not on the button that opened the editor";
    Click(kList, L::kModify), Click(kList, L::kModify);
    EXPECT_FALSE(Twice(kModify));
    EXPECT_EQ(Text(kModify, E::kParameter), "-x");
    SelectEntry(1);
    Click(kList, L::kDelete);
    EXPECT_EQ(Entries(),
              "[x] 7:1 (Daily)|Text Hintwake\n[ ] 6:45 (WeeklyFriday)|Run the special programC:\\app.exe <\n"
              "[x] 7:3 (Daily)|Text Hintwake\n");
    Type(kModify, E::kParameter, "");
    Click(kModify, E::kOk);
    EXPECT_EQ(Record(2) + Texts(2) + Record(4), "1 2 3 5 6 45 20 26 1 1 0 -|C:\\app.exe|-|-|");
    EXPECT_EQ(GetFocus(), List()) << "on the entry just edited";
    EXPECT_EQ(ListView_GetNextItem(List(), -1, LVNI_FOCUSED | LVNI_SELECTED), 1);

    SelectEntry(0);
    Click(kList, L::kModify);
    SetFocus(List());
    PostMessageA(List(), WM_SYSCHAR, 'd', 0), Pump();
    EXPECT_EQ(Form(kModify), nullptr) << "Alt+D deletes, and the editor of a deleted item closes";
    EXPECT_EQ(GetFocus(), List()) << "the focus stays in the list, not on its button";
    SelectEntry(-1);
    EXPECT_FALSE(IsWindowEnabled(Control(kList, L::kDelete)) || IsWindowEnabled(Control(kList, L::kModify)));
}

}  // namespace
