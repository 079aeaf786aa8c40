#include "alarms/RingScheduler.h"

#include "alarms/ClockScan.h"
#include "alarms/DlgRemindText.h"
#include "alarms/DlgWinExit.h"
#include "alarms/RingActions.h"
#include "alarms/RingList.h"
#include "alarms/RingRules.h"
#include "alarms/WallClock.h"

void CheckRingTime(HWND owner) {
    static ClockScan scan(WallSecondsAt);
    // Decide every due item before running any: a modal action lets later ticks in, and may see the
    // list rebuilt, but what was due in a scanned second still runs, in list order.
    for (const RingItem& item : DueRingsReached(scan, RingList, RingCount, UtcNowSeconds())) RunRingItem(item, owner);
}

void RunRingItem(const RingItem& item, HWND owner) {
    switch (item.lngNotifyMode) {
        case 0:
            PlayRingSound(item.strWavFile);
            break;
        case 1:
            RemindText = item.strNotifyText;
            ShowRemindText(owner);
            break;
        case 2:
            RunRingProgram(item.strRunExe, item.strParameters);
            break;
        case 3:
        case 4:
            ExitRestart = item.lngNotifyMode == 3 ? -1 : 0;
            if (!item.strNotifyText.empty()) ExitText = item.strNotifyText;
            ShowWinExit(owner);
            break;
        default:
            break;
    }
}
