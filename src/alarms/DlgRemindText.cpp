#include "alarms/DlgRemindText.h"

#include <memory>

#include "dialogkit/BuiltInDialog.h"
#include "dialogkit/ProgramIcon.h"
#include "dialogkit/clsButton.h"
#include "dialogkit/clsDialog.h"

namespace {

constexpr int kWidth = 268;
constexpr int kHeight = 128;
constexpr int kOk = 1;

// What one open reminder owns. Each window keeps its own, so reminders that come due while one is open
// stack up without sharing handles or text.
class ReminderDialog : public BuiltInDialog {
public:
    explicit ReminderDialog(std::string text) : text(std::move(text)) {}

private:
    std::string text;
    ProgramIcon icon{kDialogIconSize};
    clsButton button;

    void OnInitDialog() override;
    void PaintContent(HDC dc) override;
    void HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

void ReminderDialog::OnInitDialog() {
    const HWND hDlg = hwnd();
    CentreOnDesktop(hDlg, kWidth, kHeight);
    SendMessageA(hDlg, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Text Hint"));
    button.CreateButton(hDlg, "OK(&O)", kOk, 99, 77, 70, 19, font(), BS_DEFPUSHBUTTON);
}

void ReminderDialog::PaintContent(HDC dc) {
    SetBkMode(dc, TRANSPARENT);
    SelectedObject selected(dc, font());
    DrawEtchedFrame(dc, 8, 254, 66, 66);
    TextOutA(dc, 55, 18, text.c_str(), static_cast<int>(text.size()));
    icon.Draw(dc, 10, 10);
    DrawSunkenFrame(dc, 98, 170, 76, 97);
}

// Escape gives IDCANCEL: with one button, it closes the reminder as OK does.
void ReminderDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_COMMAND && (wParam == kOk || wParam == IDCANCEL)) SendMessageA(hwnd(), WM_CLOSE, 0, 0);
}

}  // namespace

void ShowRemindText(HWND owner, const std::string& text) {
    BuiltInDialog::Run(owner, std::make_unique<ReminderDialog>(text));
}
