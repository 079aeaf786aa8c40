#include "alarms/RingList.h"

#include "alarms/RingStore.h"

clsSaveRingData RingList;
std::int32_t RingCount = 0;
void (*NextRingMoved)() = nullptr;

void LoadRingData() {
    RingList = clsSaveRingData();
    // A damaged record costs only its own item.
    for (const std::optional<RingItem>& item : ReadStoredRings()) {
        if (!item) continue;
        RingList.lngSaveItemState(item->lngItemState);
        RingList.lngSaveRingMode(item->lngNotifyMode, item->lngTimeMode, item->lngOpenRun);
        RingList.lngSaveRingTime(item->lngWeek, item->lngHour, item->lngMinute);
        RingList.lngSaveRingDate(item->lngYear, item->lngYear1, item->lngMonth, item->lngwDay);
        RingList.strSaveRingData(item->strNotifyText, item->strRunExe, item->strWavFile, item->strParameters);
    }
    RingCount = RingList.RingItemCound();
    if (NextRingMoved) NextRingMoved();
}
