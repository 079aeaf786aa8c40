#pragma once
// The alarm editor's rules: which boxes an action and a repeat mode use, the conversions from the boxes'
// texts to the stored item, and when an item may be stored at all.
#include "alarms/RingItem.h"
#include "system/CivilTime.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// The boxes that can keep an item from being stored.
// PassedDate and PassedTime are the day and minute boxes of an only-once item whose moment has gone.
enum class EditorBox { Action, TextHint, Program, Month, Day, Year, Hour, Minute, PassedDate, PassedTime };

// The editor's boxes as texts, and its two choices.
struct EditorEntry {
    RingRepeat repeat = RingRepeat::Once;
    std::optional<RingAction> action = RingAction::TextHint;  // nothing when none is chosen
    std::string textHint, sound, program, parameter;
    std::string month, day, year, hour, minute, week;
};

// What a box needs before the item can be stored, said to the user beside it.
const char* MendingHint(EditorBox box);

// The text of the weekday box before a day is chosen.
inline constexpr char kNoWeekday[] = "Week ";

// The boxes an action uses; the others are disabled and emptied.
struct ActionBoxes {
    bool textHint, sound, program, parameter;
};
ActionBoxes BoxesOfAction(std::optional<RingAction> action);
// The date boxes a repeat mode uses; the others are disabled, their texts kept.
struct RepeatBoxes {
    bool month, day, year, week;
};
RepeatBoxes BoxesOfRepeat(RingRepeat repeat);

// A box's text as a record byte: rounded to a whole number, 0 when it is not a number or lies outside 0-255.
std::uint8_t ToRecordByte(std::string_view text);

// The years the year list offers: this one and the six after it.
std::vector<std::string> YearChoices(int thisYear);

// A new item: a text hint, only once, at this minute of today.
EditorEntry EntryForNow(const CivilTime& now);
// The boxes showing a stored item. Only the texts that belong to its action are shown.
EditorEntry EntryOfItem(const RingItem& item);
// The item to store, enabled; or the first box whose text keeps it from ever firing or from doing anything.
// The year, where the repeat mode uses it, must be a plain year of four digits; it is stored as checked.
// A weekday box that names no day gives the weekday of `now`, the local time.
std::variant<RingItem, EditorBox> ComposeRingItem(const EditorEntry& entry, const CivilTime& now);
