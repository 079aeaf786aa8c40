#include "alarms/DlgWinExit.h"

#include <algorithm>
#include <cstdint>
#include <optional>

#include "system/PublicFunction.h"
#include "system/Seams.h"
#include "dialogkit/DialogFont.h"
#include "dialogkit/ProgramIcon.h"
#include "dialogkit/clsButton.h"
#include "dialogkit/clsDialog.h"

short ExitRestart = 0;
std::string ExitText;

namespace {

constexpr int kWidth = 275;
constexpr int kHeight = 138;
constexpr int kRun = 1;
constexpr int kCancel = 2;
constexpr UINT_PTR kCountdownTimer = 2;
constexpr int kCountdownSeconds = 30;
constexpr RECT kFigureArea{183, 24, 216, 36};

int ExitCountdown = 0;
int ExitCounterX = 0;
std::string ExitAction;
bool ExitConfirmed = false;

// What the open countdown was started with; later items change ExitRestart and ExitText, not this.
struct Countdown {
    bool restart;
    std::string text;
    std::int64_t openedMs = 0;
};
std::optional<Countdown> countdown;

// The handles of the open window.
struct CountdownWindow {
    DialogFont font;
    ProgramIcon icon;
    clsButton buttons;
};
std::optional<CountdownWindow> window;

// Milliseconds on the program's clock, in UTC so that a change of summer time does not move the count.
std::int64_t ClockMs() {
    SYSTEMTIME now;
    seams.GetSystemTime(&now);
    FILETIME file;
    SystemTimeToFileTime(&now, &file);
    ULARGE_INTEGER ticks{{file.dwLowDateTime, file.dwHighDateTime}};
    return static_cast<std::int64_t>(ticks.QuadPart / 10000);
}

void DrawLine(HDC dc, int x, int y, const std::string& text) {
    TextOutA(dc, x, y, text.c_str(), static_cast<int>(text.size()));
}

void OnInitDialog(HWND hDlg) {
    CentreOnDesktop(hDlg, kWidth, kHeight);
    ExitAction = countdown->restart ? "Re-start computer" : "Shut down";
    ExitCounterX = countdown->restart ? 204 : 183;
    SendMessageA(hDlg, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(ExitAction.c_str()));
    window.emplace();
    window->buttons.CreateButton(hDlg, "To run(&O)", kRun, 95, 85, 70, 19, window->font.get(),
                                 WS_GROUP | BS_DEFPUSHBUTTON);
    window->buttons.CreateButton(hDlg, "Cancel(&C)", kCancel, 175, 85, 70, 19, window->font.get(), 0);
    ExitCountdown = kCountdownSeconds;
    countdown->openedMs = ClockMs();
    SetTimer(hDlg, kCountdownTimer, 1000, nullptr);
}

// The count follows the clock: paints only show it, and a late or doubled tick cannot shorten it.
void OnTimer(HWND hDlg) {
    const std::int64_t elapsed = std::max<std::int64_t>(0, (ClockMs() - countdown->openedMs) / 1000);
    const int left = static_cast<int>(std::max<std::int64_t>(0, kCountdownSeconds - elapsed));
    if (left < ExitCountdown) {
        ExitCountdown = left;
        InvalidateRect(hDlg, &kFigureArea, TRUE);
    }
    if (ExitCountdown == 0) {
        ExitConfirmed = true;
        SendMessageA(hDlg, WM_CLOSE, 0, 0);
    }
}

void PaintContent(HWND, HDC dc) {
    if (!window) return;
    SetBkMode(dc, TRANSPARENT);
    SelectedObject font(dc, window->font.get());
    window->icon.Draw(dc, 10, 10);
    DrawLine(dc, 55, 10, "You have setup:" + ExitAction);
    DrawLine(dc, 55, 25, ExitAction + "begin the countdown");
    DrawLine(dc, 55, 41, "The program will execute preset operation in 30 seconds.");
    DrawLine(dc, ExitCounterX, 25, std::to_string(ExitCountdown));
    DrawWinExitHint(dc);
    DrawEtchedFrame(dc, 10, 258, 76, 76);
    DrawSunkenFrame(dc, 94, 166, 84, 105);
    DrawSunkenFrame(dc, 174, 246, 84, 105);
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

void ShowWinExit(HWND owner) {
    if (countdown) return;
    countdown = Countdown{ExitRestart != 0, ExitText};
    RunBuiltInDialog(owner, WinExitProc);
    window.reset();
    if (ExitConfirmed) {
        ExitConfirmed = false;
        EnableShutdownPrivilege();
        seams.ExitWindowsEx(countdown->restart ? EWX_REBOOT : EWX_SHUTDOWN, 0);
    }
    ExitConfirmed = false;
    countdown.reset();
}

INT_PTR CALLBACK WinExitProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM) {
    switch (uMsg) {
        case WM_INITDIALOG:
            OnInitDialog(hDlg);
            break;
        case WM_TIMER:
            OnTimer(hDlg);
            break;
        case WM_PAINT:
            PaintDialog(hDlg, PaintContent);
            break;
        case WM_PRINTCLIENT:
            PaintContent(hDlg, reinterpret_cast<HDC>(wParam));
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
    if (!countdown) return;
    if (!countdown->text.empty()) return DrawLine(hdc, 12, 56, countdown->text);
    DrawLine(hdc, countdown->restart ? 12 : 31, 56,
             "If relieve\xA1\xBC" + ExitAction + "\xA1\xBD,please press ESC button according to the cancel.");
}

void EnableShutdownPrivilege() {
    if (IsWin2000OrLater()) seams.EnableShutdownPrivilege();
}
