#pragma once
// Alarm items written in the stored format, as the alarm forms write them, and loaded into the scheduler's list.
#include "alarms/RingList.h"
#include "settings/RegProcess.h"
#include "settings/SettingsKeys.h"

#include <string>
#include <utility>
#include <vector>

struct StoredRing {
    std::vector<std::uint8_t> record;
    std::vector<std::pair<const char*, std::string>> texts;  // "Text", "RunExe", ... with the item's number to come
};

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
