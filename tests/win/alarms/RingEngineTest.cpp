// The alarm engine on the real registry, with the clock and every action behind recorders.
#include "alarms/RingActions.h"
#include "alarms/RingList.h"
#include "alarms/RingScheduler.h"
#include "settings/RegProcess.h"
#include "settings/SettingsKeys.h"
#include "support/Recorders.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

using Calls = std::vector<std::string>;

// Writes the way the alarm editor does, straight through advapi32.
class StoredList {
public:
    StoredList() {
        Clear();
        RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Tollwick\\Data", 0, nullptr, 0, 0x3F, nullptr, &key_, nullptr);
    }
    StoredList(const StoredList&) = delete;
    StoredList& operator=(const StoredList&) = delete;
    ~StoredList() {
        RegCloseKey(key_);
        Clear();
    }
    static void Clear() { RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Tollwick\\Data"); }

    // Returns the new item's number.
    int Add(std::vector<BYTE> record, const char* wavFile = "", const char* runExe = "", const char* parameters = "",
            const char* text = "") {
        const std::string number = std::to_string(++count_);
        RegSetValueExA(key_, ("Data" + number).c_str(), 0, REG_BINARY, record.data(), DWORD(record.size()));
        const auto text_value = [&](const char* field, const char* value) {
            if (*value)
                RegSetValueExA(key_, (field + number).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                               DWORD(std::strlen(value)));
        };
        text_value("Text", text);
        text_value("RunExe", runExe);
        text_value("WavFile", wavFile);
        text_value("Parameters", parameters);
        const DWORD stored = count_;
        RegSetValueExA(key_, "DataCount", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&stored), sizeof stored);
        return count_;
    }

private:
    HKEY key_ = nullptr;
    DWORD count_ = 0;
};

// A daily item: state, action, mode 2, weekday, hour, minute, 20, year, month, day, 0.
std::vector<BYTE> Daily(BYTE action, BYTE hour, BYTE minute) {
    return {1, action, 2, 0, hour, minute, 20, 26, 1, 1, 0};
}

TEST(RingEngine, ItemsWrittenInTheStoredFormatLoad) {
    StoredList stored;
    stored.Add({1, 0, 1, 3, 7, 30, 20, 5, 3, 7, 0}, "C:\\My Sounds\\wake.wav");
    stored.Add({0, 2, 3, 1, 23, 59, 20, 26, 12, 31, 0}, "", "C:\\Tools\\app.exe", "-x -y");
    stored.Add({1, 1, 5, 0, 12, 0, 20, 26, 12, 25, 0}, "", "", "", "Merry Christmas");
    LoadRingData();
    ASSERT_EQ(RingCount, 3);
    EXPECT_EQ(RingList.GetWavFile(1), "C:\\My Sounds\\wake.wav");
    EXPECT_EQ(RingList.GetwYear(1), "2005");
    EXPECT_EQ(RingList.GetwDayWeek(1), 3);
    std::string year1 = "5";
    EXPECT_EQ(
        RingList.InterpretTimeMode(RingList.GetTimeMode(1), 0, 20, year1, RingList.GetwMonth(1), RingList.GetwDay(1)),
        "3/7/2005");
    EXPECT_EQ(RingList.GetItemState(2), 0);
    EXPECT_EQ(RingList.GetRunExe(2), "C:\\Tools\\app.exe");
    EXPECT_EQ(RingList.GetParameters(2), "-x -y");
    EXPECT_EQ(RingList.GetwHour(2), 23);
    EXPECT_EQ(RingList.GetNotifyText(3), "Merry Christmas");
    EXPECT_EQ(RingList.GetWavFile(3), "");

    // And what the engine writes reads back the same way.
    RingList.SaveRegRingData();
    LoadRingData();
    ASSERT_EQ(RingCount, 3);
    EXPECT_EQ(RingList.GetParameters(2), "-x -y");
    EXPECT_EQ(RingList.GetwMinute(2), 59);
}

TEST(RingEngine, TwoItemsInOneMinuteStartInOneTickInOrder) {
    StoredList stored;
    stored.Add(Daily(0, 7, 30), "C:\\Sounds\\ring.wav");
    stored.Add(Daily(2, 7, 30), "", "C:\\Tools\\app.exe", "-x");
    stored.Add(Daily(0, 7, 31), "C:\\Sounds\\later.wav");
    LoadRingData();
    RecordingSeams recorder;
    SettableClock clock(60);
    clock.SetLocal(2026, 1, 5, 7, 29, 59, 900);
    CheckRingTime();
    EXPECT_TRUE(recorder.calls().empty());
    clock.Advance(1);
    CheckRingTime();
    EXPECT_EQ(recorder.calls(),
              (Calls{"PlaySound 0x20001 C:\\Sounds\\ring.wav", "ShellExecute Open|app.exe|-x|C:\\Tools\\|5"}));
    clock.Advance(1);
    CheckRingTime();
    CheckRingTime();
    EXPECT_EQ(recorder.calls().size(), 2u);
}

// Stands in for a modal action: while it runs, the clock moves on a minute, that tick is handled and the
// list is rebuilt empty.
struct ActionThatTicks {
    static inline SettableClock* clock = nullptr;
    static inline BOOL (*record)(LPCSTR, HMODULE, DWORD) = nullptr;
    static BOOL PlaySound(LPCSTR sound, HMODULE module, DWORD flags) {
        record(sound, module, flags);
        clock->Advance(60);
        CheckRingTime();
        StoredList::Clear();
        LoadRingData();
        return TRUE;
    }
};

TEST(RingEngine, ALaterTickAndARebuiltListInsideAnActionLoseNothing) {
    StoredList stored;
    stored.Add(Daily(0, 8, 0), "C:\\Sounds\\first.wav");
    stored.Add(Daily(2, 8, 0), "", "C:\\Tools\\second.exe");
    stored.Add(Daily(2, 8, 1), "", "C:\\Tools\\next minute.exe");
    LoadRingData();
    RecordingSeams recorder;
    SettableClock clock(60);
    clock.SetLocal(2026, 1, 6, 7, 59, 59);
    CheckRingTime();
    ActionThatTicks::clock = &clock;
    ActionThatTicks::record = seams.PlaySoundA;
    seams.PlaySoundA = ActionThatTicks::PlaySound;
    clock.Advance(1);
    CheckRingTime();
    EXPECT_EQ(recorder.calls(),
              (Calls{"PlaySound 0x20001 C:\\Sounds\\first.wav", "ShellExecute Open|next minute.exe||C:\\Tools\\|5",
                     "ShellExecute Open|second.exe||C:\\Tools\\|5"}));
    EXPECT_EQ(RingCount, 0);
}

}  // namespace
