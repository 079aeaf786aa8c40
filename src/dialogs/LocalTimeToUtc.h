#pragma once
// The UTC instant of a wall-clock time on its own date, by that date's offset from UTC.
#include <windows.h>

#include <optional>

// When the clocks went back and the time came twice, the first of the two; none when they went forward past it.
std::optional<SYSTEMTIME> LocalTimeToUtc(const SYSTEMTIME& local);
