#include "dialogkit/clsUpDown.h"

#include <commctrl.h>

namespace {

constexpr int kLowest = -37390;
constexpr int kHighest = 999999;

}  // namespace

clsUpDown::clsUpDown() { InitCommonControlClasses(ICC_UPDOWN_CLASS); }

void clsUpDown::CreateUpDown(HWND hWndParent, int ID) {
    handle_.Set(
        CreateChildControl(0, UPDOWN_CLASSA, nullptr,
                           WS_CHILD | WS_VISIBLE | WS_TABSTOP | UDS_NOTHOUSANDS | UDS_ALIGNRIGHT | UDS_SETBUDDYINT, 66,
                           88, 66, 88, hWndParent, ID));
    SendMessageA(handle_.get(), UDM_SETRANGE32, static_cast<WPARAM>(kLowest), kHighest);
}

void clsUpDown::SetBuddy(HWND hDlg, int ID, HWND hWndWindow) const {
    SendDlgItemMessageA(hDlg, ID, UDM_SETBUDDY, reinterpret_cast<WPARAM>(hWndWindow), 0);
}
