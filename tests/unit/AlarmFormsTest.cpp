#include "alarms/RingRecord.h"
#include "alarms/RingStore.h"
#include "forms/AlarmEditorRules.h"
#include "forms/AlarmListRules.h"
#include "settings/RegProcess.h"
#include "settings/RegStoreMemory.h"
#include "settings/SettingsKeys.h"

#include <gtest/gtest.h>

#include <tuple>
#include <variant>

namespace {

RingItem Item(int action, int mode, std::int16_t hour, std::int16_t minute, std::int16_t month = 1,
              std::int16_t day = 1, int week = 0) {
    return {1, action, mode, week, hour, minute, 20, 5, month, day};
}

// The line shows the detail of the item's own action (its text, sound file or program), never another's.
TEST(AlarmList, LineShowsTimeRepeatAndTheActionsOwnDetail) {
    const auto line = [](RingItem item) {
        item.strNotifyText = "Get up", item.strWavFile = "C:\\ring.wav", item.strRunExe = "C:\\app.exe";
        item.strParameters = "-x";
        return AlarmLineText(item);
    };
    const std::pair<RingItem, std::string> cases[] = {
        {Item(1, 2, 7, 5), "7:5 (Daily)|Text HintGet up"},
        {Item(0, 3, 18, 30, 1, 1, 1), "18:30 (WeeklyMonday)|Play a soundC:\\ring.wav"},
        {Item(2, 1, 9, 0, 3, 1), "9:0 (3/1/2005)|Run the special programC:\\app.exe"},
        {Item(3, 1, 23, 59, 12, 31), "23:59 (12/31/2005)|Re-start computer"},
        {Item(4, 4, 6, 0, 1, 15), "6:0 (Monthly15day)|Shut down"},
        {Item(4, 5, 6, 0, 12, 25), "6:0 (Yearly12month25day)|Shut down"},
        {Item(9, 9, 0, 0), "0:0 ()|"},
    };
    for (const auto& [item, text] : cases) EXPECT_EQ(line(item), text);
}

TEST(AlarmEditor, BoxTextsBecomeBytesRoundedAndZeroWhenTheyCannotBe) {
    const std::pair<const char*, int> cases[] = {{"7", 7},   {" 12 ", 12}, {"+5", 5},  {"7.5", 8}, {"6.5", 6},
                                                 {"2.4", 2}, {"255", 255}, {"256", 0}, {"300", 0}, {"-1", 0},
                                                 {"ab", 0},  {"", 0},      {"1e2", 0}, {"5a", 0}};
    for (const auto& [text, byte] : cases) EXPECT_EQ(ToRecordByte(text), byte) << text;
}

EditorEntry Entry(int repeat, int action, std::string month, std::string day, std::string year, std::string hour,
                  std::string minute, std::string text = "wake") {
    return {repeat, action, text, "", "", "", month, day, year, hour, minute, kNoWeekday};
}

std::string Outcome(const EditorEntry& entry) {
    const auto composed = ComposeRingItem(entry, 3);
    if (const auto* item = std::get_if<RingItem>(&composed)) {
        const RingRecord record = EncodeRingRecord(*item);
        std::string bytes;
        for (const auto byte : record) bytes += std::to_string(byte) + " ";
        return bytes;
    }
    const char* names[] = {"Action", "TextHint", "Program", "Month", "Day", "Year", "Hour", "Minute"};
    return names[static_cast<int>(std::get<EditorBox>(composed))];
}

// An item is stored only when it can fire and has what its action needs; otherwise the box to mend is named.
TEST(AlarmEditor, ComposesTheRecordOrNamesTheBoxThatKeepsItFromFiring) {
    EditorEntry program = Entry(1, 2, "1", "1", "2026", "7", "30", "");
    program.parameter = "-x";
    EditorEntry weekly = Entry(2, 0, "", "", "", "6", "0", "");
    weekly.week = "Monday";
    const std::tuple<const char*, EditorEntry, std::string> cases[] = {
        {"text hint", Entry(0, 1, "3", "1", "2005", "9", "0"), "1 1 1 3 9 0 20 5 3 1 0 "},
        {"year 2031 typed", Entry(0, 1, "12", "31", " 2031 ", "23", "59"), "1 1 1 3 23 59 20 31 12 31 0 "},
        {"sound without a file", Entry(1, 0, "", "", "", "7", "0", ""), "1 0 2 3 7 0 20 0 0 0 0 "},
        {"weekly Monday", weekly, "1 0 3 1 6 0 20 0 0 0 0 "},
        {"weekly, no day: today", Entry(2, 1, "", "", "", "6", "0"), "1 1 3 3 6 0 20 0 0 0 0 "},
        {"no action", Entry(1, -1, "", "", "", "7", "0"), "Action"},
        {"text hint without text", Entry(1, 1, "", "", "", "7", "0", ""), "TextHint"},
        {"parameters without a program", program, "Program"},
        {"hour 24", Entry(1, 1, "", "", "", "24", "0"), "Hour"},
        {"hour not a number", Entry(1, 1, "", "", "", "ab", "0"), "Hour"},
        {"minute 60", Entry(1, 1, "", "", "", "7", "60"), "Minute"},
        {"once, month 13", Entry(0, 1, "13", "1", "2026", "7", "0"), "Month"},
        {"once, 29 February of a common year", Entry(0, 1, "2", "29", "2027", "7", "0"), "Day"},
        {"once, 29 February of a leap year", Entry(0, 1, "2", "29", "2028", "7", "0"), "1 1 1 3 7 0 20 28 2 29 0 "},
        {"once, year 1999", Entry(0, 1, "1", "1", "1999", "7", "0"), "Year"},
        {"yearly on 29 February, any year text", Entry(4, 1, "2", "29", "soon", "7", "0"), "1 1 5 3 7 0 20 0 2 29 0 "},
        {"yearly on 30 February", Entry(4, 1, "2", "30", "2028", "7", "0"), "Day"},
        {"monthly on the 31st, month unused", Entry(3, 1, "ab", "31", "", "7", "0"), "1 1 4 3 7 0 20 0 0 31 0 "},
        {"monthly on the 32nd", Entry(3, 1, "1", "32", "", "7", "0"), "Day"},
    };
    for (const auto& [name, entry, outcome] : cases) EXPECT_EQ(Outcome(entry), outcome) << name;
}

void Store(int count) {
    RegMemoryReset();
    for (int number = 1; number <= count; ++number) {
        RingItem item = Item(1, 2, 7, static_cast<std::int16_t>(number));
        if (number != count) item.strNotifyText = "text " + std::to_string(number);
        item.strRunExe = "C:\\" + std::to_string(number) + ".exe";
        WriteStoredRing(number, item);
    }
    SaveStoredRingCount(count);
}

// Each stored number as minute:text:program, and the count.
std::string Stored() {
    std::string all;
    for (int number = 1; number <= 6; ++number) {
        const auto item = ReadStoredRing(number);
        const auto text = GetRegValue(RegRoot::CurrentUser, keys::Data, RingValueName("Text", number));
        if (!item && text.kind() != RegValue::Kind::Text) continue;
        all += std::to_string(number) + "=" + (item ? std::to_string(item->lngMinute) : "-") + ":" + text.AsText() +
               ":" + (item ? item->strRunExe : "") + " ";
    }
    return all + "count " + std::to_string(StoredRingCount());
}

TEST(AlarmList, DeleteMovesTheLastItemIntoTheFreedNumber) {
    const std::tuple<int, int, std::string> cases[] = {
        {5, 5, "1=1:text 1:C:\\1.exe 2=2:text 2:C:\\2.exe 3=3:text 3:C:\\3.exe 4=4:text 4:C:\\4.exe count 4"},
        {5, 2, "1=1:text 1:C:\\1.exe 2=5::C:\\5.exe 3=3:text 3:C:\\3.exe 4=4:text 4:C:\\4.exe count 4"},
        {1, 1, "count 0"},
    };
    for (const auto& [count, removed, after] : cases) {
        Store(count);
        RemoveStoredRing(removed);
        EXPECT_EQ(Stored(), after) << removed << " of " << count;
    }
}

TEST(AlarmList, AnOpenModifyEditorFollowsItsItemThroughADeletion) {
    const std::tuple<int, int, int, std::optional<int>> cases[] = {
        {5, 2, 5, 2}, {3, 2, 5, 3}, {2, 2, 5, std::nullopt}, {5, 5, 5, std::nullopt}, {1, 1, 1, std::nullopt}};
    for (const auto& [edited, removed, count, after] : cases)
        EXPECT_EQ(NumberAfterRemoval(edited, removed, count), after) << edited << " " << removed << " " << count;
}

}  // namespace
