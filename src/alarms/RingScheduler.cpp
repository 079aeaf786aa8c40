#include "alarms/RingScheduler.h"

#include "alarms/DlgAlarm.h"
#include "alarms/DlgRemindText.h"
#include "alarms/DlgWinExit.h"
#include "alarms/RingActions.h"
#include "alarms/RingList.h"
#include "alarms/RingStore.h"
#include "alarms/RingWatch.h"
#include "alarms/SnoozeStore.h"
#include "alarms/WallClock.h"
#include "system/Seams.h"

#include <utility>

namespace {

RingWatch& Watch() {
    static RingWatch watch(WallSecondsAt);
    return watch;
}

// An item to run at this tick, by its stored number (for its snooze), late when caught up after sleep.
struct DueRing {
    RingItem item;
    int number;
    bool late;
};

bool RingsUntilStopped(const RingItem& item) {
    return item.lngNotifyMode == RingAction::Sound && item.ringUntilStopped;
}

bool OpensWindow(const RingItem& item) {
    return item.lngNotifyMode == RingAction::TextHint || item.lngNotifyMode == RingAction::Restart ||
           item.lngNotifyMode == RingAction::ShutDown || RingsUntilStopped(item);
}

// The list may have been changed while the window was open: a number another item took over gets no snooze.
void Snooze(const DueRing& ring, int minutes) {
    const std::optional<RingItem> stored = ReadStoredRing(ring.number);
    if (!stored || stored->lngNotifyMode != ring.item.lngNotifyMode || stored->lngHour != ring.item.lngHour ||
        stored->lngMinute != ring.item.lngMinute || stored->strNotifyText != ring.item.strNotifyText ||
        stored->strWavFile != ring.item.strWavFile)
        return;
    SnoozeRing(ring.number, minutes, UtcNowSeconds(), seams.GetTickCount64());
}

// The items that ring until stopped and share `first`'s lateness ring together: one window, one sound.
void RingTogether(const std::vector<DueRing>& due, const DueRing& first, HWND owner) {
    AlarmCall call{{}, first.item.lngHour, first.item.lngMinute, first.late, first.item.strWavFile};
    std::vector<const DueRing*> together;
    for (const DueRing& ring : due)
        if (RingsUntilStopped(ring.item) && ring.late == first.late)
            call.texts.push_back(ring.item.strNotifyText), together.push_back(&ring);
    const AlarmAnswer answer = ShowAlarm(owner, call);
    if (answer.kind == AlarmAnswer::Kind::Snooze)
        for (const DueRing* ring : together) Snooze(*ring, answer.snoozeMinutes);
}

void RunDue(const std::vector<DueRing>& due, const DueRing& ring, bool& rangTogether, HWND owner) {
    if (RingsUntilStopped(ring.item)) {
        if (!std::exchange(rangTogether, true)) RingTogether(due, ring, owner);
    } else if (ring.item.lngNotifyMode == RingAction::TextHint) {
        const std::string notice = ring.late ? DueAtText(ring.item.lngHour, ring.item.lngMinute) : "";
        if (const std::optional<int> minutes = ShowRemindText(owner, ring.item.strNotifyText, notice))
            Snooze(ring, *minutes);
    } else {
        RunRingItem(ring.item, owner);
    }
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
    static bool Requested() { return requested_; }
    // Lets the computer sleep again though a window still waits.
    static void GiveUp() { Request(false); }

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
    // A computer woken in a bag must not stay on for a reminder nobody reads. Only a held screen asks for the
    // last input, so an ordinary tick makes no such call.
    if (ScreenKeptOn::Requested() && !Watch().KeepsAwake(now, LastInputUtc(now))) ScreenKeptOn::GiveUp();
    // Decide every due item before running any: a modal action lets later ticks in, and may see the
    // list rebuilt, but what was due in a scanned second still runs, in list order.
    std::vector<DueRing> due;
    const std::vector<int> positions = Watch().Due(RingList, RingCount, now);
    for (std::size_t i = 0; i < positions.size(); ++i)
        due.push_back({RingList[positions[i] - 1], StoredNumberAt(positions[i]), i < Watch().LateCount()});
    // A snoozed item rings as stored now: the store has already dropped the snoozes of deleted and unticked items.
    for (const int number : TakeDueSnoozes(now, seams.GetTickCount64()))
        if (const std::optional<RingItem> item = ReadStoredRing(number)) due.push_back({*item, number, false});
    if (due.empty()) return;
    // The next alarm is a later one now; follow it before a modal action holds this scan up.
    if (NextRingMoved) NextRingMoved();
    const bool woken = Watch().JustWoken(now);
    bool rangTogether[2] = {false, false};  // on time, late
    for (const DueRing& ring : due) {
        const ScreenKeptOn screen(woken && OpensWindow(ring.item));
        RunDue(due, ring, rangTogether[ring.late], owner);
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
