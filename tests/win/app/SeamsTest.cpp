#include "app/Seams.h"
#include "support/Recorders.h"

#include <gtest/gtest.h>

namespace {

// A real window whose command starts a program: the recorder must catch it.
LRESULT CALLBACK LauncherProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && wParam == 6)
        seams.ShellExecuteA(nullptr, "Open", "C:\\nowhere\\Horolink.exe", nullptr, nullptr, SW_SHOWNORMAL);
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

TEST(Seams, RecordersCatchLaunchesFromARealWindow) {
    RecordingSeams recorder;
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = LauncherProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "SeamsTestWindow";
    ASSERT_NE(RegisterClassA(&windowClass), 0);
    const HWND window = CreateWindowExA(0, "SeamsTestWindow", "t", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr,
                                        windowClass.hInstance, nullptr);
    ASSERT_NE(window, nullptr);
    SendMessageA(window, WM_COMMAND, 6, 0);
    PumpMessages(50);
    DestroyWindow(window);
    UnregisterClassA("SeamsTestWindow", windowClass.hInstance);
    ASSERT_EQ(recorder.calls().size(), 1u);
    EXPECT_EQ(recorder.calls()[0], "ShellExecute Open|C:\\nowhere\\Horolink.exe|(null)|(null)|1");
}

TEST(Seams, RestoredWhenTheTestEnds) {
    const auto realExit = seams.ExitWindowsEx;
    {
        RecordingSeams recorder;
        EXPECT_NE(seams.ExitWindowsEx, realExit);
        seams.ExitWindowsEx(EWX_REBOOT, 0);
        EXPECT_EQ(recorder.calls().back(), "ExitWindowsEx 2");
    }
    EXPECT_EQ(seams.ExitWindowsEx, realExit);
}

TEST(Seams, SettableClockStandsWhereItIsPut) {
    SettableClock clock(60);
    clock.SetLocal(2026, 12, 31, 23, 59, 59, 500);
    SYSTEMTIME local, utc;
    seams.GetLocalTime(&local);
    seams.GetSystemTime(&utc);
    EXPECT_EQ(local.wYear, 2026);
    EXPECT_EQ(local.wHour, 23);
    EXPECT_EQ(local.wMilliseconds, 500);
    EXPECT_EQ(utc.wHour, 22);
    clock.Advance(1);
    seams.GetLocalTime(&local);
    EXPECT_EQ(local.wYear, 2027);
    EXPECT_EQ(local.wMonth, 1);
    EXPECT_EQ(local.wDay, 1);
    EXPECT_EQ(local.wSecond, 0);
}

TEST(Seams, RealConversionMatchesTheSystemClock) {
    const Seams real = RealSeams();
    SYSTEMTIME utc, local, converted;
    real.GetSystemTime(&utc);
    real.GetLocalTime(&local);
    ASSERT_TRUE(real.UtcToLocal(&utc, &converted));
    EXPECT_EQ(converted.wHour, local.wHour);
    EXPECT_EQ(converted.wMinute, local.wMinute);
}

}  // namespace
