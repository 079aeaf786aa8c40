#pragma once
#include <windows.h>

#include <optional>
#include <string>

// Shows the reminder of `text` modally; returns when it has closed: the snooze length in minutes when it was
// snoozed.
std::optional<int> ShowRemindText(HWND owner, const std::string& text);
