#include "alarms/DlgAlarm.h"

#include "alarms/RingSound.h"
#include "alarms/SnoozeLengthBox.h"
#include "dialogkit/ControlHandles.h"
#include "dialogkit/DialogFont.h"
#include "dialogkit/DpiChange.h"
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

// What ShowAlarm hands the window it is opening.
struct Opening {
    const AlarmCall* call;
    AlarmAnswer* answer;
};
const Opening* opening = nullptr;

struct AlarmWindow {
    AlarmCall call;
    AlarmAnswer* answer;
    DialogFont font;
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
};

AlarmWindow* WindowOf(HWND hDlg) { return reinterpret_cast<AlarmWindow*>(GetWindowLongPtrA(hDlg, DWLP_USER)); }

int WidestLine(HWND hDlg, const AlarmWindow& window) {
    const WindowDC dc(hDlg);
    SelectedObject font(dc, window.font.get());
    int widest = 0;
    for (const std::string& line : window.lines) {
        SIZE extent{};
        GetTextExtentPoint32A(dc, line.c_str(), int(line.size()), &extent);
        widest = std::max(widest, int(extent.cx));
    }
    return LayoutForWindow(hDlg, widest);
}

void Place(HWND hDlg, int id, int x, int y, int width, int height) {
    MoveChildControl(GetDlgItem(hDlg, id), x, y, width, height, true);
}

// Wide enough for the longest line, tall enough for all of them, the buttons centred under the separator.
void LayOut(HWND hDlg, AlarmWindow& window) {
    window.lines = AlarmLines(window.call, window.unanswered);
    const int width = std::clamp(kTextLeft + WidestLine(hDlg, window) + kGap + kFrameWidth, kMinWidth, kMaxWidth);
    const int textBottom = std::max(kIconBottom, kTextTop + kLineHeight * int(window.lines.size()));
    window.separatorY = textBottom + 10;
    window.buttonsY = window.separatorY + 11;
    CentreOnDesktop(hDlg, width, window.buttonsY + kButtonHeight + kFrameHeight);
    RECT client;
    GetClientRect(hDlg, &client);
    window.clientWidth = LayoutForWindow(hDlg, client.right);
    window.buttonsX = (window.clientWidth - (2 * kButtonWidth + kLengthWidth + 2 * kGap)) / 2;
    const int snoozeX = window.buttonsX + kButtonWidth + kGap;
    Place(hDlg, kStop, window.buttonsX, window.buttonsY, kButtonWidth, kButtonHeight);
    Place(hDlg, kSnooze, snoozeX, window.buttonsY, kButtonWidth, kButtonHeight);
    Place(hDlg, kLength, snoozeX + kButtonWidth + kGap, window.buttonsY - 1, kLengthWidth, 80);
    InvalidateRect(hDlg, nullptr, TRUE);
}

void OnInitDialog(HWND hDlg) {
    SendMessageA(hDlg, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Alarm"));
    auto window = std::make_unique<AlarmWindow>();
    window->font.FitTo(hDlg);
    window->call = *opening->call;
    window->answer = opening->answer;
    SYSTEMTIME now;
    seams.GetLocalTime(&now);
    window->rangAt = {now.wHour, now.wMinute};
    window->openedMs = seams.GetTickCount64();
    window->sound.Start(window->call.wavFile);
    const HFONT font = window->font.get();
    window->buttons.CreateButton(hDlg, "Stop", kStop, 0, 0, kButtonWidth, kButtonHeight, font,
                                 WS_GROUP | BS_DEFPUSHBUTTON);
    window->buttons.CreateButton(hDlg, "Snooze", kSnooze, 0, 0, kButtonWidth, kButtonHeight, font, 0);
    window->length.Create(hDlg, kLength, 0, 0, kLengthWidth, font);
    LayOut(hDlg, *window);
    SetWindowLongPtrA(hDlg, DWLP_USER, reinterpret_cast<LONG_PTR>(window.release()));
    SetTimer(hDlg, kTickTimer, kTickMs, nullptr);
}

void PaintContent(HWND hDlg, HDC dc) {
    const AlarmWindow* window = WindowOf(hDlg);
    if (!window) return;
    SetBkMode(dc, TRANSPARENT);
    SelectedObject font(dc, window->font.get());
    window->icon.Draw(dc, 10, 10);
    for (int row = 0; const std::string& line : window->lines)
        TextOutA(dc, ScaleForWindow(hDlg, kTextLeft), ScaleForWindow(hDlg, kTextTop + kLineHeight * row++),
                 line.c_str(), int(line.size()));
    DrawEtchedFrame(dc, 8, window->clientWidth - 8, window->separatorY, window->separatorY);
    for (const int x : {window->buttonsX, window->buttonsX + kButtonWidth + kGap})
        DrawSunkenFrame(dc, x - 1, x + kButtonWidth + 1, window->buttonsY - 1, window->buttonsY + kButtonHeight + 1);
}

// The ten minutes run on the time since start: setting the clock neither cuts nor stretches them.
void OnTimer(HWND hDlg) {
    AlarmWindow* window = WindowOf(hDlg);
    if (!window) return;
    window->sound.Refill();
    if (window->unanswered || seams.GetTickCount64() - window->openedMs < kUnansweredAfterMs) return;
    window->sound.Stop();
    window->unanswered = window->rangAt;
    SetDlgItemTextA(hDlg, kStop, "Close");
    LayOut(hDlg, *window);
}

void OnCommand(HWND hDlg, WPARAM wParam) {
    AlarmWindow* window = WindowOf(hDlg);
    if (!window || (wParam != kStop && wParam != kSnooze)) return;
    if (wParam == kSnooze) *window->answer = {AlarmAnswer::Kind::Snooze, window->length.TakeChoice(hDlg)};
    SendMessageA(hDlg, WM_CLOSE, 0, 0);
}

void ReleaseWindow(HWND hDlg) {
    KillTimer(hDlg, kTickTimer);
    delete WindowOf(hDlg);
    SetWindowLongPtrA(hDlg, DWLP_USER, 0);
}

void OnClose(HWND hDlg) {
    if (AlarmWindow* window = WindowOf(hDlg);
        window && window->unanswered && window->answer->kind != AlarmAnswer::Kind::Snooze)
        window->answer->kind = AlarmAnswer::Kind::Unanswered;
    ReleaseWindow(hDlg);
    EndDialog(hDlg, 0);
}

}  // namespace

AlarmAnswer ShowAlarm(HWND owner, const AlarmCall& call) {
    AlarmAnswer answer;
    const Opening open{&call, &answer};
    opening = &open;
    RunBuiltInDialog(owner, AlarmProc);
    return answer;
}

INT_PTR CALLBACK AlarmProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    if (PaintDialogMessage(hDlg, uMsg, wParam, PaintContent)) return 0;
    if (DpiChangeMessage(hDlg, uMsg, wParam, lParam, WindowOf(hDlg) ? &WindowOf(hDlg)->font : nullptr)) return 0;
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
        case WM_DESTROY:
            ReleaseWindow(hDlg);
            break;
    }
    return 0;
}
