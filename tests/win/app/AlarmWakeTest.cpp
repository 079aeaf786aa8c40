#include "ClockHarness.h"
#include "alarms/DlgRemindText.h"
#include "support/DialogDriver.h"
#include "support/PaintedTexts.h"
#include "support/StoredRings.h"
#include "support/WindowText.h"

#include <functional>

namespace {

// An enabled item of March 2026 (`day` counts for a one-time item); a program item runs C:\Tools\backup.exe.
StoredRing Item(BYTE action, BYTE mode, BYTE hour, BYTE minute, BYTE day, const char* text) {
    return {{1, action, mode, 0, hour, minute, 20, 26, 3, day, 0},
            {{"Text", text}, {"RunExe", "C:\\Tools\\backup.exe"}}};
}

// The calls `act` makes, with a window it opens noted in its place and closed.
std::string CallsOf(RecordingSeams& recorder, const std::function<void()>& act) {
    std::vector<std::string> calls;
    recorder.clear();
    DriveModal(act, [&](HWND dialog) {
        calls = recorder.calls();
        std::string shown = WindowText(dialog) + ": ";
        for (const auto& [x, y, text] : PaintedTexts(dialog)) shown += text;
        calls.push_back("[" + shown + "]");
        recorder.clear();
        SendMessageA(dialog, WM_CLOSE, 0, 0);
    });
    calls.insert(calls.end(), recorder.calls().begin(), recorder.calls().end());
    std::string line;
    for (const std::string& call : calls) line += (line.empty() ? "" : ", ") + call;
    return line;
}

std::string Armed(int day, int hour) {
    return "SetWaitableTimer 2026-03-0" + std::to_string(day) + " 0" + std::to_string(hour) + ":00:00 UTC resume";
}

// Nights of the real clock window in UTC+1: what it arms and runs at each message it is sent.
TEST_F(ClockTest, AlarmsAcrossSleep) {
    SettableClock settable(60);
    settable.SetLocal(2026, 3, 2, 22, 0, 0);  // a Monday
    std::vector<StoredRing> items{Item(0, 2, 7, 0, 1, ""), Item(4, 2, 3, 0, 1, ""), Item(1, 2, 8, 0, 1, "Stand-up"),
                                  Item(1, 1, 12, 0, 5, "Dentist"), Item(2, 2, 6, 30, 1, "")};
    StoreRings(items);
    ClockWindow clock;
    EXPECT_EQ(clock.recorder.calls(), std::vector{Armed(3, 6)});
    const struct {
        int date, hour, minute, second;
        UINT message;
        WPARAM event;
        std::string calls;
    } steps[] = {
        {2, 22, 59, 59, WM_TIMER, 8, ""},
        {2, 23, 0, 0, WM_POWERBROADCAST, PBT_APMSUSPEND, Armed(3, 6)},
        // Woken by the timer just after 7:00: the 3:00 shut-down does not run, the sound and the program do.
        {3, 7, 0, 1, WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, Armed(3, 7)},
        {3, 7, 0, 1, WM_TIMER, 8,
         Armed(3, 7) + ", PlaySound 0x5 (memory), ShellExecute Open|backup.exe||C:\\Tools\\|5"},
        {3, 7, 0, 2, WM_TIMER, 8, ""},
        // Four days asleep, the timer not honoured and no suspend message: the resume alone tells of it. What fell
        // due runs once at the first tick, the screen kept on while the text waits, which says when it was due;
        // Thursday's one-time text is more than a day old.
        {7, 10, 0, 0, WM_POWERBROADCAST, PBT_APMRESUMESUSPEND, Armed(8, 6)},
        {7, 10, 0, 0, WM_TIMER, 8,
         Armed(8, 6) +
             ", PlaySound 0x5 (memory), SetThreadExecutionState 0x80000003, [Text Hint: Stand-upDue at 08:00], "
             "SetThreadExecutionState 0x80000000, ShellExecute Open|backup.exe||C:\\Tools\\|5"},
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
    EXPECT_TRUE(TooltipText(clock.hwnd()).ends_with("\r\nNext: Sun 3:00  Shut down")) << TooltipText(clock.hwnd());
    items[0].record[4] = 6;  // the sound moves to 6:00
    EXPECT_EQ(CallsOf(clock.recorder, [&] { StoreRings(items); }), Armed(8, 5));
    EXPECT_EQ(CallsOf(clock.recorder, [&] { StoreRings({}); }), "CancelWaitableTimer");
    EXPECT_EQ(TooltipText(clock.hwnd()).find('\n'), std::string::npos) << "no next alarm";
}

}  // namespace
