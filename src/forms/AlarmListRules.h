#pragma once
// What the alarm list shows and how its numbers follow a deletion.
#include "alarms/RingItem.h"

#include <optional>
#include <string>

// Time, repeat mode and action with its detail: "7:5 (Daily)|Text HintGet up". A sound item whose file cannot be
// played says so before its time comes: "7:5 (Daily)|Play a sound (file not found) C:\gone.wav".
std::string AlarmLineText(const RingItem& item, bool soundFileMissing = false);
inline constexpr char kFileNotFound[] = " (file not found) ";
// Shown for a number whose record is missing or damaged, so the entries stay aligned with the numbers.
inline constexpr char kUnreadableLine[] = "(unreadable item)";

// The number an item has after item `removed` of `count` was taken out and the last moved into its place;
// nothing when it was the removed one.
std::optional<int> NumberAfterRemoval(int number, int removed, int count);
