#include "alarms/RingStore.h"
#include "alarms/SnoozeRules.h"
#include "alarms/SnoozeStore.h"
#include "settings/RegProcess.h"
#include "settings/RegStoreMemory.h"
#include "settings/SettingsKeys.h"
#include "system/CivilTime.h"

#include <gtest/gtest.h>

namespace {

const std::int64_t kNoon = CivilSeconds({2026, 12, 7, 12, 0, 0});

TEST(SnoozeRules, StampsRoundTripAndOddOnesAreRefused) {
    EXPECT_EQ(SnoozeStamp(kNoon + 65), "2026-12-07T12:01:05Z");
    EXPECT_EQ(ParseSnoozeStamp("2026-12-07T12:01:05Z"), kNoon + 65);
    for (const char* odd : {"", "2026-12-07T12:01:05", "2026-12-07 12:01:05Z", "2026-02-31T12:00:00Z",
                            "2026-12-07T25:00:00Z", "2026-12-07T12:01:05Z ", "tomorrow"})
        EXPECT_EQ(ParseSnoozeStamp(odd), std::nullopt) << odd;
    const std::pair<std::optional<std::int32_t>, int> lengths[] = {
        {std::nullopt, 5}, {5, 5}, {10, 10}, {15, 15}, {7, 5}, {0, 5}, {-10, 5}};
    for (const auto& [stored, minutes] : lengths) EXPECT_EQ(SnoozeMinutesOrFirst(stored), minutes);
}

// The wall clock set an hour either way while a snooze waits changes neither when it rings nor, once the program
// notices, the due time it would be read back with; it rings once.
TEST(SnoozeRules, ASnoozeIsALengthOfTimeAndRingsOnce) {
    for (const std::int64_t jump : {3600, -3600}) {
        SnoozeList list;
        EXPECT_EQ(list.Add(2, 10, kNoon, 1000), (StoredSnooze{2, kNoon + 600}));
        list.Add(3, 5, kNoon, 1000);
        EXPECT_EQ(list.TakeDue(300999), std::vector<int>{}) << jump;
        EXPECT_EQ(list.Restamp(kNoon + 300 + jump, 301000),
                  (std::vector<StoredSnooze>{{2, kNoon + 600 + jump}, {3, kNoon + 300 + jump}}));
        EXPECT_EQ(list.Restamp(kNoon + 301 + jump, 302000), std::vector<StoredSnooze>{}) << "only once";
        EXPECT_EQ(list.TakeDue(601000), (std::vector<int>{3, 2})) << "earliest first";
        EXPECT_EQ(list.TakeDue(900000), std::vector<int>{}) << "never twice";
    }
    SnoozeList list;
    list.Add(4, 5, kNoon, 0), list.Add(4, 15, kNoon, 0);
    EXPECT_EQ(list.TakeDue(300000), std::vector<int>{}) << "a new snooze replaces the item's old one";
    list.Load({{1, kNoon + 120}, {2, kNoon - 3600}}, kNoon, 50);
    EXPECT_EQ(list.TakeDue(50), std::vector<int>{2}) << "one missed while the program was closed rings at start";
    EXPECT_EQ(list.TakeDue(120050), std::vector<int>{1});
}

RegValue StoredSnoozeValue(int number) {
    return GetRegValue(RegRoot::CurrentUser, keys::Data, "Snooze" + std::to_string(number));
}

void StoreItems(int count) {
    RegMemoryReset();
    ReloadSnoozes();
    for (int number = 1; number <= count; ++number)
        AppendStoredRing({1, RingAction::Sound, RingRepeat::Daily, 0, 7, std::int16_t(number)});
}

// Stored as one text value per snoozed item, beside its record, holding the due time in UTC. Snooze, exit, start
// again: it rings at its time, from the store; a damaged value is dropped without ringing; nothing is left.
TEST(SnoozeStore, KeepsEachSnoozeAsItsDueTimeInUtcAndOutlivesTheProgram) {
    StoreItems(3);
    const std::string before = RegMemoryDump();
    SnoozeRing(1, 5, kNoon, 0);
    EXPECT_EQ(StoredSnoozeValue(1).kind(), RegValue::Kind::Text);
    EXPECT_EQ(StoredSnoozeValue(1).AsText(), "2026-12-07T12:05:00Z");
    SaveRegValue(RegRoot::CurrentUser, keys::Data, "Snooze3", RegType::Text, "soon");
    ReloadSnoozes();
    EXPECT_EQ(TakeDueSnoozes(kNoon + 200, 7), std::vector<int>{});
    EXPECT_EQ(StoredSnoozeValue(3).kind(), RegValue::Kind::NoValue);
    EXPECT_EQ(TakeDueSnoozes(kNoon + 300, 100007), std::vector<int>{1});
    EXPECT_EQ(RegMemoryDump(), before) << "taken out before it rings, and nothing else written";
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
