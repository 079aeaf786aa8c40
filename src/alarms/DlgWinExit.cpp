#include "alarms/DlgWinExit.h"

#include <cstdint>
#include <optional>

#include "alarms/Countdown.h"
#include "dialogkit/DialogFont.h"
#include "dialogkit/DpiChange.h"
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

int ExitCountdown = 0;
int ExitCounterX = 0;
std::string ExitAction;
bool ExitConfirmed = false;

// What the open countdown was started with.
struct OpenCountdown {
    CountdownLines lines;
    bool restart;
    std::uint64_t openedMs = 0;
};
std::optional<OpenCountdown> countdown;

// The handles of the open window, and where its texts go.
struct CountdownWindow {
    DialogFont font;
    ProgramIcon icon{kDialogIconSize};
    clsButton buttons;
    CountdownLayout layout;
    RECT figureArea;  // in layout numbers
};
std::optional<CountdownWindow> window;

// At the place the layout gives, scaled to the window painted.
void DrawLine(HDC dc, int x, int y, const std::string& text) {
    const HWND painted = WindowFromDC(dc);
    TextOutA(dc, ScaleForWindow(painted, x), ScaleForWindow(painted, y), text.c_str(), static_cast<int>(text.size()));
}

int TextWidth(HDC dc, std::string_view text) {
    SIZE extent{};
    GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &extent);
    return extent.cx;
}

// Measures the texts in the window's font against its client width, then grows the window by what wrapping added.
void LayOut(HWND hDlg) {
    RECT client;
    GetClientRect(hDlg, &client);
    {
        const WindowDC dc(hDlg);
        SelectedObject font(dc, window->font.get());
        const auto measure = [&dc, hDlg](std::string_view text) { return LayoutForWindow(hDlg, TextWidth(dc, text)); };
        window->layout = LayOutCountdown(countdown->lines, LayoutForWindow(hDlg, client.right) - kRightMargin, measure);
        const int x = window->layout.figureX, y = window->layout.figureY;
        window->figureArea = {x - 1, y - 1, x + measure("30") + 2, y + 14};
    }
    if (window->layout.shift) CentreOnDesktop(hDlg, kWidth, kHeight + window->layout.shift);
}

void OnInitDialog(HWND hDlg) {
    CentreOnDesktop(hDlg, kWidth, kHeight);
    ExitAction = CountdownAction(countdown->restart);
    SendMessageA(hDlg, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(ExitAction.c_str()));
    window.emplace().font.FitTo(hDlg);
    LayOut(hDlg);
    ExitCounterX = window->layout.figureX;
    const int buttonTop = 85 + window->layout.shift;
    window->buttons.CreateButton(hDlg, "To run(&O)", kRun, 95, buttonTop, 70, 19, window->font.get(),
                                 WS_GROUP | BS_DEFPUSHBUTTON);
    window->buttons.CreateButton(hDlg, "Cancel(&C)", kCancel, 175, buttonTop, 70, 19, window->font.get(), 0);
    ExitCountdown = kCountdownSeconds;
    countdown->openedMs = seams.GetTickCount64();
    SetTimer(hDlg, kCountdownTimer, 1000, nullptr);
}

// The count follows the time since the system started: paints only show it, a late or doubled tick cannot
// shorten it, and setting the clock neither ends nor stops it.
void OnTimer(HWND hDlg) {
    const int left = CountdownSecondsLeft(countdown->openedMs, seams.GetTickCount64());
    if (left < ExitCountdown) {
        ExitCountdown = left;
        const RECT figure = ScaleRectForWindow(hDlg, window->figureArea);
        InvalidateRect(hDlg, &figure, TRUE);
    }
    if (ExitCountdown == 0) {
        ExitConfirmed = true;
        SendMessageA(hDlg, WM_CLOSE, 0, 0);
    }
}

void DrawRows(HDC dc, int from, int to) {
    for (const PlacedText& row : window->layout.rows)
        if (row.line >= from && row.line <= to) DrawLine(dc, row.x, row.y, row.text);
}

void PaintContent(HWND, HDC dc) {
    if (!window) return;
    SetBkMode(dc, TRANSPARENT);
    SelectedObject font(dc, window->font.get());
    window->icon.Draw(dc, 10, 10);
    DrawRows(dc, 0, 2);
    DrawLine(dc, ExitCounterX, window->layout.figureY, std::to_string(ExitCountdown));
    DrawWinExitHint(dc);
    const int shift = window->layout.shift;
    DrawEtchedFrame(dc, 10, 258, 76 + shift, 76 + shift);
    DrawSunkenFrame(dc, 94, 166, 84 + shift, 105 + shift);
    DrawSunkenFrame(dc, 174, 246, 84 + shift, 105 + shift);
}

void OnCommand(HWND hDlg, WPARAM wParam) {
    if (wParam == kRun) ExitConfirmed = true;
    if (wParam == kRun || wParam == kCancel) SendMessageA(hDlg, WM_CLOSE, 0, 0);
}

void OnClose(HWND hDlg) {
    KillTimer(hDlg, kCountdownTimer);
    window.reset();
    EndDialog(hDlg, 0);
}

}  // namespace

void ShowWinExit(HWND owner, bool restart, const std::string& text) {
    if (countdown) return;
    countdown = OpenCountdown{CountdownLinesFor(restart, text), restart};
    RunBuiltInDialog(owner, WinExitProc);
    window.reset();
    if (ExitConfirmed) {
        ExitConfirmed = false;
        EnableShutdownPrivilege();
        seams.ExitWindowsEx(restart ? EWX_REBOOT : EWX_SHUTDOWN, 0);
    }
    ExitConfirmed = false;
    countdown.reset();
}

INT_PTR CALLBACK WinExitProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    if (PaintDialogMessage(hDlg, uMsg, wParam, PaintContent)) return 0;
    if (DpiChangeMessage(hDlg, uMsg, wParam, lParam, window ? &window->font : nullptr)) return 0;
    switch (uMsg) {
        case WM_INITDIALOG:
            OnInitDialog(hDlg);
            break;
        case WM_TIMER:
            OnTimer(hDlg);
            break;
        case WM_COMMAND:
            OnCommand(hDlg, wParam);
            break;
        case WM_CLOSE:
            OnClose(hDlg);
            break;
    }
    return 0;
}

void DrawWinExitHint(HDC hdc) {
    if (window) DrawRows(hdc, 3, 3);
}

void EnableShutdownPrivilege() {
    if (IsWin2000OrLater()) seams.EnableShutdownPrivilege();
}
