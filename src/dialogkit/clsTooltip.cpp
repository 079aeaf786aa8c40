#include "dialogkit/clsTooltip.h"

#include <commctrl.h>

clsTooltip::clsTooltip() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
}

clsTooltip::~clsTooltip() {
    if (hwnd_) DestroyWindow(hwnd_);
}

void clsTooltip::CreateTooltip() {
    hwnd_ = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                            CW_USEDEFAULT, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    SetWindowPos(hwnd_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
}

namespace {

TOOLINFOA ToolInfo(HWND window, std::string& text) {
    TOOLINFOA info{};
    info.cbSize = TTTOOLINFOA_V1_SIZE;
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = nullptr;
    info.uId = reinterpret_cast<UINT_PTR>(window);
    info.hinst = GetModuleHandleA(nullptr);
    info.lpszText = text.data();
    return info;
}

}  // namespace

void clsTooltip::AddTooltip(const std::string& strText, HWND hWndWindow) {
    text_ = strText;
    TOOLINFOA info = ToolInfo(hWndWindow, text_);
    SendMessageA(hwnd_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
}

void clsTooltip::UpdateTooltip(const std::string& strText, HWND hWndWindow) {
    text_ = strText;
    TOOLINFOA info = ToolInfo(hWndWindow, text_);
    SendMessageA(hwnd_, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&info));
}

void clsTooltip::Tooltip_SetDelayTime(int DelayTime) { SendMessageA(hwnd_, TTM_SETDELAYTIME, TTDT_AUTOPOP, DelayTime); }

void clsTooltip::Tooltip_SetMaxWidth(int MaxWidth) { SendMessageA(hwnd_, TTM_SETMAXTIPWIDTH, 0, MaxWidth); }
