#include "dialogs/DlgSetSysTime.h"

void ShowSysTimeDialog(HWND) {}
