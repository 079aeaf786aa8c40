#pragma once
// One alarm item: when it is due and what it does, and the words the list and the tooltip use for it.
#include <cstdint>
#include <string>
#include <vector>

// What an item does. The values are those of record byte 1.
enum class RingAction : std::int32_t { Sound = 0, TextHint = 1, Program = 2, Restart = 3, ShutDown = 4 };
// When an item repeats. The values are those of record byte 2.
enum class RingRepeat : std::int32_t { Once = 1, Daily = 2, Weekly = 3, Monthly = 4, Yearly = 5 };

struct RingItem {
    std::int32_t lngItemState = 0;  // 1 enabled
    // A damaged record may hold a value no enumerator names; such an item does nothing and never repeats.
    RingAction lngNotifyMode = RingAction::Sound;
    RingRepeat lngTimeMode{};
    std::int32_t lngWeek = 0;  // 0 Sunday ... 6 Saturday
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
    // Kept beside the record as "Ring"+i, so the 11 bytes stay as they were: a sound that loops until stopped.
    bool ringUntilStopped = false;
};

// An alarm list in number order; the rules name an item by its position, counted from 1.
using clsSaveRingData = std::vector<RingItem>;

// Whether a stored action or repeat value is one of the enumerators.
inline bool IsKnown(RingAction action) { return action >= RingAction::Sound && action <= RingAction::ShutDown; }
inline bool IsKnown(RingRepeat repeat) { return repeat >= RingRepeat::Once && repeat <= RingRepeat::Yearly; }

// Weekday names by lngWeek.
inline constexpr const char* kWeekdayNames[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                "Thursday", "Friday", "Saturday"};

// The year part followed by the two-digit part, padded to two digits: 20 and 5 give "2005".
std::string FourDigitYear(std::int16_t year, std::int16_t year1);

// The action in words; empty for a value no enumerator names.
std::string InterpretNotifyMode(RingAction NotifyValue);
// The repeat mode with its date parts in words: "3/7/2005", "Daily", "WeeklyMonday", "Monthly15day",
// "Yearly12month25day"; empty for a value no enumerator names. A one-character yValue1 is padded to two, in
// the caller's text too.
std::string InterpretTimeMode(RingRepeat TimeValue, std::int32_t WeekValue, std::int32_t yValue, std::string& yValue1,
                              std::int32_t MonthValue, std::int32_t DayValue);
