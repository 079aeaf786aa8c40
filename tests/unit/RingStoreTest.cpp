#include "alarms/RingList.h"
#include "alarms/RingRecord.h"
#include "settings/RegProcess.h"
#include "settings/RegStoreMemory.h"
#include "settings/SettingsKeys.h"

#include <gtest/gtest.h>

namespace {

// Each of the eleven bytes lands in its own field, as an unsigned number, and encodes back to its place.
TEST(RingStore, EveryRecordByteHasItsField) {
    std::vector<std::uint8_t> bytes;
    for (int i = 0; i < 11; ++i) bytes.push_back(std::uint8_t(1 + 23 * i));  // 1, 24, ... 231
    const RingItem item = DecodeRingRecord(bytes).value();
    const std::pair<const char*, int> fields[] = {
        {"state", item.lngItemState}, {"action", item.lngNotifyMode}, {"repeat", item.lngTimeMode},
        {"weekday", item.lngWeek},    {"hour", item.lngHour},         {"minute", item.lngMinute},
        {"century", item.lngYear},    {"year", item.lngYear1},        {"month", item.lngMonth},
        {"day", item.lngwDay},        {"reserved", item.lngOpenRun},
    };
    for (int i = 0; i < 11; ++i) EXPECT_EQ(fields[i].second, bytes[i]) << "byte " << i << " is the " << fields[i].first;
    const RingRecord encoded = EncodeRingRecord(item);
    EXPECT_EQ(std::vector<std::uint8_t>(encoded.begin(), encoded.end()), bytes);
}

TEST(RingStore, RecordsLoadByNumberAndDamageCostsOnlyItsItem) {
    RegMemoryReset();
    const auto write = [](int number, std::vector<std::uint8_t> bytes) {
        SaveRegBinary(RegRoot::CurrentUser, keys::Data, "Data" + std::to_string(number), bytes.data(), bytes.size());
    };
    const std::vector<std::uint8_t> third{1, 2, 3, 6, 23, 3, 20, 5, 11, 9, 4};
    write(3, third);
    write(4, {1, 0, 2, 0, 7});  // short, as is the missing fifth
    write(6, {1, 0, 2, 0, 7, 6, 20, 26, 1, 1, 0});
    SaveRegValue(RegRoot::CurrentUser, keys::Data, "Text2", RegType::Text, "of the missing record");
    SaveRegValue(RegRoot::CurrentUser, keys::Data, "Text3", RegType::Text, "three");
    // A count far beyond the records neither hangs nor loses them.
    for (const int count : {6, 2147483647}) {
        SaveRegValue(RegRoot::CurrentUser, keys::Data, "DataCount", RegType::Number, count);
        LoadRingData();
        ASSERT_EQ(RingCount, 2) << count;
        EXPECT_EQ(RingList.GetwMinute(1) * 10 + RingList.GetwMinute(2), 36) << count;
        EXPECT_EQ(RingList.GetNotifyText(1) + "|" + RingList.GetNotifyText(2), "three|") << count;
    }
    RingList.SaveRegRingData();  // renumbered from 1, one byte a field
    EXPECT_EQ(GetRegValue(RegRoot::CurrentUser, keys::Data, "Data1").Bytes(), third);
}

}  // namespace
