#pragma once
#include <windows.h>

#include <string>

#include "dialogkit/ControlHandles.h"

// Drop-down lists of one dialog; the operations address a list by its id.
class clsComboBox {
public:
    // nHeight includes the dropped list.
    void CreateCombox(HWND hWndParent, int ID, int X, int Y, int nWidth, int nHeight, HFONT hWndFont = nullptr,
                      DWORD Style = 0);
    void AddItem(HWND hDlg, int ID, const std::string& strItem) const;
    void ListIndex(HWND hDlg, int ID, int Index) const;
    // -1 when nothing is selected.
    int GetSelItem(HWND hDlg, int ID) const;
    int ListCount(HWND hDlg, int ID) const;
    // Removes every item but the first and selects it.
    int DeleteItem(HWND hDlg, int ID) const;
    std::string SelIndexText(HWND hDlg, int ID) const;
    HWND hwnd(long hWndNumber) const { return handles_[hWndNumber]; }

private:
    HandleList<89> handles_;
};
