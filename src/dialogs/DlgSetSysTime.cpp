#include "dialogs/DlgSetSysTime.h"

#include <algorithm>
#include <optional>
#include <string>

#include "dialogkit/BuiltInDialog.h"
#include "dialogkit/ControlHandles.h"
#include "dialogkit/ReaderLabel.h"
#include "dialogkit/WindowScale.h"
#include "dialogkit/clsButton.h"
#include "dialogkit/clsDTPicker.h"
#include "dialogkit/clsDialog.h"
#include "dialogkit/clsLabel.h"
#include "dialogs/LocalTimeToUtc.h"
#include "system/Seams.h"

namespace {

constexpr int kWidth = 265;
constexpr int kHeight = 120;
constexpr int kOk = 1;
// Cancel takes IDCANCEL, which the dialog manager sends for Escape and the close box: with Apply there,
// Escape would set the clock.
constexpr int kCancel = IDCANCEL;
constexpr int kApply = 3;
constexpr int kDate = 4;
constexpr int kTime = 5;
constexpr int kRefusal = 7;
constexpr UINT_PTR kClockTimer = 6;
constexpr UINT kFollowPeriod = 800;
constexpr UINT kResumePeriod = 600;
constexpr int kApplyIndex = 1;  // in creation order: OK, Apply, Cancel

struct ButtonPlace {
    int id;
    const char* caption;
    int x;
    DWORD style;
};
constexpr ButtonPlace kButtons[] = {{kOk, "OK(&O)", 15, WS_GROUP | BS_DEFPUSHBUTTON},
                                    {kApply, "Apply(&A)", 95, WS_DISABLED},
                                    {kCancel, "Cancel(&C)", 175, 0}};
constexpr int kButtonY = 67;
constexpr int kButtonWidth = 70;
constexpr int kButtonHeight = 20;
constexpr int kPickerY = 25;
constexpr int kPickerHeight = 20;
constexpr int kDateX = 22;
constexpr int kDateWidth = 118;
constexpr int kTimeX = 153;
constexpr int kTimeWidth = 85;
constexpr int kRefusalX = 15;
constexpr int kRefusalY = 94;
constexpr int kRefusalWidth = 231;
constexpr int kRefusalMargin = 6;

std::string SystemMessage(DWORD error) {
    char text[512] = {};
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
                                        text, sizeof text, nullptr);
    std::string message(text, length);
    while (!message.empty() && static_cast<unsigned char>(message.back()) <= ' ') message.pop_back();
    return message.empty() ? "error " + std::to_string(error) : message;
}

class SysTimeDialog : public SingleDialog<SysTimeDialog> {
    clsButton buttons;
    clsDTPicker pickers;
    clsLabel label;
    SingleHandle refusal;
    // How much wider than the given layout the pickers need to be for the user's date and time formats.
    int wider = 0;
    // The user changed a picker since the dialog opened or since the last Apply.
    bool edited = false;

