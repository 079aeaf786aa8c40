#include "forms/AlarmEditor.h"

#include "alarms/RingList.h"
#include "alarms/RingStore.h"
#include "alarms/WallClock.h"
#include "dialogkit/BoxHint.h"
#include "dialogkit/clsCommonDialog.h"
#include "forms/AlarmEditorRules.h"
#include "forms/AlarmListRules.h"
#include "forms/AlarmListWindow.h"
#include "forms/FormWindow.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <string>
#include <utility>
#include <variant>

namespace {

using namespace alarm_editor;

// The row under the sound box that holds "Ring until stopped"; what lies below it moves down by as much.
constexpr int kRingRow = 360;
// The frames' origins: the controls drawn inside a frame are children of the form, placed from here.
constexpr int kFrame1X = 120;
constexpr int kFrame1Y = 0;
constexpr int kFrame2X = 120;
constexpr int kFrame2Y = 3120 + kRingRow;
// The form is wider than 4935 twips so that the date row shows "12", "2026", "59" and "Wednesday" whole;
// the boxes of the upper frame grow by as much, and the buttons on the right move with them.
constexpr int kWider = 870;
// A combo box's height includes its dropped list.
constexpr int kDropped = 2700;

constexpr DWORD kOption = BS_AUTORADIOBUTTON;
// Labels are as high as the boxes beside them, their text centred on the boxes' line.
constexpr DWORD kLabel = SS_RIGHT | SS_CENTERIMAGE | WS_GROUP;
constexpr DWORD kEdit = WS_TABSTOP | ES_AUTOHSCROLL;
constexpr DWORD kChoice = WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL;
constexpr DWORD kSpin = WS_TABSTOP | SBS_VERT;
constexpr DWORD kButton = WS_TABSTOP | BS_PUSHBUTTON;

const FormControl kLayout[] = {
    {kFrame1, "BUTTON", "Alarm Way", BS_GROUPBOX, kFrame1X, kFrame1Y, 4695 + kWider, 3015 + kRingRow},
    {kOnce, "BUTTON", "Only once", kOption | WS_GROUP | WS_TABSTOP, kFrame1X + 240, kFrame1Y + 240, 1575, 255},
    {kDaily, "BUTTON", "Daily", kOption, kFrame1X + 240, kFrame1Y + 480, 1815, 255},
    {kWeekly, "BUTTON", "Weekly", kOption, kFrame1X + 240, kFrame1Y + 720, 1815, 255},
    {kMonthly, "BUTTON", "Monthly", kOption, kFrame1X + 2520, kFrame1Y + 240, 1815, 255},
    {kYearly, "BUTTON", "Yearly", kOption, kFrame1X + 2520, kFrame1Y + 480, 1815, 255},
    {kActionLabel, "STATIC", "Alarm action", kLabel, kFrame1X + 360, kFrame1Y + 1080, 1215, 300},
    {kAction, "COMBOBOX", "", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, kFrame1X + 1680, kFrame1Y + 1080, 2175,
     300 + kDropped},
    {kTextHintLabel, "STATIC", "Text Hint", kLabel, kFrame1X + 720, kFrame1Y + 1440, 855, 270},
    {kTextHint, "EDIT", "", kEdit, kFrame1X + 1680, kFrame1Y + 1440, 2895 + kWider, 270, WS_EX_CLIENTEDGE},
    {kSoundLabel, "STATIC", "Select a sound", kLabel, kFrame1X + 240, kFrame1Y + 1800, 1335, 270},
    {kSound, "EDIT", "", kEdit, kFrame1X + 1680, kFrame1Y + 1800, 2295 + kWider, 270, WS_EX_CLIENTEDGE},
    {kSoundBrowse, "BUTTON", "...", kButton, kFrame1X + 4080 + kWider, kFrame1Y + 1800, 495, 270},
    {kRingUntilStopped, "BUTTON", "Ring until stopped", WS_TABSTOP | BS_AUTOCHECKBOX, kFrame1X + 1680, kFrame1Y + 2130,
     2295 + kWider, 255},
    {kProgramLabel, "STATIC", "Select a program", kLabel, kFrame1X + 120, kFrame1Y + 2160 + kRingRow, 1455, 270},
    {kProgram, "EDIT", "", kEdit, kFrame1X + 1680, kFrame1Y + 2160 + kRingRow, 2295 + kWider, 270, WS_EX_CLIENTEDGE},
    {kProgramBrowse, "BUTTON", "...", kButton, kFrame1X + 4080 + kWider, kFrame1Y + 2160 + kRingRow, 495, 270},
    {kParameterLabel, "STATIC", "Parameter", kLabel, kFrame1X + 720, kFrame1Y + 2520 + kRingRow, 855, 270},
    {kParameter, "EDIT", "", kEdit, kFrame1X + 1680, kFrame1Y + 2520 + kRingRow, 2895 + kWider, 270, WS_EX_CLIENTEDGE},
    {kFrame2, "BUTTON", "Date and Time", BS_GROUPBOX | WS_GROUP, kFrame2X, kFrame2Y, 4695 + kWider, 855},
    // Each column head comes right before its box: a screen reader names a box after the label before it.
    {kHeads + 0, "STATIC", "Mon", WS_GROUP, kFrame2X + 120, kFrame2Y + 240, 555, 255},
    {kMonth, "COMBOBOX", "", kChoice, kFrame2X + 120, kFrame2Y + 480, 555, 300 + kDropped},
    {kHeads + 1, "STATIC", "Day", 0, kFrame2X + 720, kFrame2Y + 240, 555, 255},
    {kDay, "COMBOBOX", "", kChoice, kFrame2X + 720, kFrame2Y + 480, 555, 300 + kDropped},
    {kHeads + 2, "STATIC", "Year", 0, kFrame2X + 1320, kFrame2Y + 240, 900, 255},
    {kYear, "COMBOBOX", "", kChoice, kFrame2X + 1320, kFrame2Y + 480, 900, 300 + kDropped},
    {kHeads + 3, "STATIC", "Hour", 0, kFrame2X + 2280, kFrame2Y + 240, 525, 255},
    {kHour, "EDIT", "0", kEdit, kFrame2X + 2280, kFrame2Y + 480, 330, 300, WS_EX_CLIENTEDGE},
    {kHourSpin, "SCROLLBAR", "", kSpin, kFrame2X + 2610, kFrame2Y + 480, 195, 300},
    {kHeads + 4, "STATIC", "Min", 0, kFrame2X + 2865, kFrame2Y + 240, 525, 255},
    {kMinute, "EDIT", "0", kEdit, kFrame2X + 2865, kFrame2Y + 480, 330, 300, WS_EX_CLIENTEDGE},
    {kMinuteSpin, "SCROLLBAR", "", kSpin, kFrame2X + 3195, kFrame2Y + 480, 195, 300},
    {kHeads + 5, "STATIC", "Sec.", 0, kFrame2X + 3450, kFrame2Y + 240, 525, 255},
    {kSecond, "EDIT", "0", kEdit, kFrame2X + 3450, kFrame2Y + 480, 330, 300, WS_EX_CLIENTEDGE},
    {kSecondSpin, "SCROLLBAR", "", kSpin, kFrame2X + 3780, kFrame2Y + 480, 195, 300},
    {kHeads + 6, "STATIC", "Week", 0, kFrame2X + 4035, kFrame2Y + 240, 1455, 255},
    {kWeek, "COMBOBOX", "", kChoice, kFrame2X + 4035, kFrame2Y + 480, 1455, 300 + kDropped},
    {kOk, "BUTTON", "OK(&O)", WS_TABSTOP | WS_GROUP | BS_DEFPUSHBUTTON, 2490 + kWider, 4080 + kRingRow, 1095, 375},
    {kCancel, "BUTTON", "Cancel(&C)", kButton, 3720 + kWider, 4080 + kRingRow, 1095, 375},
};

constexpr char kFullList[] = "The alarm list is full: delete an alarm first.";

// The action list's entries by RingAction value, from 0.
const char* const kActions[] = {"Play a sound", "Text Hint", "Run a program", "Re-start Computer", "Shut down"};

const std::pair<int, RingRepeat> kRepeatOptions[] = {{kOnce, RingRepeat::Once},
                                                     {kDaily, RingRepeat::Daily},
                                                     {kWeekly, RingRepeat::Weekly},
                                                     {kMonthly, RingRepeat::Monthly},
                                                     {kYearly, RingRepeat::Yearly}};

struct Spinner {
    int bar;
    int box;
    int top;  // the value at the top end
};
constexpr Spinner kSpinners[] = {{kHourSpin, kHour, 23}, {kMinuteSpin, kMinute, 59}, {kSecondSpin, kSecond, 59}};

// The boxes by EditorBox.
constexpr int kBoxIds[] = {kAction, kTextHint, kProgram, kMonth, kDay, kYear, kHour, kMinute, kDay, kMinute};

// The boxes that hold an entry's texts.
const std::pair<int, std::string EditorEntry::*> kTextBoxes[] = {
    {kTextHint, &EditorEntry::textHint}, {kSound, &EditorEntry::sound},
    {kProgram, &EditorEntry::program},   {kParameter, &EditorEntry::parameter},
    {kMonth, &EditorEntry::month},       {kDay, &EditorEntry::day},
    {kYear, &EditorEntry::year},         {kHour, &EditorEntry::hour},
    {kMinute, &EditorEntry::minute},     {kWeek, &EditorEntry::week}};

class AlarmEditor;
AlarmEditor* frmAdditem = nullptr;
AlarmEditor* frmModify = nullptr;

class AlarmEditor : public FormWindow {
public:
    // `number` 0 adds a new item.
    static void Open(int number) {
        auto* form = new AlarmEditor(number);
        if (!form->Create(number ? "frmModify" : "frmAdditem", "Alarm item ", 4935 + kWider, 4530 + kRingRow, kLayout))
            return;
        form->Load();
        form->Show();
    }

