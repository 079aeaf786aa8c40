#include "dialogs/DlgSetSysTime.h"

#include <algorithm>
#include <optional>
#include <string>

#include "dialogkit/ControlHandles.h"
#include "dialogkit/DialogFont.h"
#include "dialogkit/DialogState.h"
#include "dialogkit/DpiChange.h"
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

struct SysTimeWindow {
    DialogFont font;
    clsButton buttons;
    clsDTPicker pickers;
    clsLabel label;
    SingleHandle refusal;
    // How much wider than the given layout the pickers need to be for the user's date and time formats.
    int wider = 0;
    // The user changed a picker since the dialog opened or since the last Apply.
    bool edited = false;
};
DialogState<SysTimeWindow> window;

std::string SystemMessage(DWORD error) {
    char text[512] = {};
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
                                        text, sizeof text, nullptr);
    std::string message(text, length);
    while (!message.empty() && static_cast<unsigned char>(message.back()) <= ' ') message.pop_back();
    return message.empty() ? "error " + std::to_string(error) : message;
}

int TextHeight(HWND control, const std::string& text, int width) {
    RECT area{0, 0, ScaleForWindow(control, width), 0};
    {
        const WindowDC dc(control);
        SelectedObject font(dc, window->font.get());
        DrawTextA(dc, text.c_str(), -1, &area, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    }
    return LayoutForWindow(control, area.bottom);
}

// The refusal line spans the row of buttons below them, as tall as its text; the dialog grows to hold it and
// shrinks back when the line is emptied.
void ShowRefusal(HWND hDlg, const std::string& text) {
    const HWND line = window->refusal.get();
    const int width = kRefusalWidth + window->wider;
    const int height = text.empty() ? 0 : TextHeight(line, text, width);
    SetWindowTextA(line, text.c_str());
    MoveChildControl(line, kRefusalX, kRefusalY, width, height, FALSE);
    ShowWindow(line, text.empty() ? SW_HIDE : SW_SHOWNA);
    SetWindowPos(hDlg, nullptr, 0, 0, ScaleForWindow(hDlg, kWidth + window->wider),
                 ScaleForWindow(hDlg, kHeight + (height ? height + kRefusalMargin : 0)),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FollowClock(HWND hDlg) {
    if (window->edited) return;
    SYSTEMTIME now;
    seams.GetLocalTime(&now);
    for (int picker : {kDate, kTime})
        SendDlgItemMessageA(hDlg, picker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&now));
}

int MissingWidth(HWND picker, int width) {
    SIZE ideal{};
    SendMessageA(picker, DTM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal));
    return std::max(0, LayoutForWindow(picker, ideal.cx) - width);
}

// The pickers take the width their text needs; the time picker, the frame and the buttons move right by as
// much as the date picker and the time picker grew.
void FitPickers() {
    const int date = MissingWidth(window->pickers.hwnd(0), kDateWidth);
    window->wider = date + MissingWidth(window->pickers.hwnd(1), kTimeWidth);
    MoveChildControl(window->pickers.hwnd(0), kDateX, kPickerY, kDateWidth + date, kPickerHeight, FALSE);
    MoveChildControl(window->pickers.hwnd(1), kTimeX + date, kPickerY, kTimeWidth + window->wider - date, kPickerHeight,
                     FALSE);
    for (int i = 0; i < 3; ++i)
        MoveChildControl(window->buttons.hwnd(i), kButtons[i].x + window->wider, kButtonY, kButtonWidth, kButtonHeight,
                         FALSE);
}

void OnInitDialog(HWND hDlg) {
    SendMessageA(hDlg, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("System time setting"));
    window.Open(hDlg).font.FitTo(hDlg);
    const HFONT font = window->font.get();
    for (const ButtonPlace& button : kButtons)
        window->buttons.CreateButton(hDlg, button.caption, button.id, button.x, kButtonY, kButtonWidth, kButtonHeight,
                                     font, button.style);
    window->pickers.CreateDTPicker(hDlg, kDate, kDateX, kPickerY, kDateWidth, kPickerHeight,
                                   WS_GROUP | DTS_LONGDATEFORMAT);
    SetFocus(window->pickers.hwnd(0));
    window->pickers.CreateDTPicker(hDlg, kTime, kTimeX, kPickerY, kTimeWidth, kPickerHeight, DTS_TIMEFORMAT);
    window->label.CreateLabel(hDlg, "Date and Time", 21, 6, font);
    window->refusal.Set(
        CreateChildControl(0, "STATIC", nullptr, WS_CHILD | SS_LEFT | SS_NOPREFIX, 0, 0, 0, 0, hDlg, kRefusal));
    SendMessageA(window->refusal.get(), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    FitPickers();
    CentreOnDesktop(hDlg, kWidth + window->wider, kHeight);
    FollowClock(hDlg);
    SetTimer(hDlg, kClockTimer, kFollowPeriod, nullptr);
}

void OnNotify(HWND hDlg, const NMHDR& header) {
    if (header.code != DTN_DATETIMECHANGE || (header.idFrom != kDate && header.idFrom != kTime)) return;
    window->edited = true;
    EnableWindow(window->buttons.hwnd(kApplyIndex), TRUE);
    KillTimer(hDlg, kClockTimer);
}

// Sets the clock to the date of the date picker and the time of the time picker, if the user changed either.
// A refusal keeps the edit and says why.
void Apply(HWND hDlg) {
    if (!window->edited) return;
    SYSTEMTIME date{}, time{};
    SendDlgItemMessageA(hDlg, kDate, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&date));
    SendDlgItemMessageA(hDlg, kTime, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time));
    time.wYear = date.wYear;
    time.wMonth = date.wMonth;
    time.wDay = date.wDay;
    const std::optional<SYSTEMTIME> utc = LocalTimeToUtc(time);
    if (!utc) return ShowRefusal(hDlg, "The time could not be set: the clocks skip that time on that date.");
    if (!seams.EnableSystemTimePrivilege() || !seams.SetSystemTime(&*utc))
        return ShowRefusal(hDlg, "The time could not be set: " + SystemMessage(GetLastError()));
    ShowRefusal(hDlg, "");
    window->edited = false;
    const HWND apply = window->buttons.hwnd(kApplyIndex);
    if (GetFocus() == apply) SendMessageA(hDlg, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(hDlg, kOk)), TRUE);
    EnableWindow(apply, FALSE);
    SetTimer(hDlg, kClockTimer, kResumePeriod, nullptr);
}

