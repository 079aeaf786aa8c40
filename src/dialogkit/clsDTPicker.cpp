#include "dialogkit/clsDTPicker.h"

#include "dialogkit/DateFromToday.h"

clsDTPicker::clsDTPicker() { InitCommonControlClasses(ICC_DATE_CLASSES); }

void clsDTPicker::CreateDTPicker(HWND hWndParent, int ID, int X, int Y, int nWidth, int nHeight, DWORD Style) {
    handles_.Add(CreateChildControl(0, DATETIMEPICK_CLASSA, nullptr, WS_CHILD | WS_VISIBLE | WS_TABSTOP | Style, X, Y,
                                    nWidth, nHeight, hWndParent, ID));
}

void clsDTPicker::DateTime_SetSystemtime(HWND hDlg, int ID, int i) const {
    SYSTEMTIME date = DateFromToday(i);
    SendDlgItemMessageA(hDlg, ID, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&date));
}
