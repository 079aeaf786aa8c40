#include "alarms/RingList.h"
#include "alarms/RingRecord.h"
#include "settings/RegProcess.h"
#include "settings/RegStoreMemory.h"
#include "settings/SettingsKeys.h"

#include <gtest/gtest.h>

namespace {

constexpr RegRoot kUser = RegRoot::CurrentUser;

void WriteRecord(int number, std::vector<std::uint8_t> bytes) {
    SaveRegBinary(kUser, keys::Data, RingValueName("Data", number), bytes.data(), bytes.size());
}

TEST(RingStore, DisplayTexts) {
    const struct {
        int mode, week, month, day;
        std::string year1, text, paddedYear1;
    } cases[] = {{1, 0, 3, 7, "5", "3/7/2005", "05"},
                 {1, 0, 12, 31, "15", "12/31/2015", "15"},
                 {2, 0, 0, 0, "", "Daily", ""},
                 {3, 1, 0, 0, "", "WeeklyMonday", ""},
                 {3, 7, 0, 0, "", "Weekly", ""},
                 {4, 0, 0, 15, "", "Monthly15day", ""},
                 {5, 0, 12, 25, "", "Yearly12month25day", ""},
                 {0, 0, 1, 1, "5", "", "5"}};
    for (auto c : cases) {
        EXPECT_EQ(clsSaveRingData::InterpretTimeMode(c.mode, c.week, 20, c.year1, c.month, c.day), c.text) << c.text;
        EXPECT_EQ(c.year1, c.paddedYear1) << c.text;
    }
    EXPECT_EQ(clsSaveRingData::InterpretNotifyMode(2), "Run the special program");
    EXPECT_EQ(clsSaveRingData::InterpretNotifyMode(5), "");
    EXPECT_EQ(clsSaveRingData::InterpretNotifyMode(-1), "");
    for (const auto& [year1, text] : {std::pair{5, "2005"}, {15, "2015"}, {0, "2000"}, {255, "20255"}}) {
        clsSaveRingData list;
        list.lngSaveRingDate(20, std::int16_t(year1), 1, 1);
        EXPECT_EQ(list.GetwYear(1), text);
    }
}

TEST(RingStore, DamageCostsOnlyTheDamagedItem) {
    RegMemoryReset();
    LoadRingData();  // no key at all
    EXPECT_EQ(RingCount, 0);
    WriteRecord(1, {1, 0, 2, 0, 7, 0, 20, 26, 1, 1, 0});
    LoadRingData();  // no count
    EXPECT_EQ(RingCount, 0);

    WriteRecord(3, {1, 0, 2, 0, 7, 3, 20, 26, 1, 1, 0});
    WriteRecord(4, {1, 0, 2, 0, 7});  // short
    SaveRegValue(kUser, keys::Data, "Data5", RegType::Text, "not a record");
    WriteRecord(6, {1, 0, 2, 0, 7, 6, 20, 26, 1, 1, 0});
    SaveRegValue(kUser, keys::Data, "Text2", RegType::Text, "of the missing record");
    SaveRegValue(kUser, keys::Data, "Text3", RegType::Text, "three");
    SaveRegValue(kUser, keys::Data, "DataCount", RegType::Number, 6);
    LoadRingData();
    ASSERT_EQ(RingCount, 3);
    EXPECT_EQ(RingList.GetwMinute(2), 3);
    EXPECT_EQ(RingList.GetNotifyText(2), "three");
    EXPECT_EQ(RingList.GetNotifyText(3), "");
    EXPECT_EQ(RingList.GetwMinute(3), 6);
    // A count far beyond the records neither hangs nor loses them.
    SaveRegValue(kUser, keys::Data, "DataCount", RegType::Number, 2147483647);
    LoadRingData();
    EXPECT_EQ(RingCount, 3);
}

}  // namespace
