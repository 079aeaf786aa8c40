#include "ClockHarness.h"
#include "alarms/DlgRemindText.h"
#include "support/DialogDriver.h"
#include "support/StoredRings.h"

#include <functional>

namespace {

// An enabled item of March 2026 (`day` counts for a one-time item); a program item runs C:\Tools\backup.exe.
StoredRing Item(BYTE action, BYTE mode, BYTE hour, BYTE minute, BYTE day, const char* text) {
    return {{1, action, mode, 0, hour, minute, 20, 26, 3, day, 0},
            {{"Text", text}, {"RunExe", "C:\\Tools\\backup.exe"}}};
}

// The tooltip's line below the date; empty when it shows only the date.
std::string NextLine(HWND clock) {
    const std::string text = TooltipText(clock);
    const auto next = text.find("\r\n");
    return next == std::string::npos ? "" : text.substr(next + 2);
}

// The calls `act` makes, with a window it opens noted in its place and closed.
std::string CallsOf(RecordingSeams& recorder, const std::function<void()>& act) {
    recorder.clear();
    std::string window;
    std::size_t before = 0;
    DriveModal(act, [&](HWND dialog) {
        char caption[64] = {};
        GetWindowTextA(dialog, caption, sizeof caption);
        window = std::string("[") + caption + ": " + RemindText + "]";
        before = recorder.calls().size();
        SendMessageA(dialog, WM_CLOSE, 0, 0);
    });
    std::vector<std::string> calls = recorder.calls();
    if (!window.empty()) calls.insert(calls.begin() + before, window);
    std::string line;
    for (const std::string& call : calls) line += (line.empty() ? "" : ", ") + call;
    return line;
}

// Nights of the real clock window in UTC+1: what it arms and runs at each message it is sent.
TEST_F(ClockTest, AlarmsAcrossSleep) {
    SettableClock settable(60);
    settable.SetLocal(2026, 3, 2, 22, 0, 0);  // a Monday
    std::vector<StoredRing> items{Item(0, 2, 7, 0, 1, ""), Item(4, 2, 3, 0, 1, ""), Item(1, 2, 8, 0, 1, "Stand-up"),
                                  Item(1, 1, 12, 0, 5, "Dentist"), Item(2, 2, 6, 30, 1, "")};
    StoreRings(items);
    ClockWindow clock;
    EXPECT_EQ(clock.recorder.calls(), std::vector<std::string>{"SetWaitableTimer 2026-03-03 06:00:00 UTC resume"});
    const struct {
        int date, hour, minute, second;
        UINT message;
        WPARAM event;
        const char* calls;
    } steps[] = {
        {2, 22, 59, 59, WM_TIMER, 8, ""},
        {2, 23, 0, 0, WM_POWERBROADCAST, PBT_APMSUSPEND, "SetWaitableTimer 2026-03-03 06:00:00 UTC resume"},
        // Woken by the timer just after 7:00: the 3:00 shut-down does not run, the sound and the program do.
        {3, 7, 0, 1, WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, "SetWaitableTimer 2026-03-03 07:00:00 UTC resume"},
        {3, 7, 0, 1, WM_TIMER, 8,
         "SetWaitableTimer 2026-03-03 07:00:00 UTC resume, PlaySound 0x5 (memory), "
         "ShellExecute Open|backup.exe||C:\\Tools\\|5"},
        {3, 7, 0, 2, WM_TIMER, 8, ""},
        {3, 23, 0, 0, WM_POWERBROADCAST, PBT_APMSUSPEND, "SetWaitableTimer 2026-03-04 06:00:00 UTC resume"},
        // The timer was not honoured: what fell due runs once, at the first tick; the screen is kept on
        // while the text waits.
        {4, 9, 30, 0, WM_POWERBROADCAST, PBT_APMRESUMESUSPEND, "SetWaitableTimer 2026-03-05 06:00:00 UTC resume"},
        {4, 9, 30, 0, WM_TIMER, 8,
         "SetWaitableTimer 2026-03-05 06:00:00 UTC resume, PlaySound 0x5 (memory), SetThreadExecutionState "
         "0x80000003, [Text Hint: Stand-up], SetThreadExecutionState 0x80000000, ShellExecute "
         "Open|backup.exe||C:\\Tools\\|5"},
        // Three days asleep, and no suspend message came: the resume alone tells of it. Each daily item
        // runs once; Thursday's one-time text is more than a day old.
        {7, 10, 0, 0, WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, "SetWaitableTimer 2026-03-08 06:00:00 UTC resume"},
        {7, 10, 0, 0, WM_TIMER, 8,
         "SetWaitableTimer 2026-03-08 06:00:00 UTC resume, PlaySound 0x5 (memory), SetThreadExecutionState "
         "0x80000003, [Text Hint: Stand-up], SetThreadExecutionState 0x80000000, ShellExecute "
         "Open|backup.exe||C:\\Tools\\|5"},
        // The clock's own time changed while waking is switched off.
        {7, 10, 0, 1, WM_TIMECHANGE, 0, "CancelWaitableTimer"},
    };
    for (const auto& step : steps) {
        settable.SetLocal(2026, 3, step.date, step.hour, step.minute, step.second);
        if (step.message == WM_TIMECHANGE) SaveSetting(settings::WakeFromSleep, 0);
        // Only the test's own ticks: the clock's timer is stopped after every step.
        const std::string calls = CallsOf(clock.recorder, [&] {
            SendMessageA(clock.hwnd(), step.message, step.event, 0);
            KillTimer(clock.hwnd(), 8);
        });
        EXPECT_EQ(calls, step.calls) << "March " << step.date << ", " << step.hour << ":" << step.minute;
    }
    DeleteSetting(settings::WakeFromSleep);
    EXPECT_EQ(NextLine(clock.hwnd()), "Next: Sun 3:00  Shut down");
    items[0].record[4] = 6;  // the sound moves to 6:00
    EXPECT_EQ(CallsOf(clock.recorder, [&] { StoreRings(items); }), "SetWaitableTimer 2026-03-08 05:00:00 UTC resume");
    EXPECT_EQ(CallsOf(clock.recorder, [&] { StoreRings({}); }), "CancelWaitableTimer");
    EXPECT_EQ(NextLine(clock.hwnd()), "");
}

}  // namespace
