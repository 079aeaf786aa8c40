#include "dialogs/LocalTimeToUtc.h"

#include "system/Seams.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr std::int64_t kDayMs = 24 * 60 * 60 * 1000;

// Milliseconds on one scale for UTC and wall times alike; a FILETIME counts 100 ns.
std::int64_t ToMs(const SYSTEMTIME& time) {
    FILETIME file{};
    SystemTimeToFileTime(&time, &file);
    return static_cast<std::int64_t>((ULONGLONG{file.dwHighDateTime} << 32 | file.dwLowDateTime) / 10000);
}

SYSTEMTIME FromMs(std::int64_t ms) {
    const ULONGLONG ticks = static_cast<ULONGLONG>(ms) * 10000;
    const FILETIME file{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
    SYSTEMTIME time{};
    FileTimeToSystemTime(&file, &time);
    return time;
}

std::int64_t WallMs(std::int64_t utcMs) {
    const SYSTEMTIME utc = FromMs(utcMs);
    SYSTEMTIME local{};
    return seams.UtcToLocal(&utc, &local) ? ToMs(local) : utcMs;
}

}  // namespace

// The offsets in force a day either side of the platform's answer are the only ones the time can have; each gives
// a candidate, kept when the wall clock really shows the time then.
std::optional<SYSTEMTIME> LocalTimeToUtc(const SYSTEMTIME& local) {
    SYSTEMTIME converted{};
    if (!seams.LocalToUtc(&local, &converted)) return std::nullopt;
    const std::int64_t wall = ToMs(local), guess = ToMs(converted);
    std::optional<std::int64_t> first;
    for (const std::int64_t around : {guess - kDayMs, guess, guess + kDayMs}) {
        const std::int64_t candidate = wall - (WallMs(around) - around);
        if (WallMs(candidate) == wall) first = std::min(first.value_or(candidate), candidate);
    }
    if (!first) return std::nullopt;
    return FromMs(*first);
}
