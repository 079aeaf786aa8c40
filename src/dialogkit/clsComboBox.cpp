#include "dialogkit/clsComboBox.h"

namespace {

constexpr DWORD kComboStyle =
    WS_CHILD | WS_VISIBLE | WS_TABSTOP | CBS_NOINTEGRALHEIGHT | CBS_AUTOHSCROLL | CBS_DROPDOWNLIST;
constexpr int kTextBuffer = 260;

}  // namespace

void clsComboBox::CreateCombox(HWND hWndParent, int ID, int X, int Y, int nWidth, int nHeight, HFONT hWndFont,
                               DWORD Style) {
    const HWND combo =
        CreateChildControl(0, "COMBOBOX", nullptr, kComboStyle | Style, X, Y, nWidth, nHeight, hWndParent, ID);
    handles_.Add(combo);
    SendMessageA(combo, WM_SETFONT, reinterpret_cast<WPARAM>(hWndFont), TRUE);
}

void clsComboBox::AddItem(HWND hDlg, int ID, const std::string& strItem) const {
    SendDlgItemMessageA(hDlg, ID, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(strItem.c_str()));
}

void clsComboBox::ListIndex(HWND hDlg, int ID, int Index) const {
    SendDlgItemMessageA(hDlg, ID, CB_SETCURSEL, Index, 0);
}

int clsComboBox::GetSelItem(HWND hDlg, int ID) const {
    return static_cast<int>(SendDlgItemMessageA(hDlg, ID, CB_GETCURSEL, 0, 0));
}

int clsComboBox::ListCount(HWND hDlg, int ID) const {
    return static_cast<int>(SendDlgItemMessageA(hDlg, ID, CB_GETCOUNT, 0, 0));
}

int clsComboBox::DeleteItem(HWND hDlg, int ID) const {
    for (int i = ListCount(hDlg, ID) - 1; i >= 1; --i) SendDlgItemMessageA(hDlg, ID, CB_DELETESTRING, i, 0);
    ListIndex(hDlg, ID, 0);
    return 0;
}

std::string clsComboBox::SelIndexText(HWND hDlg, int ID) const {
    const int selected = GetSelItem(hDlg, ID);
    if (selected == CB_ERR) return {};
    if (SendDlgItemMessageA(hDlg, ID, CB_GETLBTEXTLEN, selected, 0) == CB_ERR) return {};
    char text[kTextBuffer] = {};
    GetDlgItemTextA(hDlg, ID, text, kTextBuffer);
    return text;
}
