#include "alarms/DlgWinExit.h"

#include <cstdint>
#include <functional>
#include <memory>

#include "alarms/Countdown.h"
#include "dialogkit/BuiltInDialog.h"
#include "dialogkit/LayoutText.h"
#include "dialogkit/ProgramIcon.h"
#include "dialogkit/WindowScale.h"
#include "dialogkit/clsButton.h"
#include "dialogkit/clsDialog.h"
#include "system/PublicFunction.h"
#include "system/Seams.h"

namespace {

constexpr int kWidth = 275;
constexpr int kHeight = 138;
constexpr int kRightMargin = 10;
constexpr int kRun = 1;
constexpr int kCancel = 2;
constexpr UINT_PTR kCountdownTimer = 2;

// The open countdown: what it was started with, its handles and where its texts go.
class CountdownDialog : public SingleDialog<CountdownDialog> {
public:
    CountdownDialog(CountdownLines lines, bool restart) : lines(std::move(lines)), restart(restart) {}
    void DrawRows(HDC dc, int from, int to) const;

private:
    CountdownLines lines;
    bool restart;
    std::uint64_t openedMs = 0;
    int ExitCountdown = 0;
    int ExitCounterX = 0;
    std::string ExitAction;
    bool ExitConfirmed = false;
    DialogIcon icon;
    clsButton buttons;
    CountdownLayout layout;
    RECT figureArea{};  // in layout numbers

    void LayOut();
    void OnInitDialog() override;
    void OnTimer();
    void PaintContent(HDC dc) override;
    void OnCommand(WPARAM wParam);
    INT_PTR OnClose() override;
    void HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// Measures the texts in the window's font against its client width, then grows the window by what wrapping added.
void CountdownDialog::LayOut() {
    RECT client;
    GetClientRect(hwnd(), &client);
    {
        const LayoutMeasure measure(hwnd(), font());
        layout = LayOutCountdown(lines, LayoutForWindow(hwnd(), client.right) - kRightMargin, std::cref(measure));
        const int x = layout.figureX, y = layout.figureY;
        figureArea = {x - 1, y - 1, x + measure("30") + 2, y + 14};
    }
    if (layout.shift) CentreOnDesktop(hwnd(), kWidth, kHeight + layout.shift);
}

void CountdownDialog::OnInitDialog() {
    const HWND hDlg = hwnd();
    CentreOnDesktop(hDlg, kWidth, kHeight);
    ExitAction = CountdownAction(restart);
    SendMessageA(hDlg, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(ExitAction.c_str()));
    LayOut();
    ExitCounterX = layout.figureX;
    const int buttonTop = 85 + layout.shift;
    buttons.CreateButton(hDlg, "To run(&O)", kRun, 95, buttonTop, 70, 19, font(), WS_GROUP | BS_DEFPUSHBUTTON);
    buttons.CreateButton(hDlg, "Cancel(&C)", kCancel, 175, buttonTop, 70, 19, font(), 0);
    ExitCountdown = kCountdownSeconds;
    openedMs = seams.GetTickCount64();
    SetTimer(hDlg, kCountdownTimer, 1000, nullptr);
}

// The count follows the time since the system started: paints only show it, a late or doubled tick cannot
// shorten it, and setting the clock neither ends nor stops it.
void CountdownDialog::OnTimer() {
    const int left = CountdownSecondsLeft(openedMs, seams.GetTickCount64());
    if (left < ExitCountdown) {
        ExitCountdown = left;
        const RECT figure = ScaleRectForWindow(hwnd(), figureArea);
        InvalidateRect(hwnd(), &figure, TRUE);
    }
    if (ExitCountdown == 0) {
        ExitConfirmed = true;
        SendMessageA(hwnd(), WM_CLOSE, 0, 0);
    }
}

void CountdownDialog::DrawRows(HDC dc, int from, int to) const {
    for (const PlacedText& row : layout.rows)
        if (row.line >= from && row.line <= to) DrawLayoutText(dc, row.x, row.y, row.text);
}

void CountdownDialog::PaintContent(HDC dc) {
    SetBkMode(dc, TRANSPARENT);
    SelectedObject selected(dc, font());
    icon.Draw(hwnd(), dc);
    DrawRows(dc, 0, 2);
    DrawLayoutText(dc, ExitCounterX, layout.figureY, std::to_string(ExitCountdown));
    DrawWinExitHint(dc);
    const int shift = layout.shift;
    DrawEtchedFrame(dc, 10, 258, 76 + shift, 76 + shift);
    DrawSunkenFrame(dc, 94, 166, 84 + shift, 105 + shift);
    DrawSunkenFrame(dc, 174, 246, 84 + shift, 105 + shift);
}

void CountdownDialog::OnCommand(WPARAM wParam) {
    if (wParam == kRun) ExitConfirmed = true;
    if (wParam == kRun || wParam == kCancel) SendMessageA(hwnd(), WM_CLOSE, 0, 0);
}

INT_PTR CountdownDialog::OnClose() {
    KillTimer(hwnd(), kCountdownTimer);
    return ExitConfirmed;
}

void CountdownDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_TIMER) OnTimer();
    if (message == WM_COMMAND) OnCommand(wParam);
}

}  // namespace

void ShowWinExit(HWND owner, bool restart, const std::string& text) {
    if (CountdownDialog::Open()) return;
    auto dialog = std::make_unique<CountdownDialog>(CountdownLinesFor(restart, text), restart);
    if (!BuiltInDialog::Run(owner, std::move(dialog))) return;
    EnableShutdownPrivilege();
    seams.ExitWindowsEx(restart ? EWX_REBOOT : EWX_SHUTDOWN, 0);
}

HWND OpenCountdownWindow() {
    const CountdownDialog* open = CountdownDialog::Open();
    return open ? open->hwnd() : nullptr;
}

void DrawWinExitHint(HDC hdc) {
    if (const CountdownDialog* open = CountdownDialog::Open()) open->DrawRows(hdc, 3, 3);
}

void EnableShutdownPrivilege() {
    if (IsWin2000OrLater()) seams.EnableShutdownPrivilege();
}
