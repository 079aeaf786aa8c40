#include "dialogkit/clsEdit.h"

void clsEdit::CreateEdit(HWND hWndParent, int ID, int X, int Y, int nWidth, int nHeight, HFONT hWndFont, DWORD Style,
                         int MaxText) {
    const HWND edit = CreateChildControl(WS_EX_CLIENTEDGE, "Edit", nullptr,
                                         WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL | Style, X, Y, nWidth,
                                         nHeight, hWndParent, ID);
    handles_.Add(edit);
    SendMessageA(edit, WM_SETFONT, reinterpret_cast<WPARAM>(hWndFont), TRUE);
    SendMessageA(edit, EM_LIMITTEXT, MaxText, 0);
}

std::string clsEdit::Text(HWND hDlg, int ID) const {
    std::string text(GetWindowTextLengthA(GetDlgItem(hDlg, ID)) + 1, '\0');
    text.resize(GetDlgItemTextA(hDlg, ID, text.data(), static_cast<int>(text.size())));
    return text;
}

void clsEdit::SetEditText(HWND hDlg, int ID, const std::string& strText) const {
    SetDlgItemTextA(hDlg, ID, strText.c_str());
}
