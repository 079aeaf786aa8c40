#include "alarms/RingList.h"
#include "alarms/RingRecord.h"
#include "settings/RegProcess.h"
#include "settings/RegStoreMemory.h"
#include "settings/SettingsKeys.h"

#include <gtest/gtest.h>

namespace {

constexpr RegRoot kUser = RegRoot::CurrentUser;

class RingStore : public testing::Test {
protected:
    void SetUp() override { RegMemoryReset(); }

    static void WriteRecord(int number, std::vector<std::uint8_t> bytes) {
        SaveRegBinary(kUser, keys::Data, RingValueName("Data", number), bytes.data(), bytes.size());
    }
    static void WriteText(std::string_view field, int number, std::string_view text) {
        SaveRegValue(kUser, keys::Data, RingValueName(field, number), RegType::Text, text);
    }
    static void WriteCount(int count) { SaveRegValue(kUser, keys::Data, "DataCount", RegType::Number, count); }
    static bool Stored(std::string_view field, int number) {
        return GetRegValue(kUser, keys::Data, RingValueName(field, number)).kind() != RegValue::Kind::NoValue;
    }
};

TEST_F(RingStore, DisplayTexts) {
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
                 {0, 0, 1, 1, "5", "", "5"},
                 {6, 0, 1, 1, "5", "", "5"}};
    for (auto c : cases) {
        EXPECT_EQ(clsSaveRingData::InterpretTimeMode(c.mode, c.week, 20, c.year1, c.month, c.day), c.text)
            << "mode " << c.mode;
        EXPECT_EQ(c.year1, c.paddedYear1) << "mode " << c.mode;
    }
    EXPECT_EQ(clsSaveRingData::InterpretNotifyMode(2), "Run the special program");
    EXPECT_EQ(clsSaveRingData::InterpretNotifyMode(3), "Re-start computer");
    EXPECT_EQ(clsSaveRingData::InterpretNotifyMode(5), "");
    EXPECT_EQ(clsSaveRingData::InterpretNotifyMode(-1), "");
}

TEST_F(RingStore, YearTextJoinsCenturyAndPaddedYear) {
    const struct {
        std::int16_t year, year1;
        const char* text;
    } cases[] = {{20, 5, "2005"}, {20, 15, "2015"}, {20, 0, "2000"}, {19, 99, "1999"}, {20, 255, "20255"}};
    for (const auto& c : cases) {
        clsSaveRingData list;
        list.lngSaveRingDate(c.year, c.year1, 1, 1);
        EXPECT_EQ(list.GetwYear(1), c.text) << c.year << " " << c.year1;
    }
}

TEST_F(RingStore, RecordBytesFollowTheFieldOrder) {
    RingItem item{1, 2, 3, 6, 23, 59, 20, 5, 12, 31, 0, "t", "r", "w", "p"};
    const RingRecord record = EncodeRingRecord(item);
    EXPECT_EQ(record, (RingRecord{1, 2, 3, 6, 23, 59, 20, 5, 12, 31, 0}));
    const auto back = DecodeRingRecord(std::vector<std::uint8_t>(record.begin(), record.end()));
    ASSERT_TRUE(back);
    EXPECT_EQ(EncodeRingRecord(*back), record);
    EXPECT_FALSE(DecodeRingRecord(std::vector<std::uint8_t>(10, 1)));
    // Larger values keep their low byte: a byte is all the record holds.
    item.lngHour = 300;
    EXPECT_EQ(EncodeRingRecord(item)[4], 300 % 256);
}

TEST_F(RingStore, LoadsItemsAndTheirTexts) {
    WriteRecord(1, {1, 0, 2, 0, 7, 30, 20, 26, 1, 1, 0});
    WriteText("WavFile", 1, "C:\\Sounds\\wake up.wav");
    WriteRecord(2, {0, 2, 3, 1, 8, 0, 20, 26, 2, 3, 0});
    WriteText("RunExe", 2, "C:\\Tools\\app.exe");
    WriteText("Parameters", 2, "-x");
    WriteRecord(3, {1, 1, 1, 0, 9, 5, 20, 26, 12, 24, 0});  // above the count: ignored
    WriteCount(2);
    LoadRingData();
    ASSERT_EQ(RingCount, 2);
    EXPECT_EQ(RingList.GetWavFile(1), "C:\\Sounds\\wake up.wav");
    EXPECT_EQ(RingList.GetNotifyText(1), "");
    EXPECT_EQ(RingList.GetwMinute(1), 30);
    EXPECT_EQ(RingList.GetItemState(2), 0);
    EXPECT_EQ(RingList.GetwDayWeek(2), 1);
    EXPECT_EQ(RingList.GetRunExe(2), "C:\\Tools\\app.exe");
    EXPECT_EQ(RingList.GetParameters(2), "-x");
    EXPECT_EQ(RingList.GetwYear(2), "2026");
}

