#pragma once
// The waitable timer that wakes the computer from sleep for the next sound or text alarm.
#include "alarms/RingItem.h"

#include <windows.h>

class WakeTimer {
public:
    WakeTimer() = default;
    WakeTimer(const WakeTimer&) = delete;
    WakeTimer& operator=(const WakeTimer&) = delete;
    ~WakeTimer();

    // Arms the timer for the earliest next occurrence among the first `count` items of `list` that may
    // wake the computer; cancels it when there is none, or when the "WakeFromSleep" switch is off.
    void Follow(const clsSaveRingData& list, int count);

private:
    HANDLE handle_ = nullptr;
};
