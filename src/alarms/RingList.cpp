#include "alarms/RingList.h"

#include "alarms/RingRecord.h"
#include "settings/RegProcess.h"
#include "settings/SettingsKeys.h"

clsSaveRingData RingList;
std::int32_t RingCount = 0;
void (*NextRingMoved)() = nullptr;

namespace {

// A count far beyond the stored records must not keep the program reading absent values.
constexpr int kMaxMissingInARow = 1000;

std::string ReadText(std::string_view field, int number) {
    return GetRegValue(RegRoot::CurrentUser, keys::Data, RingValueName(field, number)).AsText();
}

}  // namespace

void LoadRingData() {
    RingList = clsSaveRingData();
    RingCount = 0;
    const auto count = GetRegValue(RegRoot::CurrentUser, keys::Data, "DataCount").AsNumber().value_or(0);
    int missingInARow = 0;
    for (int i = 1; i <= count && missingInARow < kMaxMissingInARow; ++i) {
        // A damaged record costs only its own item.
        const auto item =
            DecodeRingRecord(GetRegValue(RegRoot::CurrentUser, keys::Data, RingValueName("Data", i)).Bytes());
        if (!item) {
            ++missingInARow;
            continue;
        }
        missingInARow = 0;
        RingList.lngSaveItemState(item->lngItemState);
        RingList.lngSaveRingMode(item->lngNotifyMode, item->lngTimeMode, item->lngOpenRun);
        RingList.lngSaveRingTime(item->lngWeek, item->lngHour, item->lngMinute);
        RingList.lngSaveRingDate(item->lngYear, item->lngYear1, item->lngMonth, item->lngwDay);
        RingList.strSaveRingData(ReadText("Text", i), ReadText("RunExe", i), ReadText("WavFile", i),
                                 ReadText("Parameters", i));
    }
    RingCount = RingList.RingItemCound();
    if (NextRingMoved) NextRingMoved();
}
