#pragma once
#include <windows.h>

// Today on the program's clock plus `days` days; the time of day and the weekday are 0.
SYSTEMTIME DateFromToday(int days);
