#pragma once
#include <windows.h>

// Today on the program's clock plus `days` days; the time of day and the weekday are 0.
SYSTEMTIME DateFromToday(int days);

// Whole days from today on the program's clock to the date of `date` (its time of day does not count).
int DaysFromToday(const SYSTEMTIME& date);
