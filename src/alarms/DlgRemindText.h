#pragma once
#include <windows.h>

#include <optional>
#include <string>

// The text the reminder shows; set before ShowRemindText.
extern std::string RemindText;
// Shows the reminder modally; returns when it has closed: the snooze length in minutes when it was snoozed.
std::optional<int> ShowRemindText(HWND owner);
INT_PTR CALLBACK RemindTextProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);
