#include "dialogkit/clsTooltip.h"

#include <commctrl.h>

namespace {

// Timer ids of our own on the tip window, clear of the ones the control uses itself.
constexpr UINT_PTR kShowTimer = 0x7101;
constexpr UINT_PTR kPopTimer = 0x7102;
// The control places its tip this far below the pointer.
constexpr int kBelowPointer = 20;

void WatchLeaving(HWND owner, bool watch) {
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE | (watch ? 0u : TME_CANCEL), owner, 0};
    TrackMouseEvent(&track);
}

}  // namespace

clsTooltip::clsTooltip() : autoPopMs_(static_cast<int>(GetDoubleClickTime()) * 10) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
}

clsTooltip::~clsTooltip() {
    if (!hwnd_) return;
    Hide();
    DestroyWindow(hwnd_);
}

void clsTooltip::CreateTooltip() {
    hwnd_ = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                            CW_USEDEFAULT, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    SetWindowPos(hwnd_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

TOOLINFOA clsTooltip::ToolInfo() {
    TOOLINFOA info{};
    info.cbSize = TTTOOLINFOA_V1_SIZE;
    // Placed by us where the pointer rests, the control neither watches nor times it.
    info.uFlags = TTF_IDISHWND | TTF_TRACK | TTF_ABSOLUTE;
    info.hwnd = owner_;
    info.uId = reinterpret_cast<UINT_PTR>(owner_);
    info.hinst = GetModuleHandleA(nullptr);
    info.lpszText = text_.data();
    return info;
}

void clsTooltip::AddTooltip(const std::string& strText, HWND hWndWindow) {
    text_ = strText;
    owner_ = hWndWindow;
    TOOLINFOA info = ToolInfo();
    SendMessageA(hwnd_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
}

void clsTooltip::Tooltip_SetDelayTime(int DelayTime) {
    autoPopMs_ = DelayTime;
    SendMessageA(hwnd_, TTM_SETDELAYTIME, TTDT_AUTOPOP, DelayTime);
}

void clsTooltip::UpdateTooltip(const std::string& strText, HWND) {
    text_ = strText;
    TOOLINFOA info = ToolInfo();
    SendMessageA(hwnd_, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&info));
}

void clsTooltip::Tooltip_SetMaxWidth(int MaxWidth) { SendMessageA(hwnd_, TTM_SETMAXTIPWIDTH, 0, MaxWidth); }

void clsTooltip::RelayMouseMessage(UINT message, LPARAM lParam) {
    if (!hwnd_ || !owner_) return;
    switch (message) {
        case WM_MOUSEMOVE:
            // Windows appearing or going under a resting pointer send moves to the same place: not a move.
            if (lParam == lastMove_ || shown_) break;
            lastMove_ = lParam;
            SetTimer(hwnd_, kShowTimer, GetDoubleClickTime(), OnTimer);
            break;
        case WM_MOUSELEAVE:
            lastMove_ = -1;
            [[fallthrough]];
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            KillTimer(hwnd_, kShowTimer);
            Hide();
            break;
    }
}

void CALLBACK clsTooltip::OnTimer(HWND tip, UINT, UINT_PTR timer, DWORD) {
    auto* self = reinterpret_cast<clsTooltip*>(GetWindowLongPtrA(tip, GWLP_USERDATA));
    KillTimer(tip, timer);
    if (!self) return;
    if (timer == kShowTimer)
        self->Show();
    else
        self->Hide();
}

void clsTooltip::Show() {
    POINT pointer{};
    GetCursorPos(&pointer);
    // The pointer may have left in the meantime without a message to tell.
    if (WindowFromPoint(pointer) != owner_) return;
    TOOLINFOA info = ToolInfo();
    SendMessageA(hwnd_, TTM_TRACKPOSITION, 0, MAKELPARAM(pointer.x, pointer.y + kBelowPointer));
    SendMessageA(hwnd_, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&info));
    shown_ = true;
    SetTimer(hwnd_, kPopTimer, autoPopMs_, OnTimer);
    WatchLeaving(owner_, true);
}

void clsTooltip::Hide() {
    if (!shown_) return;
    shown_ = false;
    KillTimer(hwnd_, kPopTimer);
    WatchLeaving(owner_, false);
    TOOLINFOA info = ToolInfo();
    SendMessageA(hwnd_, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&info));
}
