#include "dialogkit/BoxHint.h"

#include "dialogkit/ControlHandles.h"

#include <commctrl.h>

namespace {

constexpr UINT kShownMs = 6000;
constexpr int kGap = 2;

// The one tool of the tip: placed by hand, beside the box.
TTTOOLINFOA Tool(HWND tip, const char* text) {
    TTTOOLINFOA tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_TRACK | TTF_ABSOLUTE;
    tool.hwnd = GetWindow(tip, GW_OWNER);
    tool.lpszText = const_cast<char*>(text);
    return tool;
}

void HideTip(HWND tip) {
    TTTOOLINFOA tool = Tool(tip, nullptr);
    SendMessageA(tip, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
}

bool CoversAButton(HWND form, const RECT& place) {
    for (HWND child = GetWindow(form, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const LONG_PTR type = GetWindowLongPtrA(child, GWL_STYLE) & BS_TYPEMASK;
        char className[16] = {};
        GetClassNameA(child, className, sizeof className);
        if (lstrcmpiA(className, "Button") != 0 || (type != BS_PUSHBUTTON && type != BS_DEFPUSHBUTTON)) continue;
        RECT button{}, overlap{};
        GetWindowRect(child, &button);
        if (IsWindowVisible(child) && IntersectRect(&overlap, &button, &place)) return true;
    }
    return false;
}

void MoveTip(HWND tip, int x, int y) { SendMessageA(tip, TTM_TRACKPOSITION, 0, MAKELPARAM(x, y)); }

void CALLBACK HideAfterAWhile(HWND tip, UINT, UINT_PTR timer, DWORD) {
    KillTimer(tip, timer);
    HideTip(tip);
}

}  // namespace

void BoxHint::Show(HWND form, HWND box, const char* text) {
    if (!tip_) {
        InitCommonControlClasses(ICC_BAR_CLASSES);
        tip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_NOPREFIX, 0, 0, 0, 0, form,
                               nullptr, GetModuleHandleA(nullptr), nullptr);
        TTTOOLINFOA tool = Tool(tip_, "");
        SendMessageA(tip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    }
    TTTOOLINFOA tool = Tool(tip_, text);
    SendMessageA(tip_, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
    RECT place{};
    GetWindowRect(box, &place);
    MoveTip(tip_, place.left, place.bottom + kGap);
    SendMessageA(tip_, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
    // Its size is known once it shows.
    RECT shown{};
    GetWindowRect(tip_, &shown);
    if (CoversAButton(form, shown)) MoveTip(tip_, place.left, place.top - kGap - (shown.bottom - shown.top));
    SetTimer(tip_, 1, kShownMs, HideAfterAWhile);
}

void BoxHint::Hide() const {
    if (tip_) HideTip(tip_);
}