    int TextHeight(HWND control, const std::string& text, int width) const;
    void ShowRefusal(const std::string& text);
    void FollowClock();
    void FitPickers();
    void OnInitDialog() override;
    void OnNotify(const NMHDR& header);
    void Apply();
    void OnCommand(WPARAM wParam);
    void PaintContent(HDC dc) override;
    INT_PTR OnClose() override;
    void HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

int SysTimeDialog::TextHeight(HWND control, const std::string& text, int width) const {
    RECT area{0, 0, ScaleForWindow(control, width), 0};
    {
        const WindowDC dc(control);
        SelectedObject selected(dc, font());
        DrawTextA(dc, text.c_str(), -1, &area, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    }
    return LayoutForWindow(control, area.bottom);
}

// The refusal line spans the row of buttons below them, as tall as its text; the dialog grows to hold it and
// shrinks back when the line is emptied.
void SysTimeDialog::ShowRefusal(const std::string& text) {
    const HWND line = refusal.get();
    const int width = kRefusalWidth + wider;
    const int height = text.empty() ? 0 : TextHeight(line, text, width);
    SetWindowTextA(line, text.c_str());
    MoveChildControl(line, kRefusalX, kRefusalY, width, height, FALSE);
    ShowWindow(line, text.empty() ? SW_HIDE : SW_SHOWNA);
    SetWindowPos(hwnd(), nullptr, 0, 0, ScaleForWindow(hwnd(), kWidth + wider),
                 ScaleForWindow(hwnd(), kHeight + (height ? height + kRefusalMargin : 0)),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void SysTimeDialog::FollowClock() {
    if (edited) return;
    const SYSTEMTIME now = LocalNow();
    for (int picker : {kDate, kTime})
        SendDlgItemMessageA(hwnd(), picker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&now));
}

int MissingWidth(HWND picker, int width) {
    SIZE ideal{};
    SendMessageA(picker, DTM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal));
    return std::max(0, LayoutForWindow(picker, ideal.cx) - width);
}

// The pickers take the width their text needs; the time picker, the frame and the buttons move right by as
// much as the date picker and the time picker grew.
void SysTimeDialog::FitPickers() {
    const int date = MissingWidth(pickers.hwnd(0), kDateWidth);
    wider = date + MissingWidth(pickers.hwnd(1), kTimeWidth);
    MoveChildControl(pickers.hwnd(0), kDateX, kPickerY, kDateWidth + date, kPickerHeight, FALSE);
    MoveChildControl(pickers.hwnd(1), kTimeX + date, kPickerY, kTimeWidth + wider - date, kPickerHeight, FALSE);
    for (int i = 0; i < 3; ++i)
        MoveChildControl(buttons.hwnd(i), kButtons[i].x + wider, kButtonY, kButtonWidth, kButtonHeight, FALSE);
}

void SysTimeDialog::OnInitDialog() {
    const HWND hDlg = hwnd();
    SendMessageA(hDlg, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("System time setting"));
    for (const ButtonPlace& button : kButtons)
        buttons.CreateButton(hDlg, button.caption, button.id, button.x, kButtonY, kButtonWidth, kButtonHeight, font(),
                             button.style);
    pickers.CreateDTPicker(hDlg, kDate, kDateX, kPickerY, kDateWidth, kPickerHeight, WS_GROUP | DTS_LONGDATEFORMAT);
    SetFocus(pickers.hwnd(0));
    pickers.CreateDTPicker(hDlg, kTime, kTimeX, kPickerY, kTimeWidth, kPickerHeight, DTS_TIMEFORMAT);
    label.CreateLabel(hDlg, "Date and Time", 21, 6, font());
    PutLabelBefore(label.hwnd(), pickers.hwnd(0));
    AddHiddenLabel(pickers.hwnd(1), "Time");
    refusal.Set(CreateChildControl(0, "STATIC", nullptr, WS_CHILD | SS_LEFT | SS_NOPREFIX, 0, 0, 0, 0, hDlg, kRefusal));
    SendMessageA(refusal.get(), WM_SETFONT, reinterpret_cast<WPARAM>(font()), FALSE);
    FitPickers();
    CentreOnDesktop(hDlg, kWidth + wider, kHeight);
    FollowClock();
    SetTimer(hDlg, kClockTimer, kFollowPeriod, nullptr);
}

void SysTimeDialog::OnNotify(const NMHDR& header) {
    if (header.code != DTN_DATETIMECHANGE || (header.idFrom != kDate && header.idFrom != kTime)) return;
    edited = true;
    EnableWindow(buttons.hwnd(kApplyIndex), TRUE);
    KillTimer(hwnd(), kClockTimer);
}

// Sets the clock to the date of the date picker and the time of the time picker, if the user changed either.
// A refusal keeps the edit and says why.
void SysTimeDialog::Apply() {
    const HWND hDlg = hwnd();
    if (!edited) return;
    SYSTEMTIME date{}, time{};
    SendDlgItemMessageA(hDlg, kDate, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&date));
    SendDlgItemMessageA(hDlg, kTime, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time));
    time.wYear = date.wYear;
    time.wMonth = date.wMonth;
    time.wDay = date.wDay;
    const std::optional<SYSTEMTIME> utc = LocalTimeToUtc(time);
    if (!utc) return ShowRefusal("The time could not be set: the clocks skip that time on that date.");
    if (!seams.EnableSystemTimePrivilege() || !seams.SetSystemTime(&*utc))
        return ShowRefusal("The time could not be set: " + SystemMessage(GetLastError()));
    ShowRefusal("");
    edited = false;
    const HWND apply = buttons.hwnd(kApplyIndex);
    if (GetFocus() == apply) SendMessageA(hDlg, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(hDlg, kOk)), TRUE);
    EnableWindow(apply, FALSE);
    SetTimer(hDlg, kClockTimer, kResumePeriod, nullptr);
}

void SysTimeDialog::OnCommand(WPARAM wParam) {
    const HWND hDlg = hwnd();
    switch (wParam) {
        case kOk:
            SendMessageA(hDlg, WM_COMMAND, kApply, 0);
            if (!edited) SendMessageA(hDlg, WM_COMMAND, kCancel, 0);
            break;
        case kApply:
            Apply();
            break;
        case kCancel:
            SendMessageA(hDlg, WM_CLOSE, 0, 0);
            break;
    }
}

void SysTimeDialog::PaintContent(HDC dc) {
    DrawEtchedFrame(dc, 10, 250 + wider, 10, 58);
    for (const ButtonPlace& button : kButtons) {
        const int x = button.x + wider;
        DrawSunkenFrame(dc, x - 1, x + kButtonWidth + 1, kButtonY - 1, kButtonY + kButtonHeight + 1);
    }
}

INT_PTR SysTimeDialog::OnClose() {
    KillTimer(hwnd(), kClockTimer);
    return 0;
}

void SysTimeDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_TIMER:
            FollowClock();
            break;
        case WM_NOTIFY:
            OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
            break;
        case WM_COMMAND:
            OnCommand(wParam);
            break;
    }
}

}  // namespace

void ShowSysTimeDialog(HWND owner) { SysTimeDialog::Show(owner); }
