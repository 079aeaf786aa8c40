#pragma once
#include <windows.h>

#include <string>

// Shows the reminder of `text` modally; returns when it has closed.
void ShowRemindText(HWND owner, const std::string& text);
