// Random registry contents, of every type and length, under the alarm list and every setting: reading them
// never crashes (the sanitizers watch), gives each reader its documented result, loses no well-formed record
// and changes nothing that is stored.
#include "alarms/RingList.h"
#include "alarms/RingRecord.h"
#include "alarms/RingRules.h"
#include "alarms/RingStore.h"
#include "settings/RegProcess.h"
#include "settings/RegStore.h"
#include "settings/RegStoreMemory.h"
#include "settings/SettingsKeys.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// Numbers in and out of range, signs, blanks, junk.
constexpr std::string_view kTexts[] = {"0", "-1", "188", " 7 ", "+5", "2147483648", "12abc", "", "0x10", "\xff\xfe"};

// Absent, one of the texts above, or random bytes of a text, record, number or any type, at sizes around
// those that matter: a DWORD, a record, a read buffer.
void PutRandom(std::mt19937& random, std::string_view key, const std::string& name) {
    const auto below = [&random](std::size_t n) { return random() % n; };
    const std::size_t pick = below(4);
    if (pick == 0) return;
    std::string data(kTexts[below(std::size(kTexts))]);
    if (below(2)) data += '\0';
    std::uint32_t type = 1;
    if (pick > 1) {
        const std::uint32_t types[] = {1, 3, 4, std::uint32_t(below(12))};
        const std::size_t sizes[] = {below(16), 4, 11 + below(3), 1000 + below(64)};
        type = types[below(4)];
        data.resize(sizes[below(4)]);
        for (char& byte : data) byte = char(random());
    }
    regstore::Write(RegRoot::CurrentUser, key, name, type, data.data(), data.size());
}

RegValue Stored(std::string_view name) { return GetRegValue(RegRoot::CurrentUser, keys::Data, name); }

TEST(StoredDataFuzz, ReadingAnythingStoredIsSafeAndChangesNothing) {
    std::mt19937 random(13);
    for (int round = 0; round < 2000; ++round) {
        SCOPED_TRACE(round);
        RegMemoryReset();
        const int records = int(random() % 12);
        for (int i = 0; i <= records + 1; ++i)
            for (const char* field : {"Data", "Text", "RunExe", "WavFile", "Parameters"})
                PutRandom(random, keys::Data, RingValueName(field, i));
        PutRandom(random, keys::Data, "DataCount");
        // Now and then a count that is right, so the loader reads everything.
        if (random() % 3 == 0) SaveRegValue(RegRoot::CurrentUser, keys::Data, "DataCount", RegType::Number, records);
        for (const Setting* setting : settings::All) PutRandom(random, setting->key, std::string(setting->name));
        const std::string before = RegMemoryDump();

        LoadRingData();
        int loaded = 0;
        const int count = StoredRingCount();
        for (int i = 1; i <= count; ++i) {
            const auto record = DecodeRingRecord(Stored(RingValueName("Data", i)).Bytes());
            if (!record) continue;
            const RingItem item = RingList.at(loaded++);
            EXPECT_EQ(EncodeRingRecord(item), EncodeRingRecord(*record)) << "record " << i;
            EXPECT_EQ(item.strNotifyText, Stored(RingValueName("Text", i)).AsText()) << "record " << i;
            // Whatever the fields hold, the display texts and the due rule only look at them.
            std::string year1 = std::to_string(item.lngYear1);
            InterpretTimeMode(item.lngTimeMode, item.lngWeek, item.lngYear, year1, item.lngMonth, item.lngwDay);
            InterpretNotifyMode(item.lngNotifyMode);
            IsRingDue(item, ToCivil(CivilSeconds(CivilTime{2026, 2, 28, item.lngHour, item.lngMinute, 0})));
        }
        ASSERT_EQ(RingCount, loaded);

        for (const Setting* setting : settings::All) {
            const auto parsed = ParseNumber(ReadSettingText(*setting));
            EXPECT_EQ(ReadSettingNumber(*setting), parsed ? parsed : setting->fallback) << setting->name;
            EXPECT_EQ(ReadSettingFlag(*setting), parsed && *parsed > 0) << setting->name;
        }
        ASSERT_EQ(RegMemoryDump(), before) << "reading changed the store";
    }
}

}  // namespace
