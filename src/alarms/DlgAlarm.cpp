#include "alarms/DlgAlarm.h"

#include "alarms/DlgWinExit.h"
#include "alarms/RingSound.h"
#include "alarms/SnoozeLengthBox.h"
#include "dialogkit/BuiltInDialog.h"
#include "dialogkit/ControlHandles.h"
#include "dialogkit/LayoutText.h"
#include "dialogkit/ProgramIcon.h"
#include "dialogkit/TextWrap.h"
#include "dialogkit/WindowScale.h"
#include "dialogkit/clsButton.h"
#include "dialogkit/clsDialog.h"
#include "system/DeviceContexts.h"
#include "system/Seams.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

namespace {

constexpr int kStop = IDOK;
constexpr int kSnooze = IDCANCEL;  // so Escape snoozes
constexpr int kLength = 3;
constexpr UINT_PTR kTickTimer = 1;
// Posted when the window is shown: it is active by the time this arrives.
constexpr UINT kMakeWayForCountdown = WM_APP + 1;
// Often enough to keep LoopingSound's queue full.
constexpr UINT kTickMs = 100;

constexpr int kTextLeft = 55;
constexpr int kTextTop = 14;
constexpr int kLineHeight = 16;
constexpr int kIconBottom = 42;
constexpr int kButtonWidth = 70;
constexpr int kButtonHeight = 19;
constexpr int kLengthWidth = 80;
constexpr int kGap = 10;
constexpr int kMinWidth = 300;
constexpr int kMaxWidth = 640;
// The frame and caption around the client area of a built-in dialog.
constexpr int kFrameWidth = 6;
constexpr int kFrameHeight = 32;

class AlarmDialog : public BuiltInDialog {
public:
    AlarmDialog(const AlarmCall& call, AlarmAnswer& answer) : call(call), answer(answer) {}

private:
    AlarmCall call;
    AlarmAnswer& answer;
    DialogIcon icon;
    clsButton buttons;
    SnoozeLengthBox length;
    LoopingSound sound;
    std::uint64_t openedMs = 0;
    ClockMinute rangAt{};
    std::optional<ClockMinute> unanswered;
    std::vector<std::string> lines;
    int separatorY = 0;
    int buttonsX = 0;
    int buttonsY = 0;
    int clientWidth = 0;

