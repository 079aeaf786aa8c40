#include "dialogs/DlgCalendar.h"

void ShowCalendarDialog(HWND) {}
