#include "alarms/AlarmWindowText.h"
#include "alarms/DlgAlarm.h"
#include "alarms/DlgRemindText.h"
#include "alarms/DlgWinExit.h"
#include "app/AboutWindow.h"
#include "dialogs/DlgCalendar.h"
#include "dialogs/DlgOption.h"
#include "dialogs/DlgSetSysTime.h"
#include "forms/AlarmEditor.h"
#include "forms/AlarmListWindow.h"
#include "system/WindowDpi.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "support/CleanSettings.h"
#include "support/ControlLabels.h"
#include "support/DialogDriver.h"
#include "support/LayoutFaults.h"
#include "support/Recorders.h"

namespace {

void ExpectWholeLayout(HWND window, const char* name) {
    for (const std::string& fault : LayoutFaults(window)) ADD_FAILURE() << name << ": " << fault;
    for (const std::string& control : UnlabelledControls(window)) ADD_FAILURE() << name << ": unlabelled " << control;
}

// Every window at the DPI of the display it opens on (run with the prefix's LogPixels at 96, 120, 144 or 192): on
// the screen, no control or painted text past its window's client area, no text over another, and a label for
// screen readers before every control without a caption. The texts are long enough to wrap.
TEST(ScaledLayout, EveryWindowKeepsItsControlsInsideAndItsTextsApart) {
    const CleanSettings clean;
    const RecordingSeams recorded;
    const DpiAwarenessScope aware(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    const struct {
        const char* name;
        std::function<void()> open;
    } modal[] = {
        {"Calendar", [] { ShowCalendarDialog(nullptr); }},
        {"System time", [] { ShowSysTimeDialog(nullptr); }},
        {"Options", [] { ShowOptionDialog(nullptr); }},
        {"Reminder",
         [] { ShowRemindText(nullptr, "Water the plants in the kitchen and the hall before the evening"); }},
        {"Countdown",
         [] { ShowWinExit(nullptr, false, "Time to stop working for the day and shut the computer down"); }},
        {"Alarm",
         [] {
             const AlarmCall call{{"Meeting with the planning team", "Call the garage about the car"}, 7, 30, true, ""};
             ShowAlarm(nullptr, call);
         }},
    };
    for (const auto& window : modal)
        EXPECT_TRUE(DriveModal(window.open, [&](HWND dialog) {
            ExpectWholeLayout(dialog, window.name);
            PostMessageA(dialog, WM_CLOSE, 0, 0);
        })) << window.name;
    const struct {
        const char* name;
        void (*open)();
        const char* windowClass;
    } forms[] = {{"Alarm list", ShowAlarmList, "frmOptions"},
                 {"Alarm editor", ShowAddEditor, "frmAdditem"},
                 {"About", ShowForm4, "Form4"}};
    for (const auto& form : forms) {
        form.open();
        const HWND window = FindWindowA(form.windowClass, nullptr);
        ASSERT_TRUE(window) << form.name;
        ExpectWholeLayout(window, form.name);
        DestroyWindow(window);
    }
}

}  // namespace
