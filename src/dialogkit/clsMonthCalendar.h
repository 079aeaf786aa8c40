#pragma once
#include <windows.h>

#include <commctrl.h>

#include "dialogkit/ControlHandles.h"

// The member takes the name of the commctrl.h macro it stands for.
#undef MonthCal_SetCurSel

// One 265 x 160 month calendar at (22, 54).
class clsMonthCalendar {
public:
    clsMonthCalendar();
    HWND hwnd() const { return handle_.get(); }
    void CreateMonthCalendar(HWND hWndParent, int ID);
    // Selects today + i days.
    void MonthCal_SetCurSel(HWND hDlg, int ID, int i) const;

private:
    SingleHandle handle_;
};
