#include "alarms/DlgRemindText.h"

#include <memory>
#include <optional>

#include "alarms/SnoozeLengthBox.h"
#include "dialogkit/DialogFont.h"
#include "dialogkit/DpiChange.h"
#include "dialogkit/ProgramIcon.h"
#include "dialogkit/WindowScale.h"
#include "dialogkit/clsButton.h"
#include "dialogkit/clsDialog.h"

namespace {

// Grown to the right for Snooze and its length; OK keeps its place.
constexpr int kWidth = 352;
constexpr int kHeight = 128;
constexpr int kOk = 1;
constexpr int kSnooze = 3;
constexpr int kLength = 4;

// What one open reminder owns. Each window keeps its own, so reminders that come due while one is open
// stack up without sharing handles or text.
struct ReminderWindow {
    std::string text;
    DialogFont font;
    ProgramIcon icon{kDialogIconSize};
    clsButton button;
    SnoozeLengthBox length;
    std::optional<int>* choice = nullptr;
};

// The text of the reminder being opened, until its window holds its own copy, and where the snooze length goes.
const std::string* openingText = nullptr;
std::optional<int>* openingChoice = nullptr;

ReminderWindow* WindowOf(HWND hDlg) { return reinterpret_cast<ReminderWindow*>(GetWindowLongPtrA(hDlg, DWLP_USER)); }

void OnInitDialog(HWND hDlg) {
    CentreOnDesktop(hDlg, kWidth, kHeight);
    SendMessageA(hDlg, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Text Hint"));
    auto window = std::make_unique<ReminderWindow>();
    window->font.FitTo(hDlg);
    window->text = openingText ? *openingText : std::string();
    window->choice = openingChoice;
    window->button.CreateButton(hDlg, "OK(&O)", kOk, 99, 77, 70, 19, window->font.get(), BS_DEFPUSHBUTTON);
    window->button.CreateButton(hDlg, "Snooze", kSnooze, 179, 77, 70, 19, window->font.get(), 0);
    window->length.Create(hDlg, kLength, 259, 76, 80, window->font.get());
    SetWindowLongPtrA(hDlg, DWLP_USER, reinterpret_cast<LONG_PTR>(window.release()));
}

void PaintContent(HWND hDlg, HDC dc) {
    const ReminderWindow* window = WindowOf(hDlg);
    if (!window) return;
    SetBkMode(dc, TRANSPARENT);
    SelectedObject font(dc, window->font.get());
    DrawEtchedFrame(dc, 8, kWidth - 14, 66, 66);
    TextOutA(dc, ScaleForWindow(hDlg, 55), ScaleForWindow(hDlg, 18), window->text.c_str(),
             static_cast<int>(window->text.size()));
    window->icon.Draw(dc, 10, 10);
    DrawSunkenFrame(dc, 98, 170, 76, 97);
    DrawSunkenFrame(dc, 178, 250, 76, 97);
}

// Escape gives IDCANCEL: it dismisses the reminder as OK does, as it always has.
void OnCommand(HWND hDlg, WPARAM wParam) {
    if (wParam == kSnooze) {
        if (ReminderWindow* window = WindowOf(hDlg); window && window->choice)
            *window->choice = window->length.TakeChoice(hDlg);
    } else if (wParam != kOk && wParam != IDCANCEL) {
        return;
    }
    SendMessageA(hDlg, WM_CLOSE, 0, 0);
}

void ReleaseWindow(HWND hDlg) {
    delete WindowOf(hDlg);
    SetWindowLongPtrA(hDlg, DWLP_USER, 0);
}

void OnClose(HWND hDlg) {
    ReleaseWindow(hDlg);
    EndDialog(hDlg, 0);
}

}  // namespace

std::optional<int> ShowRemindText(HWND owner, const std::string& text) {
    std::optional<int> choice;
    openingText = &text;
    openingChoice = &choice;
    RunBuiltInDialog(owner, RemindTextProc);
    return choice;
}

INT_PTR CALLBACK RemindTextProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    if (PaintDialogMessage(hDlg, uMsg, wParam, PaintContent)) return 0;
    if (DpiChangeMessage(hDlg, uMsg, wParam, lParam, WindowOf(hDlg) ? &WindowOf(hDlg)->font : nullptr)) return 0;
    switch (uMsg) {
        case WM_INITDIALOG:
            OnInitDialog(hDlg);
            break;
        case WM_COMMAND:
            OnCommand(hDlg, wParam);
            break;
        case WM_CLOSE:
            OnClose(hDlg);
            break;
        case WM_DESTROY:
            ReleaseWindow(hDlg);
            break;
    }
    return 0;
}
