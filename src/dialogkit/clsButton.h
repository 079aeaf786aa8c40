#pragma once
#include <windows.h>

#include <string>

#include "dialogkit/ControlHandles.h"

// Push buttons, check boxes and radio buttons of one dialog.
class clsButton {
public:
    void CreateButton(HWND hwnd, const std::string& strText, int ID, int X, int Y, int nWidth, int nHeight,
                      HFONT hWndFont = nullptr, DWORD Style = 0);
    HWND hwnd(long hWndNumber) const { return handles_[hWndNumber]; }
    int GetButtonState(HWND hDlg, int ID) const;
    int SetButtonState(HWND hDlg, int ID, int State) const;

private:
    HandleList<89> handles_;
};