TEST_F(RingStore, DamageCostsOnlyTheDamagedItem) {
    LoadRingData();  // no key at all
    EXPECT_EQ(RingCount, 0);
    WriteRecord(1, {1, 0, 2, 0, 7, 0, 20, 26, 1, 1, 0});
    LoadRingData();  // no count
    EXPECT_EQ(RingCount, 0);

    WriteRecord(3, {1, 0, 2, 0, 7, 3, 20, 26, 1, 1, 0});
    WriteRecord(4, {1, 0, 2, 0, 7});  // short
    SaveRegValue(kUser, keys::Data, "Data5", RegType::Text, "not a record");
    WriteRecord(6, {1, 0, 2, 0, 7, 6, 20, 26, 1, 1, 0, 9});  // one byte too many: the first 11 count
    WriteText("Text", 2, "belongs to the missing record");
    WriteText("Text", 3, "three");
    WriteCount(6);
    LoadRingData();
    ASSERT_EQ(RingCount, 3);
    EXPECT_EQ(RingList.GetwMinute(1), 0);
    EXPECT_EQ(RingList.GetwMinute(2), 3);
    EXPECT_EQ(RingList.GetNotifyText(2), "three");
    EXPECT_EQ(RingList.GetwMinute(3), 6);

    // An absurd count neither hangs nor loses the items that are there.
    WriteCount(2147483647);
    LoadRingData();
    EXPECT_EQ(RingCount, 3);
}

TEST_F(RingStore, SavedListLoadsBackAndWritesOnlyTheTextsItsActionUses) {
    clsSaveRingData list;
    const auto add = [&](int state, int action, int minute, std::string text, std::string exe, std::string wav,
                         std::string parameters, std::optional<int> before = std::nullopt) {
        list.lngSaveItemState(state);
        list.lngSaveRingMode(action, 2, 0, before);
        list.lngSaveRingTime(0, 7, std::int16_t(minute), before);
        list.lngSaveRingDate(20, 26, 1, 1, before);
        list.strSaveRingData(text, exe, wav, parameters, before);
    };
    add(1, 1, 10, "hello", "", "C:\\a.wav", "-q");
    add(3, 2, 20, "", "C:\\Tools\\app.exe", "C:\\b.wav", "-x");
    add(1, 0, 30, "", "", "C:\\c.wav", "", 1);            // inserted first
    WriteRecord(9, {1, 0, 2, 0, 7, 0, 20, 26, 1, 1, 0});  // the whole key is rewritten
    list.SaveRegRingData();

    EXPECT_EQ(GetRegValue(kUser, keys::Data, "DataCount").AsNumber(), 3);
    EXPECT_FALSE(Stored("Data", 9));
    EXPECT_TRUE(Stored("WavFile", 1));
    EXPECT_FALSE(Stored("WavFile", 2));  // a text hint plays no sound
    EXPECT_FALSE(Stored("Parameters", 2));
    EXPECT_TRUE(Stored("Parameters", 3));
    EXPECT_FALSE(Stored("Text", 1));  // empty texts are absent

    LoadRingData();
    ASSERT_EQ(RingCount, 3);
    const int minutes[] = {30, 10, 20};
    for (int i = 1; i <= 3; ++i) EXPECT_EQ(RingList.GetwMinute(i), minutes[i - 1]) << i;
    EXPECT_EQ(RingList.GetItemState(3), 1);
    EXPECT_EQ(RingList.GetNotifyText(2), "hello");

    list.RemoveRingData(1);
    EXPECT_EQ(list.RingItemCound(), 2);
    EXPECT_EQ(list.GetwMinute(1), 10);
    EXPECT_EQ(list.GetWavFile(1), "C:\\a.wav");
    list.RemoveRingData(1);
    list.RemoveRingData(1);
    list.SaveRegRingData();
    EXPECT_EQ(GetRegValue(kUser, keys::Data, "DataCount").kind(), RegValue::Kind::KeyMissing);
}

}  // namespace
