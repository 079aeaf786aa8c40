#include "alarms/RingStore.h"
#include "alarms/SnoozeStore.h"
#include "settings/RegProcess.h"
#include "settings/RegStoreMemory.h"
#include "settings/SettingsKeys.h"
#include "system/CivilTime.h"

#include <gtest/gtest.h>

namespace {

const std::int64_t kNoon = CivilSeconds({2026, 12, 7, 12, 0, 0});

RegValue StoredSnoozeValue(int number) {
    return GetRegValue(RegRoot::CurrentUser, keys::Data, "Snooze" + std::to_string(number));
}

void StoreItems(int count) {
    RegMemoryReset();
    ReloadSnoozes();
    for (int number = 1; number <= count; ++number)
        AppendStoredRing({1, RingAction::Sound, RingRepeat::Daily, 0, 7, std::int16_t(number)});
}

// The stored shape: one text value per snoozed item, beside its record, holding the due time in UTC.
TEST(SnoozeStore, KeepsEachSnoozeAsItsDueTimeInUtcBesideTheItem) {
    StoreItems(2);
    const std::string before = RegMemoryDump();
    SnoozeRing(2, 10, kNoon, 0);
    const RegValue value = StoredSnoozeValue(2);
    EXPECT_EQ(value.kind(), RegValue::Kind::Text);
    EXPECT_EQ(value.AsText(), "2026-12-07T12:10:00Z");
    DeleteRegValue(RegRoot::CurrentUser, keys::Data, "Snooze2");
    EXPECT_EQ(RegMemoryDump(), before) << "nothing else written";
}

// Snooze, exit, start again: it rings at its time, from the store; a damaged value is dropped without ringing.
TEST(SnoozeStore, OutlivesTheProgramAndRingsOnce) {
    StoreItems(3);
    SnoozeRing(1, 5, kNoon, 0);
    SaveRegValue(RegRoot::CurrentUser, keys::Data, "Snooze3", RegType::Text, "soon");
    ReloadSnoozes();
    EXPECT_EQ(TakeDueSnoozes(kNoon + 200, 7), std::vector<int>{});
    EXPECT_EQ(StoredSnoozeValue(3).kind(), RegValue::Kind::NoValue);
    EXPECT_EQ(TakeDueSnoozes(kNoon + 300, 100007), std::vector<int>{1});
    EXPECT_EQ(StoredSnoozeValue(1).kind(), RegValue::Kind::NoValue) << "taken out before it rings";
    ReloadSnoozes();
    EXPECT_EQ(TakeDueSnoozes(kNoon + 900, 0), std::vector<int>{});
}

// Delete moves the last item into the freed number: its snooze moves along, the deleted item's goes. An unticked
// item's snooze goes, also when something else cleared the tick.
TEST(SnoozeStore, NeverRingsForADeletedOrUntickedItem) {
    StoreItems(4);
    for (const int number : {1, 2, 3, 4}) SnoozeRing(number, 5, kNoon, 0);
    RemoveStoredRing(1);
    EXPECT_EQ(StoredSnoozeValue(4).kind(), RegValue::Kind::NoValue);
    EXPECT_EQ(StoredSnoozeValue(1).AsText(), "2026-12-07T12:05:00Z");
    SaveStoredRingState(2, false);
    EXPECT_EQ(StoredSnoozeValue(2).kind(), RegValue::Kind::NoValue);
    WriteStoredRing(3, {0, RingAction::Sound, RingRepeat::Daily, 0, 7, 3});
    EXPECT_EQ(TakeDueSnoozes(kNoon + 300, 300000), std::vector<int>{1});
    EXPECT_EQ(ReadStoredRing(1)->lngMinute, 4) << "the moved item is the one that rings";
}

}  // namespace
