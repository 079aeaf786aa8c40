// Random registry contents, of every type and length, under the alarm list and every setting: reading them
// never crashes (the sanitizers watch), gives each reader its documented result, loses no well-formed record
// and changes nothing that is stored.
#include "alarms/RingList.h"
#include "alarms/RingRecord.h"
#include "alarms/RingRules.h"
#include "settings/RegProcess.h"
#include "settings/RegStore.h"
#include "settings/RegStoreMemory.h"
#include "settings/SettingsKeys.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// Kinds of stored value besides absent and the texts below: a type (0 for a random one) and a size range.
struct Shape {
    std::uint32_t type;
    int size, spread;
};
constexpr Shape kShapes[] = {
    {1, 0, 40},     // text of random bytes, terminated or not
    {1, 1000, 64},  // text about as long as a read buffer
    {4, 4, 1},      // a number
    {4, 0, 9},      // a number of the wrong size
    {3, 11, 3},     // a record
    {3, 0, 11},     // a record cut short
    {0, 0, 16},     // any other type
};
// Numbers in and out of range, signs, blanks, junk.
constexpr const char* kTexts[] = {"0",           "1",     "-1", "188",  " 7 ",          "+5",  "2147483648",
                                  "-2147483649", "12abc", "",   "0x10", "999999999999", "1e3", "\xff\xfe"};

class RandomStore {
public:
    explicit RandomStore(std::uint32_t seed) : random_(seed) {}

    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

    void Put(std::string_view key, const std::string& name) {
        const int pick = Below(std::size(kShapes) + 2);
        if (pick == 0) return;  // absent
        std::vector<std::uint8_t> data;
        std::uint32_t type = 1;
        if (pick == 1) {
            const std::string_view text = kTexts[Below(std::size(kTexts))];
            data.assign(text.begin(), text.end());
            if (Below(2)) data.push_back(0);
        } else {
            const Shape& shape = kShapes[pick - 2];
            type = shape.type ? shape.type : std::uint32_t(Below(12));
            data.resize(shape.size + Below(shape.spread));
            for (auto& byte : data) byte = std::uint8_t(random_());
        }
        regstore::Write(RegRoot::CurrentUser, key, name, type, data.data(), data.size());
    }

private:
    std::mt19937 random_;
};

// What a well-formed record at position `number` loads as, if it is one.
std::optional<RingItem> StoredRecord(int number) {
    const RegValue value = GetRegValue(RegRoot::CurrentUser, keys::Data, RingValueName("Data", number));
    return value.kind() == RegValue::Kind::Bytes ? DecodeRingRecord(value.Bytes()) : std::nullopt;
}

TEST(StoredDataFuzz, ReadingAnythingStoredIsSafeAndChangesNothing) {
    RandomStore store(13);
    for (int round = 0; round < 2000; ++round) {
        RegMemoryReset();
        const int records = store.Below(12);
        for (int i = 0; i <= records + 1; ++i)
            for (const char* field : {"Data", "Text", "RunExe", "WavFile", "Parameters"})
                store.Put(keys::Data, RingValueName(field, i));
        // Now and then a count that is right, so the loader reads everything.
        if (store.Below(3) == 0)
            SaveRegValue(RegRoot::CurrentUser, keys::Data, "DataCount", RegType::Number, records);
        else
            store.Put(keys::Data, "DataCount");
        for (const Setting* setting : settings::All) store.Put(setting->key, std::string(setting->name));
        const std::string before = RegMemoryDump();

        LoadRingData();
        const auto count = GetRegValue(RegRoot::CurrentUser, keys::Data, "DataCount").AsNumber().value_or(0);
        int expected = 0;
        for (int i = 1; i <= std::min(count, records + 1); ++i) {
            const auto record = StoredRecord(i);
            if (!record) continue;
            ++expected;
            const RingItem loaded = RingList.GetItem(expected);
            EXPECT_EQ(EncodeRingRecord(loaded), EncodeRingRecord(*record)) << "round " << round << ", record " << i;
            EXPECT_EQ(loaded.strNotifyText.find('\0'), std::string::npos) << "round " << round;
        }
        ASSERT_EQ(RingCount, expected) << "round " << round;
        ASSERT_EQ(RingList.RingItemCound(), expected) << "round " << round;

        // Whatever the fields hold, the display texts and the due rule only look at them.
        for (int i = 1; i <= RingCount; ++i) {
            const RingItem item = RingList.GetItem(i);
            std::string year1 = std::to_string(item.lngYear1);
            clsSaveRingData::InterpretTimeMode(item.lngTimeMode, item.lngWeek, item.lngYear, year1, item.lngMonth,
                                               item.lngwDay);
            clsSaveRingData::InterpretNotifyMode(item.lngNotifyMode);
            IsRingDue(item, ToCivil(CivilSeconds(CivilTime{2026, 2, 28, item.lngHour, item.lngMinute, 0})));
        }

        for (const Setting* setting : settings::All) {
            const std::string text = ReadSettingText(*setting);
            const auto number = ReadSettingNumber(*setting);
            const auto parsed = ParseNumber(text);
            EXPECT_EQ(number, parsed ? parsed : setting->fallback) << setting->name << " round " << round;
            EXPECT_EQ(ReadSettingFlag(*setting), parsed && *parsed > 0) << setting->name << " round " << round;
        }
        ASSERT_EQ(RegMemoryDump(), before) << "reading changed the store in round " << round;
    }
}

}  // namespace
