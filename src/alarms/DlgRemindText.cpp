#include "alarms/DlgRemindText.h"

#include <algorithm>
#include <functional>
#include <iterator>
#include <memory>
#include <optional>
#include <vector>

#include "alarms/SnoozeLengthBox.h"
#include "dialogkit/BuiltInDialog.h"
#include "dialogkit/LayoutText.h"
#include "dialogkit/ProgramIcon.h"
#include "dialogkit/TextWrap.h"
#include "dialogkit/clsButton.h"
#include "dialogkit/clsDialog.h"

namespace {

// Grown to the right for Snooze and its length; OK keeps its place.
constexpr int kWidth = 352;
constexpr int kHeight = 128;
constexpr int kRightEdge = kWidth - 14;
constexpr int kTextLeft = 55;
constexpr int kTextTop = 18;
constexpr int kRowStep = 18;
// The two rows the window has room for; more move the line, the buttons and the bottom down.
constexpr int kRoomyRows = 2;
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
    std::optional<int>& choice;     // the snooze length, when the reminder is snoozed
    std::vector<std::string> rows;  // the text and the notice, wrapped to the window
    int shift = 0;
    DialogIcon icon;
    clsButton button;
    SnoozeLengthBox length;

    void LayOut();
    void OnInitDialog() override;
    void PaintContent(HDC dc) override;
    void HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// A text longer than the window is wide wraps, and the window grows down for the rows it adds.
void ReminderDialog::LayOut() {
    const LayoutMeasure measure(hwnd(), font());
    rows = WrapToWidth(text, kRightEdge - kTextLeft, std::cref(measure));
    if (!notice.empty())
        std::ranges::move(WrapToWidth(notice, kRightEdge - kTextLeft, std::cref(measure)), std::back_inserter(rows));
    shift = kRowStep * std::max(0, int(rows.size()) - kRoomyRows);
    if (shift) CentreOnDesktop(hwnd(), kWidth, kHeight + shift);
}

void ReminderDialog::OnInitDialog() {
    const HWND hDlg = hwnd();
    CentreOnDesktop(hDlg, kWidth, kHeight);
    SendMessageA(hDlg, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Text Hint"));
    LayOut();
    button.CreateButton(hDlg, "OK(&O)", kOk, 99, 77 + shift, 70, 19, font(), BS_DEFPUSHBUTTON);
    button.CreateButton(hDlg, "Snooze", kSnooze, 179, 77 + shift, 70, 19, font(), 0);
    length.Create(hDlg, kLength, 259, 76 + shift, 80, font());
}

void ReminderDialog::PaintContent(HDC dc) {
    SetBkMode(dc, TRANSPARENT);
    SelectedObject selected(dc, font());
    DrawEtchedFrame(dc, 8, kRightEdge, 66 + shift, 66 + shift);
    for (int row = 0; const std::string& line : rows) DrawLayoutText(dc, kTextLeft, kTextTop + kRowStep * row++, line);
    icon.Draw(hwnd(), dc);
    DrawSunkenFrame(dc, 98, 170, 76 + shift, 97 + shift);
    DrawSunkenFrame(dc, 178, 250, 76 + shift, 97 + shift);
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
