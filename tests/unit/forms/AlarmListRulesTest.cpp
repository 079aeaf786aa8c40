#include "alarms/RingRecord.h"
#include "forms/AlarmListRules.h"

#include <gtest/gtest.h>

#include <tuple>
#include <variant>

namespace {

RingItem Item(int action, int mode, std::int16_t hour, std::int16_t minute, std::int16_t month = 1,
              std::int16_t day = 1) {
    return {1, RingAction(action), RingRepeat(mode), 0, hour, minute, 20, 5, month, day};
}

// The line shows the detail of the item's own action (its text, sound file or program), never another's; only a
// sound item with a file of its own is marked when the file cannot be played.
TEST(AlarmList, LineShowsTimeRepeatAndTheActionsOwnDetail) {
    const std::tuple<RingItem, const char*, bool, std::string> cases[] = {
        {Item(2, 1, 9, 0, 3, 1), "C:\\ring.wav", true, "9:0 (3/1/2005)|Run the special programC:\\app.exe"},
        {Item(4, 5, 6, 0, 12, 25), "C:\\ring.wav", true, "6:0 (Yearly12month25day)|Shut down"},
        {Item(9, 9, 0, 0), "C:\\ring.wav", false, "0:0 ()|"},
        {Item(0, 2, 7, 0), "C:\\gone.wav", true, "7:0 (Daily)|Play a sound (file not found) C:\\gone.wav"},
        {Item(0, 2, 7, 0), "C:\\ring.wav", false, "7:0 (Daily)|Play a soundC:\\ring.wav"},
        {Item(0, 2, 7, 0), "", true, "7:0 (Daily)|Play a sound"},
        {Item(1, 2, 7, 0), "C:\\gone.wav", true, "7:0 (Daily)|Text HintGet up"}};
    for (auto [item, sound, missing, text] : cases) {
        item.strNotifyText = "Get up", item.strWavFile = sound, item.strRunExe = "C:\\app.exe";
        EXPECT_EQ(AlarmLineText(item, missing), text);
    }
}

// Delete moves the last item into the freed number (the store's test checks its values); an open editor follows.
TEST(AlarmList, AnOpenEditorFollowsTheItemDeleteMoves) {
    const std::tuple<int, int, int, std::optional<int>> editors[] = {
        {5, 2, 5, 2}, {3, 2, 5, 3}, {2, 2, 5, std::nullopt}, {5, 5, 5, std::nullopt}};
    for (const auto& [edited, removed, count, after] : editors)
        EXPECT_EQ(NumberAfterRemoval(edited, removed, count), after) << edited << " " << removed << " " << count;
}

}  // namespace
