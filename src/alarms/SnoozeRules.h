#pragma once
// Pending snoozes: which alarm items ring again, and when. A snooze is a length of time: it runs on the clock
// that counts since the system started, so setting the wall clock neither brings it forward nor holds it back.
// Its due time is also kept in UTC, so that it outlives the program.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The snooze lengths offered, in minutes; the first is the one offered before any was chosen.
inline constexpr int kSnoozeChoices[] = {5, 10, 15};
// The stored last choice when it is one of them, else the first.
int SnoozeMinutesOrFirst(std::optional<std::int32_t> stored);

// "2026-12-07T14:35:00Z"; the parse takes only that form.
std::string SnoozeStamp(std::int64_t utcSeconds);
std::optional<std::int64_t> ParseSnoozeStamp(std::string_view text);

struct StoredSnooze {
    int number;           // the alarm item's
    std::int64_t dueUtc;  // seconds, counted as CivilSeconds counts them
    bool operator==(const StoredSnooze&) const = default;
};

class SnoozeList {
public:
    // Snoozes read back at start: each keeps the time it had left by the wall clock, none less than nothing.
    void Load(const std::vector<StoredSnooze>& stored, std::int64_t nowUtc, std::uint64_t nowTickMs);
    // Item `number` rings again `minutes` from now, in place of a snooze it had; returns what to store.
    StoredSnooze Add(int number, int minutes, std::int64_t nowUtc, std::uint64_t nowTickMs);
    // The items whose snooze has run out, earliest first; they are gone from the list, so each rings once.
    std::vector<int> TakeDue(std::uint64_t nowTickMs);
    void Remove(int number);
    // The item stored as `from` is now stored as `to`.
    void Renumber(int from, int to);
    // After the wall clock was set, the snoozes whose stored UTC no longer says when they fall due, corrected.
    std::vector<StoredSnooze> Restamp(std::int64_t nowUtc, std::uint64_t nowTickMs);
    bool empty() const { return pending_.empty(); }

private:
    struct Pending {
        int number;
        std::int64_t dueUtc;
        std::uint64_t dueTickMs;
    };
    static std::int64_t DueUtcFromTicks(const Pending& snooze, std::int64_t nowUtc, std::uint64_t nowTickMs);
    std::vector<Pending> pending_;
};
