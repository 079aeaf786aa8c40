#pragma once
// The local time as the clock shows it: 24-hour, hour without leading zero, "9:05:07".
#include <string>

std::string TimeText(int hour, int minute, int second);
