#include "dialogkit/clsTrackbar.h"

#include "settings/SettingsKeys.h"

#include <commctrl.h>

namespace {

constexpr int kWidth = 110;
constexpr int kHeight = 25;
constexpr int kHighest = 255;
constexpr int kStep = 26;

}  // namespace

clsTrackbar::clsTrackbar() { InitCommonControlClasses(ICC_BAR_CLASSES); }

void clsTrackbar::CreateTrackBar(HWND hWndParent, int ID, int X, int Y, DWORD Style) {
    handle_.Set(CreateChildControl(0, TRACKBAR_CLASSA, nullptr,
                                   WS_CHILD | WS_VISIBLE | WS_TABSTOP | TBS_NOTICKS | Style, X, Y, kWidth, kHeight,
                                   hWndParent, ID));
    SendMessageA(handle_.get(), TBM_SETRANGE, TRUE, MAKELPARAM(kLowestAlpha, kHighest));
    SendMessageA(handle_.get(), TBM_SETPAGESIZE, 0, kStep);
    SendMessageA(handle_.get(), TBM_SETLINESIZE, 0, kStep);
}

long clsTrackbar::Value() const { return static_cast<long>(SendMessageA(handle_.get(), TBM_GETPOS, 0, 0)); }

void clsTrackbar::Value(long dwPos) const { SendMessageA(handle_.get(), TBM_SETPOS, TRUE, dwPos); }
