#pragma once
// Every persisted setting outside the alarm list, with what a reader gets when it is absent.
#include "settings/RegValue.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace keys {
inline constexpr std::string_view Option = "Software\\Tollwick\\Option";
inline constexpr std::string_view Load = "Software\\Tollwick\\Load";
inline constexpr std::string_view ClockSkin = "Software\\Tollwick\\Clock Skin";
inline constexpr std::string_view BackList = "Software\\Tollwick\\Clock Skin\\BlackFile";
inline constexpr std::string_view TimeList = "Software\\Tollwick\\Clock Skin\\TimeFile";
inline constexpr std::string_view Data = "Software\\Tollwick\\Data";
inline constexpr std::string_view Chime = "Software\\Marrowby Clock\\Load";
inline constexpr std::string_view Run = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
}  // namespace keys

struct Setting {
    RegRoot root;
    std::string_view key;
    std::string_view name;
    RegType type;                          // the type it is written with
    std::optional<std::int32_t> fallback;  // the number a reader takes when it is absent, empty or not numeric
};

// The clock's opacity: from the lowest position of the options' track bar (below it the clock would be all but
// invisible) to 255, and what it is when nothing is stored.
inline constexpr std::int32_t kLowestAlpha = 100;
inline constexpr std::int32_t kDefaultAlpha = 188;

namespace settings {
inline constexpr Setting SkinPath{RegRoot::CurrentUser, keys::Option, "SkinPath", RegType::Text, std::nullopt};
inline constexpr Setting SelBackBmp{RegRoot::CurrentUser, keys::Option, "SelBackBmp", RegType::Number, std::nullopt};
inline constexpr Setting SelTimeBmp{RegRoot::CurrentUser, keys::Option, "SelTimeBmp", RegType::Number, std::nullopt};
inline constexpr Setting RndBackBmp{RegRoot::CurrentUser, keys::Option, "RndBackBmp", RegType::Number, 0};
inline constexpr Setting RndTimeBmp{RegRoot::CurrentUser, keys::Option, "RndTimeBmp", RegType::Number, 0};
inline constexpr Setting Windowpos{RegRoot::CurrentUser, keys::Option, "Windowpos", RegType::Number, 0};
inline constexpr Setting AutoRun{RegRoot::CurrentUser, keys::Option, "AutoRun", RegType::Number, 0};
inline constexpr Setting IconRun{RegRoot::CurrentUser, keys::Option, "IconRun", RegType::Number, 0};
// Unlike the other switches, on unless it reads as 0.
inline constexpr Setting WakeFromSleep{RegRoot::CurrentUser, keys::Option, "WakeFromSleep", RegType::Number, 1};
// The snooze length last chosen in an alarm or reminder window, in minutes.
inline constexpr Setting SnoozeMinutes{RegRoot::CurrentUser, keys::Option, "SnoozeMinutes", RegType::Number, 5};
// The clock's size in percent of its skin; absent for Automatic, the monitor's scale.
inline constexpr Setting ClockSize{RegRoot::CurrentUser, keys::Option, "ClockSize", RegType::Number, std::nullopt};
inline constexpr Setting BmpBack{RegRoot::CurrentUser, keys::Load, "BmpBack", RegType::Text, std::nullopt};
inline constexpr Setting BmpTime{RegRoot::CurrentUser, keys::Load, "BmpTime", RegType::Text, std::nullopt};
inline constexpr Setting Alpha{RegRoot::CurrentUser, keys::Load, "Alpha", RegType::Number, kDefaultAlpha};
inline constexpr Setting ClockLeft{RegRoot::CurrentUser, keys::Load, "ClockLeft", RegType::Text, std::nullopt};
inline constexpr Setting ClockTop{RegRoot::CurrentUser, keys::Load, "ClockTop", RegType::Text, std::nullopt};
inline constexpr Setting HourRing{RegRoot::CurrentUser, keys::Chime, "HourRing", RegType::Text, 0};
inline constexpr Setting ChimeWavFile{RegRoot::CurrentUser, keys::Chime, "WavFile", RegType::Text, std::nullopt};
inline constexpr Setting AlarmClock{RegRoot::LocalMachine, keys::Run, "AlarmClock", RegType::Text, std::nullopt};
// Where the start-up entry goes when the machine's Run key refuses the user.
inline constexpr Setting UserAlarmClock{RegRoot::CurrentUser, keys::Run, "AlarmClock", RegType::Text, std::nullopt};

inline constexpr const Setting* All[] = {&SkinPath,   &SelBackBmp,     &SelTimeBmp,    &RndBackBmp,    &RndTimeBmp,
                                         &Windowpos,  &AutoRun,        &IconRun,       &BmpBack,       &BmpTime,
                                         &Alpha,      &ClockLeft,      &ClockTop,      &HourRing,      &ChimeWavFile,
                                         &AlarmClock, &UserAlarmClock, &WakeFromSleep, &SnoozeMinutes, &ClockSize};
}  // namespace settings

// A switch is on when its text is a number greater than 0; anything else is off.
bool IsFlagOn(std::string_view text);

// Whatever the stored type, settings are read as text.
std::string ReadSettingText(const Setting& setting);
// The stored number, or the setting's fallback when it is absent, empty or not numeric.
std::optional<std::int32_t> ReadSettingNumber(const Setting& setting);
bool ReadSettingFlag(const Setting& setting);

bool SaveSetting(const Setting& setting, std::string_view text);
bool SaveSetting(const Setting& setting, std::int32_t number);
void DeleteSetting(const Setting& setting);
