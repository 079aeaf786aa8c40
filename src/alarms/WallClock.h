#pragma once
// The clock as the scanners read it, through the clock seams.
#include "system/CivilTime.h"

#include <windows.h>

#include <cstdint>

// The current UTC time in whole seconds, counted as CivilSeconds counts them.
std::int64_t UtcNowSeconds();
// The local date and time now as civil time.
CivilTime CivilNow();
// The local wall time of a UTC second, by the time zone's rules for that instant.
std::int64_t WallSecondsAt(std::int64_t utcSeconds);
