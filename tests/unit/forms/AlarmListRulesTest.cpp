#include "alarms/RingRecord.h"
#include "alarms/RingStore.h"
#include "forms/AlarmListRules.h"
#include "settings/RegProcess.h"
#include "settings/RegStoreMemory.h"
#include "settings/SettingsKeys.h"

#include <gtest/gtest.h>

#include <tuple>
#include <variant>

namespace {

RingItem Item(int action, int mode, std::int16_t hour, std::int16_t minute, std::int16_t month = 1,
              std::int16_t day = 1) {
    return {1, RingAction(action), RingRepeat(mode), 0, hour, minute, 20, 5, month, day};
}

// The line shows the detail of the item's own action (its text, sound file or program), never another's.
TEST(AlarmList, LineShowsTimeRepeatAndTheActionsOwnDetail) {
    const std::pair<RingItem, std::string> cases[] = {
        {Item(2, 1, 9, 0, 3, 1), "9:0 (3/1/2005)|Run the special programC:\\app.exe"},
        {Item(4, 5, 6, 0, 12, 25), "6:0 (Yearly12month25day)|Shut down"},
        {Item(9, 9, 0, 0), "0:0 ()|"},
    };
    for (auto [item, text] : cases) {
        item.strNotifyText = "Get up", item.strWavFile = "C:\\ring.wav", item.strRunExe = "C:\\app.exe";
        EXPECT_EQ(AlarmLineText(item), text);
    }
}

// Each stored number as minute:text:program, and the count, after taking one out of a store of `count`.
std::string AfterRemoving(int removed, int count) {
    RegMemoryReset();
    for (int number = 1; number <= count; ++number) {
        RingItem item = Item(1, 2, 7, static_cast<std::int16_t>(number));
        if (number != count) item.strNotifyText = "text " + std::to_string(number);
        item.strRunExe = "C:\\" + std::to_string(number) + ".exe";
        WriteStoredRing(number, item);
    }
    SaveStoredRingCount(count);
    RemoveStoredRing(removed);
    std::string all;
    for (int number = 1; number <= count; ++number) {
        const auto item = ReadStoredRing(number);
        const auto text = GetRegValue(RegRoot::CurrentUser, keys::Data, RingValueName("Text", number));
        if (!item && text.kind() != RegValue::Kind::Text) continue;
        all += std::to_string(number) + "=" + (item ? std::to_string(item->lngMinute) : "-") + ":" + text.AsText() +
               ":" + (item ? item->strRunExe : "") + " ";
    }
    return all + "count " + std::to_string(StoredRingCount());
}

// The last item moves into the freed number with its texts; no text of the removed item stays behind.
TEST(AlarmList, DeleteMovesTheLastItemIntoTheFreedNumberAndAnOpenEditorFollowsIt) {
    EXPECT_EQ(AfterRemoving(3, 3), "1=1:text 1:C:\\1.exe 2=2:text 2:C:\\2.exe count 2");
    EXPECT_EQ(AfterRemoving(2, 3), "1=1:text 1:C:\\1.exe 2=3::C:\\3.exe count 2");
    EXPECT_EQ(AfterRemoving(1, 1), "count 0");
    const std::tuple<int, int, int, std::optional<int>> editors[] = {
        {5, 2, 5, 2}, {3, 2, 5, 3}, {2, 2, 5, std::nullopt}, {5, 5, 5, std::nullopt}};
    for (const auto& [edited, removed, count, after] : editors)
        EXPECT_EQ(NumberAfterRemoval(edited, removed, count), after) << edited << " " << removed << " " << count;
}

}  // namespace
