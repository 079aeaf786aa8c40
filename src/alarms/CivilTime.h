#pragma once
// Calendar arithmetic on wall-clock time, counted in seconds like Unix time but without any time zone:
// the local date and time of day read as if they were UTC.
#include <cstdint>

struct CivilTime {
    int year = 1970;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int weekday = 4;  // 0 Sunday ... 6 Saturday
};

std::int64_t CivilSeconds(const CivilTime& time);
CivilTime ToCivil(std::int64_t seconds);
