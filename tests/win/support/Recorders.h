#pragma once
// Test doubles for the seams: a settable clock and recorders for every call that acts on the machine.
#include "system/Seams.h"

#include <cstdint>
#include <set>
#include <string>
#include <utility>
#include <vector>

// Puts every seam back as it was when it goes out of scope.
class ScopedSeams {
public:
    ScopedSeams() : saved_(seams) {}
    ScopedSeams(const ScopedSeams&) = delete;
    ScopedSeams& operator=(const ScopedSeams&) = delete;
    ~ScopedSeams() { seams = saved_; }

private:
    Seams saved_;
};

// Installs recorders for all acting seams (clock untouched): each call becomes one line of text, in order.
class RecordingSeams : public ScopedSeams {
public:
    RecordingSeams();
    ~RecordingSeams();
    const std::vector<std::string>& calls() const;
    void clear();
    // Waits, at most timeoutMs, until the log holds `count` calls (from any thread).
    bool WaitForCalls(std::size_t count, DWORD timeoutMs) const;
    // What the sound-device queries report.
    static void SetDeviceCounts(UINT wave, UINT midi);
    // The wave device of the recorder: opens as "waveOutOpen 22050 Hz 16 bit 1 ch", each buffer written as
    // "waveOutWrite 250 ms peak 716" (the largest sample's distance from silence). It plays a buffer only when
    // told to: then every queued buffer is done.
    static void FinishQueuedSound();
};

// A notification area of the test's own: icons come and go through the Shell_NotifyIconA seam, as the
// shell would keep them (an add of a shown icon and a delete of a missing one fail).
class FakeTray : public ScopedSeams {
public:
    FakeTray();
    int IconCount() const { return static_cast<int>(shown_.size()); }
    const NOTIFYICONDATAA& LastAdded() const { return lastAdded_; }
    // The shell restarted and forgot every icon.
    void Restart() { shown_.clear(); }

private:
    static inline std::set<std::pair<HWND, UINT>> shown_;
    static inline NOTIFYICONDATAA lastAdded_;
};

// A clock that stands still at a chosen UTC instant and converts with a fixed offset from UTC; the time
// since the system started stands still with it.
class SettableClock : public ScopedSeams {
public:
    explicit SettableClock(int offsetMinutes = 0);
    // Sets the wall clock, as the user or a time server does; the time since start does not move.
    void SetLocal(int year, int month, int day, int hour, int minute, int second, int milliseconds = 0);
    void Jump(std::int64_t seconds);
    // Time passes: both clocks move.
    void Advance(std::int64_t seconds);
};

// Dispatches waiting messages for at most the given time, each one `handled` did not take.
void PumpMessages(DWORD milliseconds, bool (*handled)(MSG*) = nullptr);
