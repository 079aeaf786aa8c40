#include "alarms/RingItem.h"

std::string FourDigitYear(std::int16_t year, std::int16_t year1) {
    const std::string tail = std::to_string(year1);
    return std::to_string(year) + (tail.size() == 1 ? "0" + tail : tail);
}

std::string InterpretNotifyMode(RingAction NotifyValue) {
    switch (NotifyValue) {
        case RingAction::Sound:
            return "Play a sound";
        case RingAction::TextHint:
            return "Text Hint";
        case RingAction::Program:
            return "Run the special program";
        case RingAction::Restart:
            return "Re-start computer";
        case RingAction::ShutDown:
            return "Shut down";
    }
    return "";
}

std::string InterpretTimeMode(RingRepeat TimeValue, std::int32_t WeekValue, std::int32_t yValue, std::string& yValue1,
                              std::int32_t MonthValue, std::int32_t DayValue) {
    const auto n = [](std::int32_t value) { return std::to_string(value); };
    switch (TimeValue) {
        case RingRepeat::Once:
            if (yValue1.size() == 1) yValue1 = "0" + yValue1;
            return n(MonthValue) + "/" + n(DayValue) + "/" + n(yValue) + yValue1;
        case RingRepeat::Daily:
            return "Daily";
        case RingRepeat::Weekly:
            return "Weekly" + std::string(WeekValue >= 0 && WeekValue <= 6 ? kWeekdayNames[WeekValue] : "");
        case RingRepeat::Monthly:
            return "Monthly" + n(DayValue) + "day";
        case RingRepeat::Yearly:
            return "Yearly" + n(MonthValue) + "month" + n(DayValue) + "day";
    }
    return "";
}
