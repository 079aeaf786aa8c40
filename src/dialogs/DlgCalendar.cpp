#include "dialogs/DlgCalendar.h"

#include <algorithm>
#include <optional>
#include <string>

#include "dialogkit/BuiltInDialog.h"
#include "dialogkit/ControlHandles.h"
#include "dialogkit/DateFromToday.h"
#include "dialogkit/ReaderLabel.h"
#include "dialogkit/WindowScale.h"
#include "dialogkit/clsButton.h"
#include "dialogkit/clsDTPicker.h"
#include "dialogkit/clsDialog.h"
#include "dialogkit/clsEdit.h"
#include "dialogkit/clsLabel.h"
#include "dialogkit/clsMonthCalendar.h"
#include "dialogkit/clsUpDown.h"
#include "dialogs/DistanceText.h"

namespace {

constexpr int kWidth = 316;
constexpr int kHeight = 335;
constexpr int kPicker = 1;
constexpr int kDistance = 2;
constexpr int kSpin = 3;
constexpr int kOk = 4;
constexpr int kCalendar = 5;
// The month calendar's place as the wrapper makes it; it grows to what the platform needs to show a month.
constexpr RECT kCalendarArea{22, 54, 287, 214};
constexpr int kFrameBelowCalendar = 16;

// Set while the dialog moves its own views: what they report then is an echo, not the user.
class Moving {
public:
    explicit Moving(bool& moving) : moving_(moving) { moving_ = true; }
    Moving(const Moving&) = delete;
    Moving& operator=(const Moving&) = delete;
    ~Moving() { moving_ = false; }

private:
    bool& moving_;
};

struct DistanceRange {
    int lowest = 0, highest = 0;
};

class CalendarDialog : public SingleDialog<CalendarDialog> {
    clsDTPicker picker;
    clsEdit edit;
    clsUpDown spin;
    clsButton button;
    clsMonthCalendar calendar;
    clsLabel labels;
    bool moving = false;
    int calendarBottom = kCalendarArea.bottom;

