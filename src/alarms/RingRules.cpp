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
        case RingRepeat::Once: {
            const auto date = OnceDate(item);
            return date && *date == DayNumber(now);
        }
        case RingRepeat::Daily:
            return true;
        case RingRepeat::Weekly:
            return now.weekday == item.lngWeek;
        case RingRepeat::Monthly:
            return now.day == item.lngwDay;
        case RingRepeat::Yearly:
            return now.month == item.lngMonth && now.day == item.lngwDay;
    }
    return false;
}

bool WakesComputer(const RingItem& item) {
    return item.lngNotifyMode == RingAction::Sound || item.lngNotifyMode == RingAction::TextHint;
}

bool RunsLate(const RingItem& item) { return WakesComputer(item) || item.lngNotifyMode == RingAction::Program; }

bool HasAction(const RingItem& item) { return IsKnown(item.lngNotifyMode); }

std::vector<int> DueRingItems(const clsSaveRingData& list, int count, const CivilTime& now) {
    std::vector<int> due;
    if (now.second != 0) return due;
    count = std::min(count, static_cast<int>(list.size()));
    for (int i = 1; i <= count; ++i)
        if (IsRingDue(list[i - 1], now)) due.push_back(i);
    return due;
}
