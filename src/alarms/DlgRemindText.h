#pragma once
#include <windows.h>

#include <string>

// The text the reminder shows; set before ShowRemindText.
extern std::string RemindText;
// Shows the reminder modally; returns when it has closed.
void ShowRemindText(HWND owner);
