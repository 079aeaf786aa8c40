#include "alarms/RingRecord.h"

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

}  // namespace
