#include "alarms/DlgRemindText.h"

std::string RemindText;

void ShowRemindText(HWND) {}
