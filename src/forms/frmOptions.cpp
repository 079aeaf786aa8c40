#include "forms/frmOptions.h"

void ShowAlarmList() {}
