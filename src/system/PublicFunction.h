#pragma once
// Small routines shared by the clock window and the alarm actions.
#include <string>

// True on Windows NT 5.0 (Windows 2000) and later: layered windows and the fallback beeps exist there.
bool IsWin2000OrLater();

// The running executable's full path.
std::string ProgramPath();
// The folder of the running executable, without a trailing backslash.
std::string ProgramFolder();
