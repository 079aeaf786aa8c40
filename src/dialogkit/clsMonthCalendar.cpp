#include "dialogkit/clsMonthCalendar.h"

#include "dialogkit/DateFromToday.h"

clsMonthCalendar::clsMonthCalendar() { InitCommonControlClasses(ICC_DATE_CLASSES); }

void clsMonthCalendar::CreateMonthCalendar(HWND hWndParent, int ID) {
    handle_.Set(
        CreateChildControl(0, MONTHCAL_CLASSA, nullptr, WS_CHILD | WS_VISIBLE, 22, 54, 265, 160, hWndParent, ID));
}

void clsMonthCalendar::MonthCal_SetCurSel(HWND hDlg, int ID, int i) const {
    SYSTEMTIME date = DateFromToday(i);
    SendDlgItemMessageA(hDlg, ID, MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&date));
}
