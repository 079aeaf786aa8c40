// How the clock face follows the local clock: the main window's re-armed timer against a plain periodic
// 1000 ms timer, both running in one message loop. For each paint it records the time the face shows and
// how long after that second's boundary it was painted. BENCH_SECONDS sets the length (default 600).
#include "../Bench.h"
#include "app/Main.h"
#include "system/Seams.h"
#include "app/frmMain.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

struct Paint {
    long long second;  // seconds since midnight shown by the paint
    int delayMs;       // from that second's boundary to the paint
};

struct Contender {
    const char* name;
    std::vector<Paint> paints;
    void Record(const SYSTEMTIME& shown) {
        paints.push_back({shown.wHour * 3600LL + shown.wMinute * 60 + shown.wSecond, shown.wMilliseconds});
    }
};

Contender clockTimer{"re-armed timer (clock window)", {}};
Contender plainTimer{"plain 1000 ms timer", {}};

// The last local time anyone read: after the clock's WM_PAINT it is the time the paint drew.
SYSTEMTIME lastRead{};
WNDPROC clockProc = nullptr;

LRESULT CALLBACK WatchClock(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = CallWindowProcA(clockProc, hwnd, message, wParam, lParam);
    if (message == WM_PAINT) clockTimer.Record(lastRead);
    return result;
}

LRESULT CALLBACK PlainProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_TIMER:
            InvalidateRect(hwnd, nullptr, FALSE);
            return 0;
        case WM_PAINT: {
            PAINTSTRUCT paint;
            const HDC dc = BeginPaint(hwnd, &paint);
            SYSTEMTIME now;
            GetLocalTime(&now);
            char text[16];
            const int length = std::snprintf(text, sizeof text, "%02u:%02u:%02u", now.wHour, now.wMinute, now.wSecond);
            TextOutA(dc, 2, 2, text, length);
            EndPaint(hwnd, &paint);
            plainTimer.Record(now);
            return 0;
        }
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

HWND CreatePlainWindow() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = PlainProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = "PlainTimerClock";
    RegisterClassA(&windowClass);
    const HWND hwnd = CreateWindowExA(WS_EX_TOOLWINDOW, "PlainTimerClock", "plain", WS_POPUP | WS_VISIBLE, 10, 10, 120,
                                      38, nullptr, nullptr, windowClass.hInstance, nullptr);
    SetTimer(hwnd, 1, 1000, nullptr);
    return hwnd;
}

// The program's own loop, ended by a thread timer when the time is up.
void RunLoopFor(DWORD milliseconds) {
    const UINT_PTR end = SetTimer(nullptr, 0, milliseconds, nullptr);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (msg.message == WM_TIMER && msg.hwnd == nullptr && msg.wParam == end) break;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    KillTimer(nullptr, end);
}

void Report(const Contender& contender) {
    int skipped = 0, repeated = 0;
    std::vector<double> delays;
    // The first paint of each window is its initial show, not a tick.
    for (std::size_t i = 1; i < contender.paints.size(); ++i) {
        const long long step = contender.paints[i].second - contender.paints[i - 1].second;
        if (step == 0) ++repeated;
        if (step > 1) skipped += static_cast<int>(step - 1);
        delays.push_back(contender.paints[i].delayMs);
    }
    std::printf("%-32s paints %5zu  skipped %3d  repeated %3d  delay median %6.1f ms  p99 %6.1f ms  max %6.1f ms\n",
                contender.name, delays.size(), skipped, repeated, bench::Percentile(delays, 0.5),
                bench::Percentile(delays, 0.99), bench::Percentile(delays, 1.0));
}

}  // namespace

int main() {
    const char* setting = std::getenv("BENCH_SECONDS");
    const int seconds = setting ? std::atoi(setting) : 600;
    seams.GetLocalTime = [](LPSYSTEMTIME time) {
        GetLocalTime(time);
        lastRead = *time;
    };
    RegisterMainClass("frmMain");
    const HWND clock = CreateMainWindow("frmMain", WS_EX_LAYERED, nullptr);
    if (!clock) return 1;
    clockProc =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrA(clock, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WatchClock)));
    StartMainWindow();
    const HWND plain = CreatePlainWindow();
    std::printf("%d s of ticks (BENCH_SECONDS)\n", seconds);
    RunLoopFor(static_cast<DWORD>(seconds) * 1000);
    Report(clockTimer);
    Report(plainTimer);
    DestroyWindow(plain);
    SendMessageA(clock, WM_CLOSE, 0, 0);
    return 0;
}
