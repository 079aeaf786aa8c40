#include "forms/BoxHint.h"

#include "dialogkit/ControlHandles.h"

#include <commctrl.h>

namespace {

constexpr UINT kShownMs = 6000;

// The one tool of the balloon: placed by hand, at the box.
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

void CALLBACK HideAfterAWhile(HWND tip, UINT, UINT_PTR timer, DWORD) {
    KillTimer(tip, timer);
    HideTip(tip);
}

}  // namespace

void BoxHint::Show(HWND form, HWND box, const char* text) {
    if (!tip_) {
        InitCommonControlClasses(ICC_BAR_CLASSES);
        tip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_BALLOON, 0, 0, 0,
                               0, form, nullptr, GetModuleHandleA(nullptr), nullptr);
        TTTOOLINFOA tool = Tool(tip_, "");
        SendMessageA(tip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    }
    TTTOOLINFOA tool = Tool(tip_, text);
    SendMessageA(tip_, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
    RECT place{};
    GetWindowRect(box, &place);
    SendMessageA(tip_, TTM_TRACKPOSITION, 0, MAKELPARAM((place.left + place.right) / 2, place.bottom));
    SendMessageA(tip_, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
    SetTimer(tip_, 1, kShownMs, HideAfterAWhile);
}

void BoxHint::Hide() const {
    if (tip_) HideTip(tip_);
}