    void Removed(int removed, int count) {
        if (const auto moved = NumberAfterRemoval(number_, removed, count))
            number_ = *moved;
        else
            Close();
    }

private:
    explicit AlarmEditor(int number) : number_(number) { Slot() = this; }
    ~AlarmEditor() override { Slot() = nullptr; }
    AlarmEditor*& Slot() const { return number_ ? frmModify : frmAdditem; }

    void Load() const {
        const CivilTime now = CivilNow();
        for (const char* action : kActions) AddChoice(kAction, action);
        for (int month = 1; month <= 12; ++month) AddChoice(kMonth, std::to_string(month));
        for (int day = 1; day <= 31; ++day) AddChoice(kDay, std::to_string(day));
        for (const std::string& year : YearChoices(now.year)) AddChoice(kYear, year);
        for (const char* day : kWeekdayNames) AddChoice(kWeek, day);
        for (const Spinner& spinner : kSpinners) SetScrollRange(Item(spinner.bar), SB_CTL, 0, spinner.top, FALSE);
        const std::optional<RingItem> stored = number_ ? ReadStoredRing(number_) : std::nullopt;
        ShowEntry(stored ? EntryOfItem(*stored) : EntryForNow(now));
        SetSpinner(kSpinners[2], now.second);
    }

    void AddChoice(int id, const std::string& text) const {
        SendDlgItemMessageA(hwnd(), id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }

    // The action's rules empty the boxes of other actions; the spinners start from the time shown.
    void ShowEntry(const EditorEntry& entry) const {
        for (const auto& [box, text] : kTextBoxes) SetItemText(box, entry.*text);
        SendDlgItemMessageA(hwnd(), kAction, CB_SETCURSEL, entry.action ? static_cast<WPARAM>(*entry.action) : -1, 0);
        ApplyActionRules();
        CheckDlgButton(hwnd(), kRingUntilStopped, entry.ringUntilStopped ? BST_CHECKED : BST_UNCHECKED);
        SelectRepeat(entry.repeat);
        SetSpinner(kSpinners[0], ToRecordByte(entry.hour));
        SetSpinner(kSpinners[1], ToRecordByte(entry.minute));
    }

    EditorEntry ReadEntry() const {
        EditorEntry entry;
        for (const auto& [option, repeat] : kRepeatOptions)
            if (IsChecked(option)) entry.repeat = repeat;
        entry.action = SelectedAction();
        for (const auto& [box, text] : kTextBoxes) entry.*text = ItemText(box);
        entry.ringUntilStopped = IsChecked(kRingUntilStopped);
        return entry;
    }

    std::optional<RingAction> SelectedAction() const {
        const LRESULT index = SendDlgItemMessageA(hwnd(), kAction, CB_GETCURSEL, 0, 0);
        return index >= 0 ? std::optional(RingAction(index)) : std::nullopt;
    }

    // A box that is not the action's is emptied as it is disabled; one that becomes enabled keeps its text.
    void ApplyActionRules() const {
        const ActionBoxes uses = BoxesOfAction(SelectedAction());
        const std::pair<int, bool> boxes[] = {
            {kTextHint, uses.textHint}, {kSound, uses.sound}, {kProgram, uses.program}, {kParameter, uses.parameter}};
        for (const auto& [box, used] : boxes) {
            if (!used) SetItemText(box, "");
            EnableItem(box, used);
        }
        EnableItem(kSoundBrowse, uses.sound);
        EnableItem(kRingUntilStopped, uses.sound);
        EnableItem(kProgramBrowse, uses.program);
    }

    void SelectRepeat(RingRepeat repeat) const {
        for (const auto& [option, its] : kRepeatOptions)
            if (its == repeat) CheckRadioButton(hwnd(), kOnce, kYearly, option);
        ApplyRepeatRules(repeat);
    }

    void ApplyRepeatRules(RingRepeat repeat) const {
        const RepeatBoxes uses = BoxesOfRepeat(repeat);
        EnableItem(kMonth, uses.month);
        EnableItem(kDay, uses.day);
        EnableItem(kYear, uses.year);
        EnableItem(kWeek, uses.week);
    }

    // The spinner keeps its own value; its box shows it only after the spinner moves.
    void SetSpinner(const Spinner& spinner, int value) const {
        value = std::clamp(value, 0, spinner.top);
        SetScrollPos(Item(spinner.bar), SB_CTL, spinner.top - value, TRUE);
        SetItemText(spinner.box, std::to_string(value));
    }

    // The top end of a spinner is its maximum: up raises the value by one, down lowers it.
    void OnVScroll(WPARAM request, HWND bar) const {
        const auto spinner = std::find_if(std::begin(kSpinners), std::end(kSpinners),
                                          [&](const Spinner& s) { return Item(s.bar) == bar; });
        if (spinner == std::end(kSpinners)) return;
        const int value = spinner->top - GetScrollPos(bar, SB_CTL);
        int next = value;
        switch (LOWORD(request)) {
            case SB_LINEUP:
            case SB_PAGEUP:
                next = value + 1;
                break;
            case SB_LINEDOWN:
            case SB_PAGEDOWN:
                next = value - 1;
                break;
            case SB_TOP:
                next = spinner->top;
                break;
            case SB_BOTTOM:
                next = 0;
                break;
            case SB_THUMBPOSITION:
            case SB_THUMBTRACK:
                next = spinner->top - HIWORD(request);
                break;
        }
        next = std::clamp(next, 0, spinner->top);
        if (next != value) SetSpinner(*spinner, next);
    }

    void Browse(int box, const char* pattern) const {
        const std::string chosen = clsCommonDialog().OpenDialog(hwnd(), pattern);
        if (!chosen.empty()) SetItemText(box, chosen);
    }

    // Stores the item and shows the list anew; an item that could never fire or would do nothing keeps the
    // editor open with the focus in the box to mend.
    void OnOk() {
        const auto composed = ComposeRingItem(ReadEntry(), CivilNow());
        if (const auto* box = std::get_if<EditorBox>(&composed)) {
            const int id = kBoxIds[static_cast<int>(*box)];
            FocusItem(id);
            hint_.Show(hwnd(), Item(id), MendingHint(*box));
            return;
        }
        const RingItem& item = std::get<RingItem>(composed);
        int number = number_;
        if (number)
            WriteStoredRing(number, item);
        else if (const auto appended = AppendStoredRing(item))
            number = *appended;
        else
            return hint_.Show(hwnd(), Item(kOk), kFullList);
        Close();
        LoadRingData();
        ReopenAlarmList(number);
    }

    void OnCommand(int id, int code) {
        // Whatever the user does next answers the hint.
        hint_.Hide();
        if (id == kAction && code == CBN_SELCHANGE) return ApplyActionRules();
        if (code != BN_CLICKED) return;
        for (const auto& [option, repeat] : kRepeatOptions)
            if (id == option) return ApplyRepeatRules(repeat);
        switch (id) {
            case kSoundBrowse:
                return Browse(kSound, "*.wav");
            case kProgramBrowse:
                return Browse(kProgram, "*.exe");
            case kOk:
                return OnOk();
            case kCancel:
                return Close();
        }
    }

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
            case WM_COMMAND:
                OnCommand(LOWORD(wParam), HIWORD(wParam));
                return 0;
            case WM_VSCROLL:
                OnVScroll(wParam, reinterpret_cast<HWND>(lParam));
                return 0;
        }
        return FormWindow::HandleMessage(message, wParam, lParam);
    }

    int number_;
    BoxHint hint_;
};

void Open(AlarmEditor* open, int number) {
    if (open)
        open->BringToFront();
    else
        AlarmEditor::Open(number);
}

}  // namespace

void ShowAddEditor() { Open(frmAdditem, 0); }

void ShowModifyEditor(int number) {
    if (number >= 1) Open(frmModify, number);
}

void NoteAlarmRemoved(int removed, int count) {
    if (frmModify) frmModify->Removed(removed, count);
}
