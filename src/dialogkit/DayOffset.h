#pragma once

struct CivilDate {
    int year;
    unsigned month;  // 1..12
    unsigned day;    // 1..31
};

// The calendar date `days` days after `date` (before it when negative).
CivilDate AddDays(const CivilDate& date, int days);
