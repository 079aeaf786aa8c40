#include "alarms/SnoozeRules.h"

#include "system/CivilTime.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

namespace {

// A stored due time this far off the ticks means the wall clock was set, not that a tick came late.
constexpr std::int64_t kClockSetSeconds = 2;

}  // namespace

int SnoozeMinutesOrFirst(std::optional<std::int32_t> stored) {
    const bool offered = stored && std::ranges::find(kSnoozeChoices, *stored) != std::end(kSnoozeChoices);
    return offered ? *stored : kSnoozeChoices[0];
}

std::string SnoozeStamp(std::int64_t utcSeconds) {
    const CivilTime t = ToCivil(utcSeconds);
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02dZ", t.year, t.month, t.day, t.hour, t.minute,
                  t.second);
    return text;
}

std::optional<std::int64_t> ParseSnoozeStamp(std::string_view text) {
    CivilTime t;
    char zone = 0;
    int used = 0;
    const std::string copy(text);
    if (std::sscanf(copy.c_str(), "%4d-%2d-%2dT%2d:%2d:%2d%c%n", &t.year, &t.month, &t.day, &t.hour, &t.minute,
                    &t.second, &zone, &used) != 7 ||
        zone != 'Z' || used != int(copy.size()))
        return std::nullopt;
    const std::int64_t seconds = CivilSeconds(t);
    // Round trip, so 31 February or 25 o'clock is refused rather than read as some other day.
    if (SnoozeStamp(seconds) != copy) return std::nullopt;
    return seconds;
}

void SnoozeList::Load(const std::vector<StoredSnooze>& stored, std::int64_t nowUtc, std::uint64_t nowTickMs) {
    pending_.clear();
    for (const StoredSnooze& snooze : stored) {
        const std::int64_t left = std::max<std::int64_t>(snooze.dueUtc - nowUtc, 0);
        pending_.push_back({snooze.number, snooze.dueUtc, nowTickMs + std::uint64_t(left) * 1000});
    }
}

StoredSnooze SnoozeList::Add(int number, int minutes, std::int64_t nowUtc, std::uint64_t nowTickMs) {
    Remove(number);
    const std::int64_t length = std::int64_t{minutes} * 60;
    pending_.push_back({number, nowUtc + length, nowTickMs + std::uint64_t(length) * 1000});
    return {number, nowUtc + length};
}

std::vector<int> SnoozeList::TakeDue(std::uint64_t nowTickMs) {
    std::vector<Pending> due;
    std::erase_if(pending_, [&](const Pending& snooze) {
        if (snooze.dueTickMs > nowTickMs) return false;
        due.push_back(snooze);
        return true;
    });
    std::ranges::stable_sort(due, {}, &Pending::dueTickMs);
    std::vector<int> numbers;
    for (const Pending& snooze : due) numbers.push_back(snooze.number);
    return numbers;
}

void SnoozeList::Remove(int number) {
    std::erase_if(pending_, [number](const Pending& snooze) { return snooze.number == number; });
}

void SnoozeList::Renumber(int from, int to) {
    Remove(to);
    for (Pending& snooze : pending_)
        if (snooze.number == from) snooze.number = to;
}

std::int64_t SnoozeList::DueUtcFromTicks(const Pending& snooze, std::int64_t nowUtc, std::uint64_t nowTickMs) {
    const std::uint64_t leftMs = snooze.dueTickMs > nowTickMs ? snooze.dueTickMs - nowTickMs : 0;
    return nowUtc + std::int64_t((leftMs + 999) / 1000);
}

std::vector<StoredSnooze> SnoozeList::Restamp(std::int64_t nowUtc, std::uint64_t nowTickMs) {
    std::vector<StoredSnooze> moved;
    for (Pending& snooze : pending_) {
        const std::int64_t due = DueUtcFromTicks(snooze, nowUtc, nowTickMs);
        if (due - snooze.dueUtc > kClockSetSeconds || snooze.dueUtc - due > kClockSetSeconds) {
            snooze.dueUtc = due;
            moved.push_back({snooze.number, due});
        }
    }
    return moved;
}