void OnCommand(HWND hDlg, WPARAM wParam) {
    switch (wParam) {
        case kOk:
            SendMessageA(hDlg, WM_COMMAND, kApply, 0);
            if (!window->edited) SendMessageA(hDlg, WM_COMMAND, kCancel, 0);
            break;
        case kApply:
            Apply(hDlg);
            break;
        case kCancel:
            SendMessageA(hDlg, WM_CLOSE, 0, 0);
            break;
    }
}

void PaintContent(HWND, HDC dc) {
    DrawEtchedFrame(dc, 10, 250 + window->wider, 10, 58);
    for (const ButtonPlace& button : kButtons) {
        const int x = button.x + window->wider;
        DrawSunkenFrame(dc, x - 1, x + kButtonWidth + 1, kButtonY - 1, kButtonY + kButtonHeight + 1);
    }
}

void OnClose(HWND hDlg) {
    window.Release();
    KillTimer(hDlg, kClockTimer);
    EndDialog(hDlg, 0);
}

}  // namespace

void ShowSysTimeDialog(HWND owner) { window.Show(owner, SystemTimeDlgProc); }

INT_PTR CALLBACK SystemTimeDlgProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    if (uMsg == WM_INITDIALOG) OnInitDialog(hDlg);
    if (!window) return 0;
    if (PaintDialogMessage(hDlg, uMsg, wParam, PaintContent)) return 0;
    if (DpiChangeMessage(hDlg, uMsg, wParam, lParam, window ? &window->font : nullptr)) return 0;
    switch (uMsg) {
        case WM_TIMER:
            FollowClock(hDlg);
            break;
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
