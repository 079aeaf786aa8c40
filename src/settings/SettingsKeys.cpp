#include "settings/SettingsKeys.h"

#include "settings/RegProcess.h"

bool IsFlagOn(std::string_view text) {
    const auto number = ParseNumber(text);
    return number && *number > 0;
}

std::string ReadSettingText(const Setting& setting) {
    return GetRegValue(setting.root, setting.key, setting.name).AsText();
}

std::optional<std::int32_t> ReadSettingNumber(const Setting& setting) {
    const auto number = ParseNumber(ReadSettingText(setting));
    return number ? number : setting.fallback;
}

bool ReadSettingFlag(const Setting& setting) { return IsFlagOn(ReadSettingText(setting)); }

bool SaveSetting(const Setting& setting, std::string_view text) {
    return SaveRegValue(setting.root, setting.key, setting.name, setting.type, text);
}

bool SaveSetting(const Setting& setting, std::int32_t number) {
    return SaveRegValue(setting.root, setting.key, setting.name, setting.type, number);
}

void DeleteSetting(const Setting& setting) { DeleteRegValue(setting.root, setting.key, setting.name); }
