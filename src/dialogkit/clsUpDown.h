#pragma once
#include <windows.h>

#include "dialogkit/ControlHandles.h"

// An up-down control counting from -37390 to 999999 in its buddy.
class clsUpDown {
public:
    clsUpDown();
    // Placed at (66, 88), 66 x 88, until a buddy takes it.
    void CreateUpDown(HWND hWndParent, int ID);
    void SetBuddy(HWND hDlg, int ID, HWND hWndWindow) const;
    HWND hwnd() const { return handle_.get(); }

private:
    SingleHandle handle_;
};
