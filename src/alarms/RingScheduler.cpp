#include "alarms/RingScheduler.h"

#include "alarms/DlgRemindText.h"
#include "alarms/DlgWinExit.h"
#include "alarms/RingActions.h"
#include "alarms/RingList.h"
#include "alarms/RingWatch.h"
#include "alarms/WallClock.h"
#include "system/Seams.h"

#include <utility>

namespace {

RingWatch& Watch() {
    static RingWatch watch(WallSecondsAt);
    return watch;
}

bool OpensWindow(const RingItem& item) {
    return item.lngNotifyMode == RingAction::TextHint || item.lngNotifyMode == RingAction::Restart ||
           item.lngNotifyMode == RingAction::ShutDown;
}

// Asks for the screen (and so the computer) to stay on while an alarm's window waits for someone the
// alarm woke; nested windows share one request.
class ScreenKeptOn {
public:
    explicit ScreenKeptOn(bool wanted) : held_(wanted) {
        if (held_ && holders_++ == 0) Request(true);
    }
    ScreenKeptOn(const ScreenKeptOn&) = delete;
    ScreenKeptOn& operator=(const ScreenKeptOn&) = delete;
    ~ScreenKeptOn() {
        if (held_ && --holders_ == 0) Request(false);
    }
    // Lets the computer sleep again though a window still waits.
    static void GiveUp() {
        if (holders_ > 0) Request(false);
    }

private:
    static void Request(bool on) {
        if (std::exchange(requested_, on) != on)
            seams.SetThreadExecutionState(on ? ES_CONTINUOUS | ES_SYSTEM_REQUIRED | ES_DISPLAY_REQUIRED
                                             : ES_CONTINUOUS);
    }
    bool held_;
    static inline int holders_ = 0;
    static inline bool requested_ = false;
};

// When the keyboard or mouse was last used; long ago when that cannot be told.
std::int64_t LastInputUtc(std::int64_t nowUtc) {
    LASTINPUTINFO input{sizeof input, 0};
    if (!seams.GetLastInputInfo(&input)) return 0;
    // Both count milliseconds on the same 32-bit clock, which wraps.
    const DWORD age = static_cast<DWORD>(seams.GetTickCount64()) - input.dwTime;
    return nowUtc - age / 1000;
}

}  // namespace

void CheckRingTime(HWND owner) {
    const std::int64_t now = UtcNowSeconds();
    // A computer woken in a bag must not stay on for a reminder nobody reads.
    if (!Watch().KeepsAwake(now, LastInputUtc(now))) ScreenKeptOn::GiveUp();
    // Decide every due item before running any: a modal action lets later ticks in, and may see the
    // list rebuilt, but what was due in a scanned second still runs, in list order.
    std::vector<RingItem> due;
    for (const int position : Watch().Due(RingList, RingCount, now)) due.push_back(RingList[position - 1]);
    if (due.empty()) return;
    // The next alarm is a later one now; follow it before a modal action holds this scan up.
    if (NextRingMoved) NextRingMoved();
    const bool woken = Watch().JustWoken(now);
    for (const RingItem& item : due) {
        const ScreenKeptOn screen(woken && OpensWindow(item));
        RunRingItem(item, owner);
    }
}

void RingSuspending() { Watch().Suspending(UtcNowSeconds()); }

void RingResumed() { Watch().Resumed(UtcNowSeconds()); }

void RunRingItem(const RingItem& item, HWND owner) {
    switch (item.lngNotifyMode) {
        case RingAction::Sound:
            return PlayRingSound(item.strWavFile);
        case RingAction::TextHint:
            ShowRemindText(owner, item.strNotifyText);
            return;
        case RingAction::Program:
            return RunRingProgram(item.strRunExe, item.strParameters);
        case RingAction::Restart:
        case RingAction::ShutDown:
            return ShowWinExit(owner, item.lngNotifyMode == RingAction::Restart, item.strNotifyText);
    }
}