    void Place(int id, int x, int y, int width, int height) const;
    void LayOut();
    void OnInitDialog() override;
    void PaintContent(HDC dc) override;
    void OnTimer();
    void OnCommand(WPARAM wParam);
    void MakeWayForCountdown();
    INT_PTR OnClose() override;
    void HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

void AlarmDialog::Place(int id, int x, int y, int width, int height) const {
    MoveChildControl(GetDlgItem(hwnd(), id), x, y, width, height, true);
}

// Wide enough for the longest line, up to a width past which lines wrap; tall enough for all of them; the buttons
// centred under the separator.
void AlarmDialog::LayOut() {
    const HWND hDlg = hwnd();
    int widest = 0;
    lines.clear();
    {
        const LayoutMeasure measure(hDlg, font());
        for (const std::string& line : AlarmLines(call, unanswered))
            for (std::string& row : WrapToWidth(line, kMaxWidth - kFrameWidth - kGap - kTextLeft, std::cref(measure))) {
                widest = std::max(widest, measure(row));
                lines.push_back(std::move(row));
            }
    }
    const int width = std::clamp(kTextLeft + widest + kGap + kFrameWidth, kMinWidth, kMaxWidth);
    const int textBottom = std::max(kIconBottom, kTextTop + kLineHeight * int(lines.size()));
    separatorY = textBottom + 10;
    buttonsY = separatorY + 11;
    CentreOnDesktop(hDlg, width, buttonsY + kButtonHeight + kFrameHeight);
    RECT client;
    GetClientRect(hDlg, &client);
    clientWidth = LayoutForWindow(hDlg, client.right);
    buttonsX = (clientWidth - (2 * kButtonWidth + kLengthWidth + 2 * kGap)) / 2;
    const int snoozeX = buttonsX + kButtonWidth + kGap;
    Place(kStop, buttonsX, buttonsY, kButtonWidth, kButtonHeight);
    Place(kSnooze, snoozeX, buttonsY, kButtonWidth, kButtonHeight);
    Place(kLength, snoozeX + kButtonWidth + kGap, buttonsY - 1, kLengthWidth, 80);
    InvalidateRect(hDlg, nullptr, TRUE);
}

void AlarmDialog::OnInitDialog() {
    const HWND hDlg = hwnd();
    SendMessageA(hDlg, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Alarm"));
    const SYSTEMTIME now = LocalNow();
    rangAt = {now.wHour, now.wMinute};
    openedMs = seams.GetTickCount64();
    sound.Start(call.wavFile);
    buttons.CreateButton(hDlg, "Stop", kStop, 0, 0, kButtonWidth, kButtonHeight, font(), WS_GROUP | BS_DEFPUSHBUTTON);
    buttons.CreateButton(hDlg, "Snooze", kSnooze, 0, 0, kButtonWidth, kButtonHeight, font(), 0);
    length.Create(hDlg, kLength, 0, 0, kLengthWidth, font());
    LayOut();
    SetTimer(hDlg, kTickTimer, kTickMs, nullptr);
}

// A running countdown keeps the keyboard, so that Escape meant for it does not snooze the alarm instead and let
// the computer shut down; the alarm moves below it, so both stay in sight.
void AlarmDialog::MakeWayForCountdown() {
    const HWND countdown = OpenCountdownWindow();
    if (!countdown) return;
    RECT above{}, mine{}, overlap{};
    GetWindowRect(countdown, &above);
    GetWindowRect(hwnd(), &mine);
    if (IntersectRect(&overlap, &above, &mine))
        SetWindowPos(hwnd(), nullptr, mine.left, above.bottom + kGap, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetActiveWindow(countdown);
}

void AlarmDialog::PaintContent(HDC dc) {
    SetBkMode(dc, TRANSPARENT);
    SelectedObject selected(dc, font());
    icon.Draw(hwnd(), dc);
    for (int row = 0; const std::string& line : lines)
        DrawLayoutText(dc, kTextLeft, kTextTop + kLineHeight * row++, line);
    DrawEtchedFrame(dc, 8, clientWidth - 8, separatorY, separatorY);
    for (const int x : {buttonsX, buttonsX + kButtonWidth + kGap})
        DrawSunkenFrame(dc, x - 1, x + kButtonWidth + 1, buttonsY - 1, buttonsY + kButtonHeight + 1);
}

// The ten minutes run on the time since start: setting the clock neither cuts nor stretches them.
void AlarmDialog::OnTimer() {
    sound.Refill();
    if (unanswered || seams.GetTickCount64() - openedMs < kUnansweredAfterMs) return;
    sound.Stop();
    unanswered = rangAt;
    SetDlgItemTextA(hwnd(), kStop, "Close");
    LayOut();
}

void AlarmDialog::OnCommand(WPARAM wParam) {
    if (wParam != kStop && wParam != kSnooze) return;
    if (wParam == kSnooze) answer = {AlarmAnswer::Kind::Snooze, length.TakeChoice(hwnd())};
    SendMessageA(hwnd(), WM_CLOSE, 0, 0);
}

INT_PTR AlarmDialog::OnClose() {
    KillTimer(hwnd(), kTickTimer);
    if (unanswered && answer.kind != AlarmAnswer::Kind::Snooze) answer.kind = AlarmAnswer::Kind::Unanswered;
    return 0;
}

void AlarmDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_TIMER:
            OnTimer();
            break;
        case WM_SHOWWINDOW:
            if (wParam && OpenCountdownWindow()) PostMessageA(hwnd(), kMakeWayForCountdown, 0, 0);
            break;
        case kMakeWayForCountdown:
            MakeWayForCountdown();
            break;
        case WM_COMMAND:
            OnCommand(wParam);
            break;
    }
}

}  // namespace

AlarmAnswer ShowAlarm(HWND owner, const AlarmCall& call) {
    AlarmAnswer answer;
    BuiltInDialog::Run(owner, std::make_unique<AlarmDialog>(call, answer));
    return answer;
}
