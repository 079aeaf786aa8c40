#pragma once
// The calendar date, the one date type of the program, and wall-clock time on it, counted in seconds like Unix
// time but without any time zone: the local date and time of day read as if they were UTC.
#include <chrono>
#include <cstdint>
#include <optional>

struct CivilDate {
    int year = 1970;
    int month = 1;  // 1..12
    int day = 1;    // 1..31
};

struct CivilTime : CivilDate {
    int hour = 0;
    int minute = 0;
    int second = 0;
    int weekday = 4;  // 0 Sunday ... 6 Saturday
};

// The date's serial day number, for comparing and stepping dates.
std::chrono::sys_days DayNumber(const CivilDate& date);
// The calendar date `days` days after `date` (before it when negative).
CivilDate AddDays(const CivilDate& date, int days);
// Whole days from `from` to `to`: positive when `to` is later, 0 for the same date.
int DaysBetween(const CivilDate& from, const CivilDate& to);
int DaysInMonth(int year, int month);
// The date of year, month and day with the calendar's carry: day 31 of month 4 is 1 May, month 13 is
// January of the next year. Nothing for years the calendar cannot hold.
std::optional<std::chrono::sys_days> NormalisedDate(int year, int month, int day);

std::int64_t CivilSeconds(const CivilTime& time);
CivilTime ToCivil(std::int64_t seconds);
