#pragma once
#include <windows.h>

#include <string>

#include "dialogkit/ControlHandles.h"

// Single-line edit boxes of one dialog.
class clsEdit {
public:
    void CreateEdit(HWND hWndParent, int ID, int X, int Y, int nWidth, int nHeight, HFONT hWndFont = nullptr,
                    DWORD Style = 0, int MaxText = 0);
    // The whole text, however long.
    std::string Text(HWND hDlg, int ID) const;
    void SetEditText(HWND hDlg, int ID, const std::string& strText) const;
    // An index in creation order, whatever the name says.
    HWND hwnd(long ID) const { return handles_[ID]; }

private:
    HandleList<67> handles_;
};
