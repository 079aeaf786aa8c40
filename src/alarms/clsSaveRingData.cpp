#include "alarms/clsSaveRingData.h"

namespace {

template <typename T>
void Add(std::vector<T>& list, T value, std::optional<int> before) {
    const bool inside = before && *before >= 1 && std::size_t(*before) <= list.size();
    list.insert(inside ? list.begin() + (*before - 1) : list.end(), std::move(value));
}

template <typename T>
T At(const std::vector<T>& list, int position) {
    return position >= 1 && std::size_t(position) <= list.size() ? list[position - 1] : T{};
}

}  // namespace

void clsSaveRingData::lngSaveRingMode(std::int32_t notifyMode, std::int32_t timeMode, std::int32_t openRun,
                                      std::optional<int> lngBefore) {
    Add(notifyMode_, notifyMode, lngBefore);
    Add(timeMode_, timeMode, lngBefore);
    Add(openRun_, openRun, lngBefore);
}

void clsSaveRingData::lngSaveRingTime(std::int32_t week, std::int16_t hour, std::int16_t minute,
                                      std::optional<int> lngBefore) {
    Add(week_, week, lngBefore);
    Add(hour_, hour, lngBefore);
    Add(minute_, minute, lngBefore);
}

void clsSaveRingData::lngSaveRingDate(std::int16_t year, std::int16_t year1, std::int16_t month, std::int16_t day,
                                      std::optional<int> lngBefore) {
    Add(year_, year, lngBefore);
    Add(year1_, year1, lngBefore);
    Add(month_, month, lngBefore);
    Add(day_, day, lngBefore);
}

void clsSaveRingData::strSaveRingData(std::string notifyText, std::string runExe, std::string wavFile,
                                      std::string parameters, std::optional<int> lngBefore) {
    Add(notifyText_, std::move(notifyText), lngBefore);
    Add(runExe_, std::move(runExe), lngBefore);
    Add(wavFile_, std::move(wavFile), lngBefore);
    Add(parameters_, std::move(parameters), lngBefore);
}

void clsSaveRingData::lngSaveItemState(std::int32_t state) { itemState_.push_back(state); }

std::int32_t clsSaveRingData::GetItemState(int position) const { return At(itemState_, position); }
std::int32_t clsSaveRingData::GetNotifyMode(int position) const { return At(notifyMode_, position); }
std::int32_t clsSaveRingData::GetTimeMode(int position) const { return At(timeMode_, position); }
std::int32_t clsSaveRingData::GetOpenRun(int position) const { return At(openRun_, position); }
std::int32_t clsSaveRingData::GetwDayWeek(int position) const { return At(week_, position); }
std::int16_t clsSaveRingData::GetwHour(int position) const { return At(hour_, position); }
std::int16_t clsSaveRingData::GetwMinute(int position) const { return At(minute_, position); }
std::string clsSaveRingData::GetwYear(int position) const {
    return FourDigitYear(At(year_, position), At(year1_, position));
}
std::int16_t clsSaveRingData::GetwMonth(int position) const { return At(month_, position); }
std::int16_t clsSaveRingData::GetwDay(int position) const { return At(day_, position); }
std::string clsSaveRingData::GetNotifyText(int position) const { return At(notifyText_, position); }
std::string clsSaveRingData::GetWavFile(int position) const { return At(wavFile_, position); }
std::string clsSaveRingData::GetRunExe(int position) const { return At(runExe_, position); }
std::string clsSaveRingData::GetParameters(int position) const { return At(parameters_, position); }

RingItem clsSaveRingData::GetItem(int position) const {
    return RingItem{At(itemState_, position), At(notifyMode_, position), At(timeMode_, position),
                    At(week_, position),      At(hour_, position),       At(minute_, position),
                    At(year_, position),      At(year1_, position),      At(month_, position),
                    At(day_, position),       At(openRun_, position),    At(notifyText_, position),
                    At(runExe_, position),    At(wavFile_, position),    At(parameters_, position)};
}

std::int32_t clsSaveRingData::RingItemCound() const { return std::int32_t(notifyMode_.size()); }

std::string clsSaveRingData::InterpretNotifyMode(std::int32_t NotifyValue) {
    switch (NotifyValue) {
        case 0:
            return "Play a sound";
        case 1:
            return "Text Hint";
        case 2:
            return "Run the special program";
        case 3:
            return "Re-start computer";
        case 4:
            return "Shut down";
        default:
            return "";
    }
}

std::string clsSaveRingData::InterpretTimeMode(std::int32_t TimeValue, std::int32_t WeekValue, std::int32_t yValue,
                                               std::string& yValue1, std::int32_t MonthValue, std::int32_t DayValue) {
    const auto n = [](std::int32_t value) { return std::to_string(value); };
    switch (TimeValue) {
        case 1:
            if (yValue1.size() == 1) yValue1 = "0" + yValue1;
            return n(MonthValue) + "/" + n(DayValue) + "/" + n(yValue) + yValue1;
        case 2:
            return "Daily";
        case 3:
            return "Weekly" + InterpretWeekDay(WeekValue);
        case 4:
            return "Monthly" + n(DayValue) + "day";
        case 5:
            return "Yearly" + n(MonthValue) + "month" + n(DayValue) + "day";
        default:
            return "";
    }
}

std::string clsSaveRingData::InterpretWeekDay(std::int32_t day) {
    return day >= 0 && day <= 6 ? kWeekdayNames[day] : "";
}
