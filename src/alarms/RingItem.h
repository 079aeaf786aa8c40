#pragma once
// One alarm item: when it is due and what it does.
#include <cstdint>
#include <string>

struct RingItem {
    std::int32_t lngItemState = 0;   // 1 enabled
    std::int32_t lngNotifyMode = 0;  // 0 sound, 1 text hint, 2 program, 3 restart, 4 shut down
    std::int32_t lngTimeMode = 0;    // 1 once, 2 daily, 3 weekly, 4 monthly, 5 yearly
    std::int32_t lngWeek = 0;        // 0 Sunday ... 6 Saturday
    std::int16_t lngHour = 0;
    std::int16_t lngMinute = 0;
    std::int16_t lngYear = 0;   // leading two digits of the year
    std::int16_t lngYear1 = 0;  // last two digits
    std::int16_t lngMonth = 0;
    std::int16_t lngwDay = 0;
    std::int32_t lngOpenRun = 0;  // reserved
    std::string strNotifyText{};
    std::string strRunExe{};
    std::string strWavFile{};
    std::string strParameters{};
};

// Weekday names by lngWeek.
inline constexpr const char* kWeekdayNames[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                "Thursday", "Friday", "Saturday"};

// The year part followed by the two-digit part, padded to two digits: 20 and 5 give "2005".
std::string FourDigitYear(std::int16_t year, std::int16_t year1);
