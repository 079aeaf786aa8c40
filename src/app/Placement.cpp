#include "app/Placement.h"

#include "app/ScreenCentre.h"
#include "app/frmMain.h"
#include "face/clsDrawTime.h"
#include "face/frmRegion.h"
#include "settings/RegProcess.h"
#include "settings/SettingsKeys.h"
#include "system/PublicFunction.h"

#include <algorithm>
#include <optional>

namespace {

constexpr int kDefaultAlpha = 188;
// The options dialog's track bar range: below it a stored value could make the clock all but invisible.
constexpr int kLeastAlpha = 100;

// A stored position that no monitor shows any more (one removed, a resolution changed) would lose the clock.
bool IsOnSomeMonitor(int x, int y, int width, int height) {
    const RECT rect{x, y, x + width, y + height};
    return MonitorFromRect(&rect, MONITOR_DEFAULTTONULL) != nullptr;
}

BYTE ClockOpacity() {
    const std::optional<std::int32_t> alpha = ParseNumber(ReadSettingText(settings::Alpha));
    return static_cast<BYTE>(alpha ? std::clamp<std::int32_t>(*alpha, kLeastAlpha, 255) : kDefaultAlpha);
}

}  // namespace

void PlaceClockWindow(HWND hwnd) {
    RECT desktop{};
    GetWindowRect(GetDesktopWindow(), &desktop);
    const int width = SkinBitmap.bmWidth;
    const int height = SkinBitmap.bmHeight;
    const std::optional<std::int32_t> left = ParseNumber(ReadSettingText(settings::ClockLeft));
    const std::optional<std::int32_t> top = ParseNumber(ReadSettingText(settings::ClockTop));
    ScreenPoint origin = CentredOrigin(desktop.right, desktop.bottom, width, height);
    if (left && top && IsOnSomeMonitor(*left, *top, width, height)) origin = {*left, *top};
    MoveWindow(hwnd, origin.x, origin.y, width, height, TRUE);
}

void ApplyAppearance(HWND hwnd) {
    const int width = SkinBitmap.bmWidth;
    const int height = SkinBitmap.bmHeight;
    // The options resize the clock while their dialog has the keyboard: the resize must not take it.
    SetWindowPos(hwnd, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (IsWin2000OrLater()) SetLayeredWindowAttributes(hwnd, 0, ClockOpacity(), LWA_ALPHA);
    ShapeWindowFromBitmap(hwnd, hBackDC, width, height);
    ClockDrawer.PaintTimePos(hBackDC, width, height);
}

void ApplyOption(std::string_view name) {
    if (!IsFlagOn(GetRegValue(RegRoot::CurrentUser, keys::Option, name).AsText())) return;
    if (name == "Windowpos")
        SetWindowPos(hMainWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
    else if (name == "RndBackBmp")
        PickRandomBackSkin();
    else if (name == "RndTimeBmp")
        PickRandomTimeSkin();
}

void ApplyStartState() { ShowWindow(hMainWnd, ReadSettingFlag(settings::IconRun) ? SW_MINIMIZE : SW_SHOWNORMAL); }
