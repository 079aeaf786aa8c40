#include "alarms/RingRules.h"

#include <algorithm>
#include <charconv>

using namespace std::chrono;

std::optional<sys_days> OnceDate(const RingItem& item) {
    const std::string yearText = FourDigitYear(item.lngYear, item.lngYear1);
    int yearNumber = 0;
    std::from_chars(yearText.data(), yearText.data() + yearText.size(), yearNumber);
    return NormalisedDate(yearNumber, item.lngMonth, item.lngwDay);
}

bool IsRingDue(const RingItem& item, const CivilTime& now) {
    if (item.lngItemState <= 0) return false;
    // The alarm time carries over like the date (7:75 is 8:15); past midnight it never matches.
    const int alarmSecond = item.lngHour * 3600 + item.lngMinute * 60;
    if (alarmSecond != now.hour * 3600 + now.minute * 60 + now.second) return false;
    switch (item.lngTimeMode) {
        case 1: {
            const auto date = OnceDate(item);
            return date && *date == DayNumber(now);
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

bool WakesComputer(const RingItem& item) { return item.lngNotifyMode == 0 || item.lngNotifyMode == 1; }

bool RunsLate(const RingItem& item) { return WakesComputer(item) || item.lngNotifyMode == 2; }

bool HasAction(const RingItem& item) { return item.lngNotifyMode >= 0 && item.lngNotifyMode <= 4; }

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
