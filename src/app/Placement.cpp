#include "app/Placement.h"

#include "dialogkit/DialogCentre.h"
#include "face/SkinLoader.h"
#include "settings/RegProcess.h"
#include "settings/SettingsKeys.h"
#include "system/PublicFunction.h"
#include "system/WindowDpi.h"

#include <algorithm>
#include <optional>

namespace {

// A stored position that no monitor shows any more (one removed, a resolution changed) would lose the clock.
bool IsOnSomeMonitor(int x, int y, int width, int height) {
    const RECT rect{x, y, x + width, y + height};
    return MonitorFromRect(&rect, MONITOR_DEFAULTTONULL) != nullptr;
}

BYTE ClockOpacity() {
    const std::int32_t alpha = ReadSettingNumber(settings::Alpha).value_or(kDefaultAlpha);
    return static_cast<BYTE>(std::clamp<std::int32_t>(alpha, kLowestAlpha, 255));
}

}  // namespace

void PlaceClockWindow(HWND hwnd) {
    const DpiAwarenessScope storedUnits(DPI_AWARENESS_CONTEXT_UNAWARE);
    RECT desktop{}, window{};
    GetWindowRect(GetDesktopWindow(), &desktop);
    GetWindowRect(hwnd, &window);
    const int width = window.right - window.left;
    const int height = window.bottom - window.top;
    const std::optional<std::int32_t> left = ParseNumber(ReadSettingText(settings::ClockLeft));
    const std::optional<std::int32_t> top = ParseNumber(ReadSettingText(settings::ClockTop));
    POINT origin{CentredOrigin(desktop.right, width), CentredOrigin(desktop.bottom, height)};
    if (left && top && IsOnSomeMonitor(*left, *top, width, height)) origin = {*left, *top};
    SetWindowPos(hwnd, nullptr, origin.x, origin.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ApplyAppearance(HWND hwnd, const Skin& skin) {
    // The options resize the clock while their dialog has the keyboard: the resize must not take it.
    SetWindowPos(hwnd, nullptr, 0, 0, skin.width(), skin.height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (IsWin2000OrLater()) SetLayeredWindowAttributes(hwnd, 0, ClockOpacity(), LWA_ALPHA);
    ShapeWindowFromBitmap(hwnd, skin);
}

void ApplyOption(HWND clock, std::string_view name) {
    if (!IsFlagOn(GetRegValue(RegRoot::CurrentUser, keys::Option, name).AsText())) return;
    if (name == "Windowpos")
        SetWindowPos(clock, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
    else if (name == "RndBackBmp")
        PickRandomBackSkin();
    else if (name == "RndTimeBmp")
        PickRandomTimeSkin();
}

void ApplyStartState(HWND clock) {
    ShowWindow(clock, ReadSettingFlag(settings::IconRun) ? SW_MINIMIZE : SW_SHOWNORMAL);
}
