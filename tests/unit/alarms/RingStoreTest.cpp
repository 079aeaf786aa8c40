#include "alarms/RingRecord.h"
#include "alarms/RingStore.h"
#include "settings/RegProcess.h"
#include "settings/RegStore.h"
#include "settings/RegStoreMemory.h"
#include "settings/SettingsKeys.h"

#include <gtest/gtest.h>

#include <numeric>
#include <tuple>

namespace {

// Each of the eleven bytes lands in its own field, as an unsigned number, and encodes back to its place; the
// action and repeat values keep the bytes every earlier version stored.
TEST(RingStore, EveryRecordByteHasItsFieldAndEveryModeItsByte) {
    std::vector<std::uint8_t> bytes;
    for (int i = 0; i < 11; ++i) bytes.push_back(std::uint8_t(1 + 23 * i));  // 1, 24, ... 231
    const RingItem item = DecodeRingRecord(bytes).value();
    const int fields[] = {
        item.lngItemState, int(item.lngNotifyMode), int(item.lngTimeMode), item.lngWeek, item.lngHour,   item.lngMinute,
        item.lngYear,      item.lngYear1,           item.lngMonth,         item.lngwDay, item.lngOpenRun};
    for (int i = 0; i < 11; ++i) EXPECT_EQ(fields[i], bytes[i]) << "byte " << i;
    const RingRecord encoded = EncodeRingRecord(item);
    EXPECT_EQ(std::vector<std::uint8_t>(encoded.begin(), encoded.end()), bytes);
    const std::pair<RingAction, RingRepeat> modes[] = {{RingAction::Sound, RingRepeat::Once},
                                                       {RingAction::TextHint, RingRepeat::Daily},
                                                       {RingAction::Program, RingRepeat::Weekly},
                                                       {RingAction::Restart, RingRepeat::Monthly},
                                                       {RingAction::ShutDown, RingRepeat::Yearly}};
    for (int i = 0; i < 5; ++i) {
        const RingRecord record = EncodeRingRecord({1, modes[i].first, modes[i].second});
        EXPECT_EQ(std::pair(int(record[1]), int(record[2])), std::pair(i, i + 1))
            << InterpretNotifyMode(modes[i].first);
    }
}

// The stored list: each item's minute (R: it rings until stopped) and text, "-" where no record reads, and the count.
std::string StoredList() {
    std::string all;
    for (const auto& item : ReadStoredRings())
        all += item ? std::to_string(item->lngMinute) + (item->ringUntilStopped ? "R" : "") + item->strNotifyText + " "
                    : "- ";
    return all + "count " + std::to_string(StoredRingCount());
}

// Whatever "DataCount" says, the list holds every record from 1 on (a missing one within the count keeps its
// place), an added item goes right after the last and overwrites none, and the count written is the list's.
// Each record's minute is its number; "-" marks a place without a readable record.
TEST(RingStore, ADamagedCountHidesNoItemAndAddingOverwritesNone) {
    const std::tuple<const char*, std::optional<std::int32_t>, std::vector<int>, std::string> cases[] = {
        {"right", 3, {1, 2, 3}, "1 2 3 99 count 4"},
        {"absent", std::nullopt, {1, 2}, "1 2 99 count 3"},
        {"largest", 0x7FFFFFFF, {1, 2, 3}, "1 2 3 99 count 4"},
        {"negative", -1, {1, 2, 3}, "1 2 3 99 count 4"},
        {"short of the records", 1, {1, 2, 3}, "1 2 3 99 count 4"},
        {"a gap within", 5, {1, 2, 4, 5}, "1 2 - 4 5 99 count 6"},
        {"none stored", 7, {}, "99 count 1"},
    };
    const auto store = [](std::optional<std::int32_t> count, const std::vector<int>& numbers) {
        RegMemoryReset();
        for (const int number : numbers)
            WriteStoredRing(number, {1, RingAction::TextHint, RingRepeat::Daily, 0, 7, std::int16_t(number)});
        if (count) SaveRegValue(RegRoot::CurrentUser, keys::Data, "DataCount", RegType::Number, *count);
    };
    for (const auto& [name, count, numbers, after] : cases) {
        store(count, numbers);
        AppendStoredRing({1, RingAction::TextHint, RingRepeat::Daily, 0, 7, 99});
        EXPECT_EQ(StoredList(), after) << name;
    }
    store(5000, {1, 2, 3});
    RemoveStoredRing(1);
    EXPECT_EQ(StoredList(), "3 2 count 2") << "the first of three removed under a count of 5000";
    std::vector<int> full(kMaxStoredRings);
    std::iota(full.begin(), full.end(), 1);
    store(kMaxStoredRings, full);
    EXPECT_EQ(AppendStoredRing({}), std::nullopt) << "a full list takes no more";
    EXPECT_EQ(StoredRingCount(), kMaxStoredRings);
}

// Delete moves the last item into the freed number with everything stored beside its record, and leaves nothing of
// the deleted one. "Ring until stopped" is the DWORD "Ring"+i beside an unchanged 11-byte record, only where set.
TEST(RingStore, RemovingMovesTheLastItemWithAllItsValues) {
    RegMemoryReset();
    for (int i = 1; i <= 4; ++i) {
        RingItem item{1, RingAction::Sound, RingRepeat::Daily, 0, 7, std::int16_t(i), 20, 26, 1, 1, 0};
        item.ringUntilStopped = i % 2, item.strNotifyText = i < 4 ? std::string(1, char('a' + i - 1)) : "";
        AppendStoredRing(item);
    }
    std::uint32_t type = 0;
    std::vector<std::uint8_t> data;
    regstore::Read(RegRoot::CurrentUser, keys::Data, "Ring1", type, data);
    EXPECT_EQ(type, 4u) << "REG_DWORD";
    EXPECT_EQ(data, (std::vector<std::uint8_t>{1, 0, 0, 0}));
    const auto value = [](const char* field, int number) {
        return GetRegValue(RegRoot::CurrentUser, keys::Data, RingValueName(field, number));
    };
    EXPECT_EQ(value("Ring", 2).kind(), RegValue::Kind::NoValue);
    EXPECT_EQ(value("Data", 1).Bytes().size(), kRingRecordSize);
    EXPECT_EQ(StoredList(), "1Ra 2b 3Rc 4 count 4");

    RemoveStoredRing(1);  // 4 moves into 1: 1's text and flag go
    RemoveStoredRing(2);  // 3 moves into 2 with its text and flag
    EXPECT_EQ(StoredList(), "4 3Rc count 2");
    for (const char* field : {"Data", "Text", "Ring"})
        EXPECT_EQ(std::pair(value(field, 3).kind(), value(field, 4).kind()),
                  std::pair(RegValue::Kind::NoValue, RegValue::Kind::NoValue))
            << field;
    RemoveStoredRing(2);
    EXPECT_EQ(StoredList(), "4 count 1") << "the last removed";
    SaveRegValue(RegRoot::CurrentUser, keys::Data, "Ring1", RegType::Number, 0);
    EXPECT_FALSE(ReadStoredRing(1)->ringUntilStopped) << "a flag written by hand as 0";
    RemoveStoredRing(1);
    EXPECT_EQ(StoredList(), "count 0") << "the only one removed";
}

}  // namespace
