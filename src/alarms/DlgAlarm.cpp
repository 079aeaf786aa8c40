#include "alarms/DlgAlarm.h"

#include "alarms/DlgWinExit.h"
#include "alarms/RingSound.h"
#include "alarms/SnoozeLengthBox.h"
#include "dialogkit/BuiltInDialog.h"
#include "dialogkit/ControlHandles.h"
#include "dialogkit/ProgramIcon.h"
#include "dialogkit/WindowScale.h"
#include "dialogkit/clsButton.h"
#include "dialogkit/clsDialog.h"
#include "system/DeviceContexts.h"
#include "system/Seams.h"

#include <algorithm>
#include <cstdint>
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
    ProgramIcon icon{kDialogIconSize};
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

    int WidestLine() const;
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

int AlarmDialog::WidestLine() const {
    const WindowDC dc(hwnd());
    SelectedObject selected(dc, font());
    int widest = 0;
    for (const std::string& line : lines) {
        SIZE extent{};
        GetTextExtentPoint32A(dc, line.c_str(), int(line.size()), &extent);
        widest = std::max(widest, int(extent.cx));
    }
    return LayoutForWindow(hwnd(), widest);
}

void AlarmDialog::Place(int id, int x, int y, int width, int height) const {
    MoveChildControl(GetDlgItem(hwnd(), id), x, y, width, height, true);
}

// Wide enough for the longest line, tall enough for all of them, the buttons centred under the separator.
void AlarmDialog::LayOut() {
    const HWND hDlg = hwnd();
    lines = AlarmLines(call, unanswered);
    const int width = std::clamp(kTextLeft + WidestLine() + kGap + kFrameWidth, kMinWidth, kMaxWidth);
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
    SYSTEMTIME now;
    seams.GetLocalTime(&now);
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
    icon.Draw(dc, 10, 10);
    for (int row = 0; const std::string& line : lines)
        TextOutA(dc, ScaleForWindow(hwnd(), kTextLeft), ScaleForWindow(hwnd(), kTextTop + kLineHeight * row++),
                 line.c_str(), int(line.size()));
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
