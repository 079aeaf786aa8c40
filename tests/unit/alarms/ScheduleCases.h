#pragma once
// Instants in UTC, Berlin time in 2026, and sound items, as the scheduling tests use them.
#include "alarms/RingItem.h"
#include "system/CivilTime.h"

#include <cstdint>

inline std::int64_t Utc(int year, int month, int day, int hour, int minute, int second = 0) {
    return CivilSeconds(CivilTime{year, month, day, hour, minute, second});
}

// Berlin in 2026: UTC+2 from 01:00 UTC on 29 March (01:59:59, then 03:00:00) to 01:00 UTC on 25 October
// (02:59:59, then 02:00:00), else UTC+1.
inline const std::int64_t kSpring = Utc(2026, 3, 29, 1, 0);
inline const std::int64_t kAutumn = Utc(2026, 10, 25, 1, 0);
inline std::int64_t Berlin(std::int64_t utc) { return utc + (utc >= kSpring && utc < kAutumn ? 7200 : 3600); }

// A sound in 2026 (`month` and `day` count where the mode reads them), on Sundays unless `week` says otherwise.
inline RingItem Item(std::int32_t mode, std::int16_t hour, std::int16_t minute, std::int16_t month = 1,
                     std::int16_t day = 1, std::int32_t week = 0, std::int32_t state = 1) {
    return {state, RingAction::Sound, RingRepeat(mode), week, hour, minute, 20, 26, month, day};
}
