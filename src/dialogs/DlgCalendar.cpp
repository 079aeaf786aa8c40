#include "dialogs/DlgCalendar.h"

#include <algorithm>
#include <optional>
#include <string>

#include "dialogkit/ControlHandles.h"
#include "dialogkit/DateFromToday.h"
#include "dialogkit/DialogFont.h"
#include "dialogkit/DialogState.h"
#include "dialogkit/DpiChange.h"
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

struct CalendarWindow {
    DialogFont font;
    clsDTPicker picker;
    clsEdit edit;
    clsUpDown spin;
    clsButton button;
    clsMonthCalendar calendar;
    clsLabel labels;
    // Set while the dialog moves its own views: what they report then is an echo, not the user.
    bool moving = false;
    int calendarBottom = kCalendarArea.bottom;
};
DialogState<CalendarWindow> window;

class Moving {
public:
    Moving() { window->moving = true; }
    Moving(const Moving&) = delete;
    Moving& operator=(const Moving&) = delete;
    ~Moving() { window->moving = false; }
};

void ShowDate(HWND hDlg, int days) {
    const Moving moving;
    window->picker.DateTime_SetSystemtime(hDlg, kPicker, days);
    window->calendar.MonthCal_SetCurSel(hDlg, kCalendar, days);
}

// The user moved one date view: the other shows the same date, the distance box how far it lies from today.
void FollowView(HWND hDlg, int other, UINT setDate, SYSTEMTIME date) {
    const Moving moving;
    SendDlgItemMessageA(hDlg, other, setDate, GDT_VALID, reinterpret_cast<LPARAM>(&date));
    window->edit.SetEditText(hDlg, kDistance, std::to_string(DaysFromToday(date)));
}

void FitCalendar() {
    const HWND calendar = window->calendar.hwnd();
    RECT need{};
    SendMessageA(calendar, MCM_GETMINREQRECT, 0, reinterpret_cast<LPARAM>(&need));
    const int width = std::max<int>(kCalendarArea.right - kCalendarArea.left, LayoutForWindow(calendar, need.right));
    const int height = std::max<int>(kCalendarArea.bottom - kCalendarArea.top, LayoutForWindow(calendar, need.bottom));
    MoveChildControl(calendar, kCalendarArea.left, kCalendarArea.top, width, height, FALSE);
    window->calendarBottom = kCalendarArea.top + height;
}

// The picker spans the calendar's width, so a long date fits; the distance row sits beside OK, below the frame.
void OnInitDialog(HWND hDlg) {
    CentreOnDesktop(hDlg, kWidth, kHeight);
    SendMessageA(hDlg, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Calendar"));
    window.Open(hDlg).font.FitTo(hDlg);
    const HFONT font = window->font.get();
    window->picker.CreateDTPicker(hDlg, kPicker, 21, 25, kCalendarArea.right - 21, 20, DTS_UPDOWN | DTS_LONGDATEFORMAT);
    SetFocus(window->picker.hwnd(0));
    window->edit.CreateEdit(hDlg, kDistance, 77, 276, 64, 20, font, 0, 6);
    window->edit.SetEditText(hDlg, kDistance, "0");
    window->spin.CreateUpDown(hDlg, kSpin);
    // The distance box's arrow keys turn the spin; as a tab stop of its own it would hold a focus nobody sees.
    const HWND spin = window->spin.hwnd();
    SetWindowLongA(spin, GWL_STYLE, (GetWindowLongA(spin, GWL_STYLE) & ~WS_TABSTOP) | UDS_ARROWKEYS);
    window->spin.SetBuddy(hDlg, kSpin, window->edit.hwnd(0));
    window->button.CreateButton(hDlg, "OK(&O)", kOk, 225, 276, 72, 21, font, BS_DEFPUSHBUTTON);
    // Enter presses IDOK unless told otherwise, and here that is the picker's id.
    SendMessageA(hDlg, DM_SETDEFID, kOk, 0);
    window->calendar.CreateMonthCalendar(hDlg, kCalendar);
    FitCalendar();
    window->labels.CreateLabel(hDlg, "Current date", 22, 8, font);
    window->labels.CreateLabel(hDlg, "Distance", 22, 279, font);
    window->labels.CreateLabel(hDlg, "Days", 146, 279, font);
    // The controls start on the computer's date; the dialog's today is the program's clock.
    ShowDate(hDlg, 0);
}

struct DistanceRange {
    int lowest = 0, highest = 0;
};

DistanceRange SpinRange() {
    DistanceRange range;
    SendMessageA(window->spin.hwnd(), UDM_GETRANGE32, reinterpret_cast<WPARAM>(&range.lowest),
                 reinterpret_cast<LPARAM>(&range.highest));
    return range;
}

// Past either end of the range the spin stays where it is, and so do the dates.
void OnSpin(HWND hDlg, const NMUPDOWN& change) {
    const DistanceRange range = SpinRange();
    ShowDate(hDlg, std::clamp(change.iPos + change.iDelta, range.lowest, range.highest));
}

// The box is put back to the distance of the date shown, the caret at its end, so the two never disagree.
void ShowDistanceOfDate(HWND hDlg) {
    SYSTEMTIME shown{};
    SendDlgItemMessageA(hDlg, kPicker, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&shown));
    const Moving moving;
    const std::string distance = std::to_string(DaysFromToday(shown));
    window->edit.SetEditText(hDlg, kDistance, distance);
    SendDlgItemMessageA(hDlg, kDistance, EM_SETSEL, distance.size(), distance.size());
}

