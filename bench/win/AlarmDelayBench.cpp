// Delay from hh:mm:00.000 to the start of an alarm's action, under the real clock, with a one-second
// timer re-armed to the next second boundary on every tick. Also prints how late each tick comes after
// its second begins. Runs for the number of minutes given (3 by default).
#include "../Bench.h"
#include "alarms/RingList.h"
#include "alarms/RingScheduler.h"
#include "app/TickSchedule.h"
#include "system/Seams.h"

#include <windows.h>

#include <cstdlib>

namespace {

constexpr UINT_PTR kClockTimer = 8;

std::vector<double> tickLateness;
std::vector<double> actionDelay;
DWORD endTick = 0;

std::int64_t UtcMilliseconds() {
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    return std::int64_t((ULARGE_INTEGER{{now.dwLowDateTime, now.dwHighDateTime}}.QuadPart) / 10000);
}

void ArmToNextSecond(HWND window) {
    SetTimer(window, kClockTimer, UINT(NextTickDelay(int(UtcMilliseconds() % 1000))), nullptr);
}

BOOL RecordStart(LPCSTR, HMODULE, DWORD) {
    actionDelay.push_back(double(UtcMilliseconds() % 60000));
    return TRUE;
}

LRESULT CALLBACK ClockProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_TIMER) return DefWindowProcA(window, message, wParam, lParam);
    tickLateness.push_back(double(UtcMilliseconds() % 1000));
    CheckRingTime(nullptr);
    if (GetTickCount() >= endTick)
        PostQuitMessage(0);
    else
        ArmToNextSecond(window);
    return 0;
}

void Print(const char* what, const std::vector<double>& sample) {
    std::printf("%-44s n %4zu  median %6.1f ms  p99 %6.1f ms  max %6.1f ms\n", what, sample.size(),
                bench::Percentile(sample, 0.5), bench::Percentile(sample, 0.99), bench::Percentile(sample, 1.0));
}

}  // namespace

int main(int argc, char** argv) {
    const int minutes = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    seams.PlaySoundA = RecordStart;
    // One daily sound item for every minute of the day, so each minute of the run fires one.
    RingList.clear();
    for (int minute = 0; minute < 24 * 60; ++minute) {
        RingList.push_back({1, RingAction::Sound, RingRepeat::Daily, 0, std::int16_t(minute / 60),
                            std::int16_t(minute % 60), 20, 26, 1, 1, 0, "", "", "C:\\bench.wav", ""});
    }
    RingCount = int(RingList.size());

    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = ClockProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "AlarmDelayBench";
    RegisterClassA(&windowClass);
    const HWND window = CreateWindowExA(0, windowClass.lpszClassName, "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                        windowClass.hInstance, nullptr);
    endTick = GetTickCount() + DWORD(minutes) * 60000;
    ArmToNextSecond(window);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
    DestroyWindow(window);

    std::printf("%d minutes, timer re-armed to each second boundary + %d ms:\n", minutes, kTickMarginMs);
    Print("tick after its second began", tickLateness);
    Print("action start after hh:mm:00.000", actionDelay);
    return 0;
}
