#include "forms/AlarmListRules.h"

namespace {

std::string ActionDetail(const RingItem& item) {
    switch (item.lngNotifyMode) {
        case RingAction::Sound:
            return item.strWavFile;
        case RingAction::TextHint:
            return item.strNotifyText;
        case RingAction::Program:
            return item.strRunExe;
        default:
            return "";
    }
}

}  // namespace

std::string AlarmLineText(const RingItem& item, bool soundFileMissing) {
    std::string year1 = std::to_string(item.lngYear1);
    const std::string repeat =
        InterpretTimeMode(item.lngTimeMode, item.lngWeek, item.lngYear, year1, item.lngMonth, item.lngwDay);
    // Before the path, which the list may have to cut.
    const bool marked = soundFileMissing && item.lngNotifyMode == RingAction::Sound && !item.strWavFile.empty();
    return std::to_string(item.lngHour) + ":" + std::to_string(item.lngMinute) + " (" + repeat + ")|" +
           InterpretNotifyMode(item.lngNotifyMode) + (marked ? kFileNotFound : "") + ActionDetail(item);
}

std::optional<int> NumberAfterRemoval(int number, int removed, int count) {
    if (number == removed) return std::nullopt;
    return number == count ? removed : number;
}
