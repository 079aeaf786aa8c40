#include "alarms/DlgRemindText.h"

#include <memory>

#include "dialogkit/DialogFont.h"
#include "dialogkit/ProgramIcon.h"
#include "dialogkit/clsButton.h"
#include "dialogkit/clsDialog.h"

namespace {

constexpr int kWidth = 268;
constexpr int kHeight = 128;
constexpr int kOk = 1;

// What one open reminder owns. Each window keeps its own, so reminders that come due while one is open
// stack up without sharing handles or text.
struct ReminderWindow {
    std::string text;
    DialogFont font;
    ProgramIcon icon{kDialogIconSize};
    clsButton button;
};

// The text of the reminder being opened, until its window holds its own copy.
const std::string* openingText = nullptr;

ReminderWindow* WindowOf(HWND hDlg) { return reinterpret_cast<ReminderWindow*>(GetWindowLongPtrA(hDlg, DWLP_USER)); }

void OnInitDialog(HWND hDlg) {
    CentreOnDesktop(hDlg, kWidth, kHeight);
    SendMessageA(hDlg, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Text Hint"));
    auto window = std::make_unique<ReminderWindow>();
    window->text = openingText ? *openingText : std::string();
    window->button.CreateButton(hDlg, "OK(&O)", kOk, 99, 77, 70, 19, window->font.get(), BS_DEFPUSHBUTTON);
    SetWindowLongPtrA(hDlg, DWLP_USER, reinterpret_cast<LONG_PTR>(window.release()));
}

void PaintContent(HWND hDlg, HDC dc) {
    const ReminderWindow* window = WindowOf(hDlg);
    if (!window) return;
    SetBkMode(dc, TRANSPARENT);
    SelectedObject font(dc, window->font.get());
    DrawEtchedFrame(dc, 8, 254, 66, 66);
    TextOutA(dc, 55, 18, window->text.c_str(), static_cast<int>(window->text.size()));
    window->icon.Draw(dc, 10, 10);
    DrawSunkenFrame(dc, 98, 170, 76, 97);
}

// Escape gives IDCANCEL: with one button, it closes the reminder as OK does.
void OnCommand(HWND hDlg, WPARAM wParam) {
    if (wParam == kOk || wParam == IDCANCEL) SendMessageA(hDlg, WM_CLOSE, 0, 0);
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

void ShowRemindText(HWND owner, const std::string& text) {
    openingText = &text;
    RunBuiltInDialog(owner, RemindTextProc);
}

INT_PTR CALLBACK RemindTextProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM) {
    if (PaintDialogMessage(hDlg, uMsg, wParam, PaintContent)) return 0;
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
