#pragma once
// Alarm items written in the stored format, as the alarm forms write them, and loaded into the scheduler's list.
#include "alarms/RingList.h"
#include "settings/RegProcess.h"
#include "settings/SettingsKeys.h"

#include <string>
#include <utility>
#include <vector>

using RingTexts = std::vector<std::pair<const char*, std::string>>;  // "Text", "RunExe", ... without the number

struct StoredRing {
    std::vector<std::uint8_t> record;
    RingTexts texts;
};

// An enabled daily item at 7:`minute`; `action` is record byte 1 (0 sound, 1 text, 2 program, 3 restart, 4 shut down).
inline StoredRing DailyAt7(std::uint8_t minute, std::uint8_t action, RingTexts texts = {}) {
    return {{1, action, 2, 0, 7, minute, 20, 26, 1, 1, 0}, std::move(texts)};
}

inline void StoreRings(const std::vector<StoredRing>& items) {
    DeleteRegKey(RegRoot::CurrentUser, "Software\\Tollwick", "Data");
    int count = 0;
    for (const auto& [record, texts] : items) {
        const std::string number = std::to_string(++count);
        SaveRegBinary(RegRoot::CurrentUser, keys::Data, "Data" + number, record.data(), record.size());
        for (const auto& [field, text] : texts)
            SaveRegValue(RegRoot::CurrentUser, keys::Data, field + number, RegType::Text, text);
    }
    SaveRegValue(RegRoot::CurrentUser, keys::Data, "DataCount", RegType::Number, count);
    LoadRingData();
}
