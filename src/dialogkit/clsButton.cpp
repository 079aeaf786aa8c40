#include "dialogkit/clsButton.h"

void clsButton::CreateButton(HWND hwnd, const std::string& strText, int ID, int X, int Y, int nWidth, int nHeight,
                             HFONT hWndFont, DWORD Style) {
    const HWND button = CreateChildControl(0, "BUTTON", strText.c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP | Style, X,
                                           Y, nWidth, nHeight, hwnd, ID);
    handles_.Add(button);
    SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(hWndFont), FALSE);
}

int clsButton::GetButtonState(HWND hDlg, int ID) const { return IsDlgButtonChecked(hDlg, ID) == BST_CHECKED ? 1 : 0; }

int clsButton::SetButtonState(HWND hDlg, int ID, int State) const {
    SendDlgItemMessageA(hDlg, ID, BM_SETCHECK, State, 0);
    return 0;
}
