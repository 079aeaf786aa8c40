// Time to open the alarm list with 1,000 stored items, loaded by the clock as at start: from the request until
// the window is shown and painted, against reading the same items from the registry alone and against opening
// it after reading them again, as the list did before it filled from the loaded items. Fills and then deletes the
// stored list, so it runs only where none is stored.
#include "../Bench.h"
#include "alarms/RingList.h"
#include "alarms/RingStore.h"
#include "forms/AlarmListWindow.h"
#include "settings/RegProcess.h"
#include "settings/SettingsKeys.h"

#include <windows.h>

#include <cstdio>

namespace {

constexpr int kItems = 1000;
constexpr int kRuns = 7;

void StoreItems() {
    for (int number = 1; number <= kItems; ++number) {
        RingItem item{1,
                      RingAction(number % 5),
                      RingRepeat(number % 5 + 1),
                      number % 7,
                      std::int16_t(number % 24),
                      std::int16_t(number % 60),
                      20,
                      26,
                      std::int16_t(number % 12 + 1),
                      std::int16_t(number % 28 + 1),
                      0};
        item.strNotifyText = "Item " + std::to_string(number);
        item.strRunExe = "C:\\Program Files\\Tools\\program " + std::to_string(number) + ".exe";
        item.strWavFile = "C:\\Sounds\\sound " + std::to_string(number) + ".wav";
        WriteStoredRing(number, item);
    }
    SaveStoredRingCount(kItems);
}

void OpenAndClose() {
    ShowAlarmList();
    const HWND list = FindWindowA("frmOptions", nullptr);
    UpdateWindow(list);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    DestroyWindow(list);
}

}  // namespace

int main() {
    if (GetRegValue(RegRoot::CurrentUser, keys::Data, "DataCount").kind() != RegValue::Kind::KeyMissing) {
        std::printf("An alarm list is stored in this prefix; run the benchmark where none is.\n");
        return 1;
    }
    StoreItems();
    LoadRingData();
    const double read = bench::MedianMicros(kRuns, [] { ReadStoredRings(); });
    const double open = bench::MedianMicros(kRuns, OpenAndClose);
    // What the list cost when it read every item from the registry again on opening.
    const double reread = bench::MedianMicros(kRuns, [] { LoadRingData(), OpenAndClose(); });
    DeleteRegKey(RegRoot::CurrentUser, "Software\\Tollwick", "Data");
    std::printf("%d stored items, median of %d runs\n", kItems, kRuns);
    std::printf("read the items from the registry           %7.0f ms\n", read / 1000);
    std::printf("open the alarm list from the loaded items  %7.0f ms  (target under 150 ms)\n", open / 1000);
    std::printf("open it reading the registry again, as before %4.0f ms\n", reread / 1000);
    return 0;
}
