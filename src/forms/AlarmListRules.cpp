#include "forms/AlarmListRules.h"

#include "alarms/clsSaveRingData.h"

namespace {

std::string ActionDetail(const RingItem& item) {
    switch (item.lngNotifyMode) {
        case 0:
            return item.strWavFile;
        case 1:
            return item.strNotifyText;
        case 2:
            return item.strRunExe;
        default:
            return "";
    }
}

}  // namespace

std::string AlarmLineText(const RingItem& item) {
    std::string year1 = std::to_string(item.lngYear1);
    const std::string repeat = clsSaveRingData::InterpretTimeMode(item.lngTimeMode, item.lngWeek, item.lngYear, year1,
                                                                  item.lngMonth, item.lngwDay);
    return std::to_string(item.lngHour) + ":" + std::to_string(item.lngMinute) + " (" + repeat + ")|" +
           clsSaveRingData::InterpretNotifyMode(item.lngNotifyMode) + ActionDetail(item);
}

std::optional<int> NumberAfterRemoval(int number, int removed, int count) {
    if (number == removed) return std::nullopt;
    return number == count ? removed : number;
}