// A number of the spin's range moves the dates. Any other text is refused at once, as a box for digits refuses a
// letter; only an empty box or a lone minus sign waits, being typed, until the user leaves the box.
void OnDistanceTyped(HWND hDlg) {
    const std::string text = window->edit.Text(hDlg, kDistance);
    const std::optional<int> days = DistanceFromText(text);
    const DistanceRange range = SpinRange();
    if (days && *days >= range.lowest && *days <= range.highest) return ShowDate(hDlg, *days);
    if (text != "" && text != "-") ShowDistanceOfDate(hDlg);
}

void OnNotify(HWND hDlg, const NMHDR& header) {
    if (header.code == UDN_DELTAPOS && header.idFrom == kSpin)
        return OnSpin(hDlg, reinterpret_cast<const NMUPDOWN&>(header));
    if (window->moving) return;
    if (header.code == DTN_DATETIMECHANGE && header.idFrom == kPicker) {
        const auto& change = reinterpret_cast<const NMDATETIMECHANGE&>(header);
        if (change.dwFlags == GDT_VALID) FollowView(hDlg, kCalendar, MCM_SETCURSEL, change.st);
    }
    if (header.code == MCN_SELCHANGE && header.idFrom == kCalendar)
        FollowView(hDlg, kPicker, DTM_SETSYSTEMTIME, reinterpret_cast<const NMSELCHANGE&>(header).stSelStart);
}

void OnCommand(HWND hDlg, WPARAM wParam) {
    if (LOWORD(wParam) == kDistance && !window->moving) {
        if (HIWORD(wParam) == EN_CHANGE) OnDistanceTyped(hDlg);
        if (HIWORD(wParam) == EN_KILLFOCUS && !DistanceFromText(window->edit.Text(hDlg, kDistance)))
            ShowDistanceOfDate(hDlg);
    }
    // Escape and the close box send IDCANCEL, the distance box's id with a code no edit box sends.
    if (wParam == kOk || wParam == IDCANCEL) SendMessageA(hDlg, WM_CLOSE, 0, 0);
}

void PaintContent(HWND, HDC dc) {
    DrawEtchedFrame(dc, 10, 300, 12, window->calendarBottom + kFrameBelowCalendar);
    DrawSunkenFrame(dc, 224, 298, 275, 298);
}

void OnClose(HWND hDlg) {
    window.Release();
    EndDialog(hDlg, 0);
}

}  // namespace

void ShowCalendarDialog(HWND owner) { window.Show(owner, CalendarDlgProc); }

INT_PTR CALLBACK CalendarDlgProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    if (uMsg == WM_INITDIALOG) OnInitDialog(hDlg);
    if (!window) return 0;
    if (PaintDialogMessage(hDlg, uMsg, wParam, PaintContent)) return 0;
    if (DpiChangeMessage(hDlg, uMsg, wParam, lParam, window ? &window->font : nullptr)) return 0;
    switch (uMsg) {
        case WM_NOTIFY:
            OnNotify(hDlg, *reinterpret_cast<const NMHDR*>(lParam));
            break;
        case WM_COMMAND:
            OnCommand(hDlg, wParam);
            break;
        case WM_CLOSE:
            OnClose(hDlg);
            break;
        case WM_DESTROY:
            window.Release();
            break;
    }
    return 0;
}
