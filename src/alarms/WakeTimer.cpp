#include "alarms/WakeTimer.h"

#include "alarms/NextRing.h"
#include "alarms/RingRules.h"
#include "alarms/WallClock.h"
#include "settings/SettingsKeys.h"
#include "system/Seams.h"

namespace {

// File times count 100-ns steps from 1601; ours count seconds from 1970.
constexpr LONGLONG kFileTimeStepsPerSecond = 10'000'000;
constexpr LONGLONG kSecondsFrom1601To1970 = 11'644'473'600;

}  // namespace

WakeTimer::~WakeTimer() {
    // Closing the last handle cancels the timer.
    if (handle_) CloseHandle(handle_);
}

void WakeTimer::Follow(const clsSaveRingData& list, int count) {
    const bool wanted = ReadSettingNumber(settings::WakeFromSleep) != 0;
    const auto next = wanted ? EarliestRing(list, count, UtcNowSeconds(), WallSecondsAt, WakesComputer) : std::nullopt;
    if (!next) {
        if (handle_) seams.CancelWaitableTimer(handle_);
        return;
    }
    if (!handle_) handle_ = seams.CreateWaitableTimerA(nullptr, TRUE, nullptr);
    if (!handle_) return;
    LARGE_INTEGER due;
    due.QuadPart = (next->utc + kSecondsFrom1601To1970) * kFileTimeStepsPerSecond;
    // A positive due time is absolute UTC, so it holds across sleep and clock changes.
    seams.SetWaitableTimer(handle_, &due, 0, nullptr, nullptr, TRUE);
}
