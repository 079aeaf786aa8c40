#pragma once
#include <windows.h>

#include <commctrl.h>

#include "dialogkit/ControlHandles.h"

// The member takes the name of the commctrl.h macro it stands for.
#undef DateTime_SetSystemtime

// Date pickers of one dialog.
class clsDTPicker {
public:
    clsDTPicker();
    void CreateDTPicker(HWND hWndParent, int ID, int X, int Y, int nWidth, int nHeight, DWORD Style = 0);
    // Shows today + i days.
    void DateTime_SetSystemtime(HWND hDlg, int ID, int i) const;
    HWND hwnd(long hWndNumber) const { return handles_[hWndNumber]; }

private:
    HandleList<67> handles_;
};
