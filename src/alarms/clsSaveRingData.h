#pragma once
// The in-memory alarm list: one ordered list per field, positions from 1, kept aligned by adding to
// every list once per item.
#include "alarms/RingItem.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class clsSaveRingData {
public:
    void lngSaveRingMode(std::int32_t notifyMode, std::int32_t timeMode, std::int32_t openRun,
                         std::optional<int> lngBefore = std::nullopt);
    void lngSaveRingTime(std::int32_t week, std::int16_t hour, std::int16_t minute,
                         std::optional<int> lngBefore = std::nullopt);
    void lngSaveRingDate(std::int16_t year, std::int16_t year1, std::int16_t month, std::int16_t day,
                         std::optional<int> lngBefore = std::nullopt);
    void strSaveRingData(std::string notifyText, std::string runExe, std::string wavFile, std::string parameters,
                         std::optional<int> lngBefore = std::nullopt);
    void lngSaveItemState(std::int32_t state);

    // A position outside the list gives 0 or empty text.
    std::int32_t GetItemState(int position) const;
    std::int32_t GetNotifyMode(int position) const;
    std::int32_t GetTimeMode(int position) const;
    std::int32_t GetOpenRun(int position) const;
    std::int32_t GetwDayWeek(int position) const;
    std::int16_t GetwHour(int position) const;
    std::int16_t GetwMinute(int position) const;
    std::string GetwYear(int position) const;
    std::int16_t GetwMonth(int position) const;
    std::int16_t GetwDay(int position) const;
    std::string GetNotifyText(int position) const;
    std::string GetWavFile(int position) const;
    std::string GetRunExe(int position) const;
    std::string GetParameters(int position) const;
    // All fields of one position at once.
    RingItem GetItem(int position) const;

    std::int32_t RingItemCound() const;

    static std::string InterpretNotifyMode(std::int32_t NotifyValue);
    // A one-character yValue1 is padded to two, in the caller's text too.
    static std::string InterpretTimeMode(std::int32_t TimeValue, std::int32_t WeekValue, std::int32_t yValue,
                                         std::string& yValue1, std::int32_t MonthValue, std::int32_t DayValue);

private:
    static std::string InterpretWeekDay(std::int32_t day);

    std::vector<std::int32_t> itemState_;
    std::vector<std::int32_t> notifyMode_;
    std::vector<std::int32_t> timeMode_;
    std::vector<std::int32_t> week_;
    std::vector<std::int16_t> hour_;
    std::vector<std::int16_t> minute_;
    std::vector<std::int16_t> year_;
    std::vector<std::int16_t> year1_;
    std::vector<std::int16_t> month_;
    std::vector<std::int16_t> day_;
    std::vector<std::int32_t> openRun_;
    std::vector<std::string> notifyText_;
    std::vector<std::string> runExe_;
    std::vector<std::string> wavFile_;
    std::vector<std::string> parameters_;
};