    void ShowDate(int days);
    void FollowView(int other, UINT setDate, SYSTEMTIME date);
    void FitCalendar();
    void OnInitDialog() override;
    DistanceRange SpinRange() const;
    void OnSpin(const NMUPDOWN& change);
    void ShowDistanceOfDate();
    void OnDistanceTyped();
    void OnNotify(const NMHDR& header);
    void OnCommand(WPARAM wParam);
    void PaintContent(HDC dc) override;
    void HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

void CalendarDialog::ShowDate(int days) {
    const HWND hDlg = hwnd();
    const Moving echo(moving);
    picker.DateTime_SetSystemtime(hDlg, kPicker, days);
    calendar.MonthCal_SetCurSel(hDlg, kCalendar, days);
}

// The user moved one date view: the other shows the same date, the distance box how far it lies from today.
void CalendarDialog::FollowView(int other, UINT setDate, SYSTEMTIME date) {
    const HWND hDlg = hwnd();
    const Moving echo(moving);
    SendDlgItemMessageA(hDlg, other, setDate, GDT_VALID, reinterpret_cast<LPARAM>(&date));
    edit.SetEditText(hDlg, kDistance, std::to_string(DaysFromToday(date)));
}

void CalendarDialog::FitCalendar() {
    const HWND month = calendar.hwnd();
    RECT need{};
    SendMessageA(month, MCM_GETMINREQRECT, 0, reinterpret_cast<LPARAM>(&need));
    const int width = std::max<int>(kCalendarArea.right - kCalendarArea.left, LayoutForWindow(month, need.right));
    const int height = std::max<int>(kCalendarArea.bottom - kCalendarArea.top, LayoutForWindow(month, need.bottom));
    MoveChildControl(month, kCalendarArea.left, kCalendarArea.top, width, height, FALSE);
    calendarBottom = kCalendarArea.top + height;
}

// The picker spans the calendar's width, so a long date fits; the distance row sits beside OK, below the frame.
void CalendarDialog::OnInitDialog() {
    const HWND hDlg = hwnd();
    CentreOnDesktop(hDlg, kWidth, kHeight);
    SendMessageA(hDlg, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Calendar"));
    picker.CreateDTPicker(hDlg, kPicker, 21, 25, kCalendarArea.right - 21, 20, DTS_UPDOWN | DTS_LONGDATEFORMAT);
    SetFocus(picker.hwnd(0));
    edit.CreateEdit(hDlg, kDistance, 77, 276, 64, 20, font(), 0, 6);
    edit.SetEditText(hDlg, kDistance, "0");
    spin.CreateUpDown(hDlg, kSpin);
    // The distance box's arrow keys turn the spin; as a tab stop of its own it would hold a focus nobody sees.
    const HWND arrows = spin.hwnd();
    SetWindowLongA(arrows, GWL_STYLE, (GetWindowLongA(arrows, GWL_STYLE) & ~WS_TABSTOP) | UDS_ARROWKEYS);
    spin.SetBuddy(hDlg, kSpin, edit.hwnd(0));
    button.CreateButton(hDlg, "OK(&O)", kOk, 225, 276, 72, 21, font(), BS_DEFPUSHBUTTON);
    // Enter presses IDOK unless told otherwise, and here that is the picker's id.
    SendMessageA(hDlg, DM_SETDEFID, kOk, 0);
    calendar.CreateMonthCalendar(hDlg, kCalendar);
    FitCalendar();
    labels.CreateLabel(hDlg, "Current date", 22, 8, font());
    PutLabelBefore(labels.hwnd(), picker.hwnd(0));
    labels.CreateLabel(hDlg, "Distance", 22, 279, font());
    PutLabelBefore(labels.hwnd(), edit.hwnd(0));
    labels.CreateLabel(hDlg, "Days", 146, 279, font());
    // The controls start on the computer's date; the dialog's today is the program's clock.
    ShowDate(0);
}

DistanceRange CalendarDialog::SpinRange() const {
    DistanceRange range;
    SendMessageA(spin.hwnd(), UDM_GETRANGE32, reinterpret_cast<WPARAM>(&range.lowest),
                 reinterpret_cast<LPARAM>(&range.highest));
    return range;
}

// Past either end of the range the spin stays where it is, and so do the dates.
void CalendarDialog::OnSpin(const NMUPDOWN& change) {
    const DistanceRange range = SpinRange();
    ShowDate(std::clamp(change.iPos + change.iDelta, range.lowest, range.highest));
}

// The box is put back to the distance of the date shown, the caret at its end, so the two never disagree.
void CalendarDialog::ShowDistanceOfDate() {
    const HWND hDlg = hwnd();
    SYSTEMTIME shown{};
    SendDlgItemMessageA(hDlg, kPicker, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&shown));
    const Moving echo(moving);
    const std::string distance = std::to_string(DaysFromToday(shown));
    edit.SetEditText(hDlg, kDistance, distance);
    SendDlgItemMessageA(hDlg, kDistance, EM_SETSEL, distance.size(), distance.size());
}

// A number of the spin's range moves the dates. Any other text is refused at once, as a box for digits refuses a
// letter; only an empty box or a lone minus sign waits, being typed, until the user leaves the box.
void CalendarDialog::OnDistanceTyped() {
    const HWND hDlg = hwnd();
    const std::string text = edit.Text(hDlg, kDistance);
    const std::optional<int> days = DistanceFromText(text);
    const DistanceRange range = SpinRange();
    if (days && *days >= range.lowest && *days <= range.highest) return ShowDate(*days);
    if (text != "" && text != "-") ShowDistanceOfDate();
}

void CalendarDialog::OnNotify(const NMHDR& header) {
    if (header.code == UDN_DELTAPOS && header.idFrom == kSpin) return OnSpin(reinterpret_cast<const NMUPDOWN&>(header));
    if (moving) return;
    if (header.code == DTN_DATETIMECHANGE && header.idFrom == kPicker) {
        const auto& change = reinterpret_cast<const NMDATETIMECHANGE&>(header);
        if (change.dwFlags == GDT_VALID) FollowView(kCalendar, MCM_SETCURSEL, change.st);
    }
    if (header.code == MCN_SELCHANGE && header.idFrom == kCalendar)
        FollowView(kPicker, DTM_SETSYSTEMTIME, reinterpret_cast<const NMSELCHANGE&>(header).stSelStart);
}

void CalendarDialog::OnCommand(WPARAM wParam) {
    const HWND hDlg = hwnd();
    if (LOWORD(wParam) == kDistance && !moving) {
        if (HIWORD(wParam) == EN_CHANGE) OnDistanceTyped();
        if (HIWORD(wParam) == EN_KILLFOCUS && !DistanceFromText(edit.Text(hDlg, kDistance))) ShowDistanceOfDate();
    }
    // Escape and the close box send IDCANCEL, the distance box's id with a code no edit box sends.
    if (wParam == kOk || wParam == IDCANCEL) SendMessageA(hDlg, WM_CLOSE, 0, 0);
}

void CalendarDialog::PaintContent(HDC dc) {
    DrawEtchedFrame(dc, 10, 300, 12, calendarBottom + kFrameBelowCalendar);
    DrawSunkenFrame(dc, 224, 298, 275, 298);
}

void CalendarDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NOTIFY) OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
    if (message == WM_COMMAND) OnCommand(wParam);
}

}  // namespace

void ShowCalendarDialog(HWND owner) { CalendarDialog::Show(owner); }
