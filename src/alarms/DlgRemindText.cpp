#include "alarms/DlgRemindText.h"

#include <memory>
#include <optional>

#include "alarms/SnoozeLengthBox.h"
#include "dialogkit/BuiltInDialog.h"
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
class ReminderDialog : public BuiltInDialog {
public:
    ReminderDialog(std::string text, std::string notice, std::optional<int>& choice)
        : text(std::move(text)), notice(std::move(notice)), choice(choice) {}

private:
    std::string text;
    std::string notice;
    std::optional<int>& choice;  // the snooze length, when the reminder is snoozed
    ProgramIcon icon{kDialogIconSize};
    clsButton button;
    SnoozeLengthBox length;

    void OnInitDialog() override;
    void PaintContent(HDC dc) override;
    void HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

void ReminderDialog::OnInitDialog() {
    const HWND hDlg = hwnd();
    CentreOnDesktop(hDlg, kWidth, kHeight);
    SendMessageA(hDlg, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Text Hint"));
    button.CreateButton(hDlg, "OK(&O)", kOk, 99, 77, 70, 19, font(), BS_DEFPUSHBUTTON);
    button.CreateButton(hDlg, "Snooze", kSnooze, 179, 77, 70, 19, font(), 0);
    length.Create(hDlg, kLength, 259, 76, 80, font());
}

void ReminderDialog::PaintContent(HDC dc) {
    SetBkMode(dc, TRANSPARENT);
    SelectedObject selected(dc, font());
    DrawEtchedFrame(dc, 8, kWidth - 14, 66, 66);
    const int left = ScaleForWindow(hwnd(), 55);
    TextOutA(dc, left, ScaleForWindow(hwnd(), 18), text.c_str(), static_cast<int>(text.size()));
    if (!notice.empty())
        TextOutA(dc, left, ScaleForWindow(hwnd(), 36), notice.c_str(), static_cast<int>(notice.size()));
    icon.Draw(dc, 10, 10);
    DrawSunkenFrame(dc, 98, 170, 76, 97);
    DrawSunkenFrame(dc, 178, 250, 76, 97);
}

// Escape gives IDCANCEL: it dismisses the reminder as OK does, as it always has.
void ReminderDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM) {
    if (message != WM_COMMAND || (wParam != kSnooze && wParam != kOk && wParam != IDCANCEL)) return;
    if (wParam == kSnooze) choice = length.TakeChoice(hwnd());
    SendMessageA(hwnd(), WM_CLOSE, 0, 0);
}

}  // namespace

std::optional<int> ShowRemindText(HWND owner, const std::string& text, const std::string& notice) {
    std::optional<int> choice;
    BuiltInDialog::Run(owner, std::make_unique<ReminderDialog>(text, notice, choice));
    return choice;
}
