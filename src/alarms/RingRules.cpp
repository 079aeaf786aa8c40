#include "alarms/RingRules.h"

#include <algorithm>
#include <charconv>

using namespace std::chrono;

std::optional<sys_days> NormalisedDate(int yearNumber, int monthNumber, int dayNumber) {
    if (yearNumber < 1 || yearNumber > 9999) return std::nullopt;
    const year_month first = year{yearNumber} / January + months{monthNumber - 1};
    return sys_days{first / 1} + days{dayNumber - 1};
}

bool IsRingDue(const RingItem& item, const CivilTime& now) {
    if (item.lngItemState <= 0) return false;
    // The alarm time carries over like the date (7:75 is 8:15); past midnight it never matches.
    const int alarmSecond = item.lngHour * 3600 + item.lngMinute * 60;
    if (alarmSecond != now.hour * 3600 + now.minute * 60 + now.second) return false;
    switch (item.lngTimeMode) {
        case 1: {
            const std::string yearText = FourDigitYear(item.lngYear, item.lngYear1);
            int yearNumber = 0;
            std::from_chars(yearText.data(), yearText.data() + yearText.size(), yearNumber);
            const auto date = NormalisedDate(yearNumber, item.lngMonth, item.lngwDay);
            return date && *date == sys_days{year{now.year} / now.month / now.day};
        }
        case 2:
            return true;
        case 3:
            return now.weekday == item.lngWeek;
        case 4:
            return now.day == item.lngwDay;
        case 5:
            return now.month == item.lngMonth && now.day == item.lngwDay;
        default:
            return false;
    }
}

std::vector<int> DueRingItems(const clsSaveRingData& list, int count, const CivilTime& now) {
    std::vector<int> due;
    if (now.second != 0) return due;
    count = std::min(count, list.RingItemCound());
    const int second = now.hour * 3600 + now.minute * 60;
    for (int i = 1; i <= count; ++i) {
        // The cheap fields first: most items are not due in most minutes.
        if (list.GetItemState(i) <= 0 || list.GetwHour(i) * 3600 + list.GetwMinute(i) * 60 != second) continue;
        if (IsRingDue(list.GetItem(i), now)) due.push_back(i);
    }
    return due;
}

std::vector<RingItem> DueRingsReached(ClockScan& scan, const clsSaveRingData& list, int count, std::int64_t nowUtc) {
    std::vector<RingItem> due;
    for (const std::int64_t minute : scan.Advance(nowUtc))
        for (const int position : DueRingItems(list, count, ToCivil(minute))) due.push_back(list.GetItem(position));
    return due;
}
