#pragma once
// The program's pending snoozes, kept as "Snooze" followed by the item number (REG_SZ, the due time in UTC as
// SnoozeStamp writes it) beside the items under "Software\Tollwick\Data". The stored list is read once, on the
// first call after start; from then on the snoozes run on the time since the system started.
#include <cstdint>
#include <vector>

// Item `number` rings again `minutes` from now (UTC seconds, and the time since start in ms), in place of a snooze
// it had.
void SnoozeRing(int number, int minutes, std::int64_t nowUtc, std::uint64_t nowTickMs);
// The items whose snooze has run out, earliest first. Each is taken out of the store before it is returned, so it
// rings once; a snooze whose item is gone or unticked is dropped without ringing.
std::vector<int> TakeDueSnoozes(std::int64_t nowUtc, std::uint64_t nowTickMs);
// The item was deleted or unticked: its snooze, if any, is dropped.
void ForgetSnooze(int number);
// Delete moved the item stored as `from` to `to`; its snooze goes with it.
void MoveSnooze(int from, int to);
// Forgets what was read, as a new start of the program does: the next call reads the store again.
void ReloadSnoozes();
