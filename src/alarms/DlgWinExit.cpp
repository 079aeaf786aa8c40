#include "alarms/DlgWinExit.h"

short ExitRestart = 0;
std::string ExitText;

void ShowWinExit(HWND) {}
