#pragma once

struct CivilDate {
    int year;
    unsigned month;  // 1..12
    unsigned day;    // 1..31
};

// The calendar date `days` days after `date` (before it when negative).
CivilDate AddDays(const CivilDate& date, int days);

// Whole days from `from` to `to`: positive when `to` is later, 0 for the same date.
int DaysBetween(const CivilDate& from, const CivilDate& to);
