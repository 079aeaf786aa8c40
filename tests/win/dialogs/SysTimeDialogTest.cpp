#include "dialogs/DlgSetSysTime.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <cstdio>
#include <string>
#include <vector>

#include "support/DialogDriver.h"
#include "support/GdiCount.h"
#include "support/Recorders.h"

extern "C" void* importSetTimer asm("__imp__SetTimer@16");

namespace {

constexpr int kOk = 1, kCancel = 2, kApply = 3, kDate = 4, kTime = 5, kRefusal = 7;

// The periods the dialog gives its window timers, read from its SetTimer calls while this lives.
class TimerPeriods {
public:
    TimerPeriods() {
        real_ = importSetTimer;
        calls.clear();
        importSetTimer = reinterpret_cast<void*>(&Record);
    }
    TimerPeriods(const TimerPeriods&) = delete;
    TimerPeriods& operator=(const TimerPeriods&) = delete;
    ~TimerPeriods() { importSetTimer = real_; }
    static inline std::string calls;

private:
    static inline void* real_;
    static UINT_PTR WINAPI Record(HWND window, UINT_PTR id, UINT period, TIMERPROC procedure) {
        if (window) calls += std::to_string(id) + ":" + std::to_string(period) + " ";
        return reinterpret_cast<decltype(&SetTimer)>(real_)(window, id, period, procedure);
    }
};

SYSTEMTIME At(int year, int month, int day, int hour, int minute, int second) {
    return {WORD(year), WORD(month), 0, WORD(day), WORD(hour), WORD(minute), WORD(second), 0};
}

std::string Text(const SYSTEMTIME& t) {
    char text[32];
    std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u:%02u", t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute,
                  t.wSecond);
    return text;
}

// The date of the date picker and the time of the time picker.
std::string Shown(HWND dialog) {
    SYSTEMTIME date{}, time{};
    SendDlgItemMessageA(dialog, kDate, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&date));
    SendDlgItemMessageA(dialog, kTime, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time));
    return Text(date).substr(0, 11) + Text(time).substr(11);
}

// What a picker does when the user changes it: takes the value and tells its parent.
void UserSets(HWND dialog, int picker, SYSTEMTIME value) {
    SendDlgItemMessageA(dialog, picker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&value));
    NMDATETIMECHANGE change{{GetDlgItem(dialog, picker), UINT_PTR(picker), UINT(DTN_DATETIMECHANGE)}, GDT_VALID, value};
    SendMessageA(dialog, WM_NOTIFY, picker, reinterpret_cast<LPARAM>(&change));
}

void Click(HWND dialog, int id) { SendDlgItemMessageA(dialog, id, BM_CLICK, 0, 0); }

bool ApplyEnabled(HWND dialog) { return IsWindowEnabled(GetDlgItem(dialog, kApply)); }

std::string TabOrder(HWND dialog) {
    std::string ids;
    HWND control = GetDlgItem(dialog, kDate);
    for (int i = 0; i < 5; ++i, control = GetNextDlgTabItem(dialog, control, FALSE))
        ids += std::to_string(GetDlgCtrlID(control)) + " ";
    return ids;
}

TEST(SysTimeDialog, FollowsTheClockFreezesOnAnEditAndAppliesTheDateOfOneAndTheTimeOfTheOther) {
    RecordingSeams recorder;
    SettableClock clock;
    TimerPeriods timers;
    clock.SetLocal(2026, 12, 31, 23, 59, 58);
    const bool closed = DriveModal(
        [] { ShowSysTimeDialog(nullptr); },
        [&](HWND dialog) {
            EXPECT_EQ(GetFocus(), GetDlgItem(dialog, kDate));
            EXPECT_EQ(TabOrder(dialog), "4 5 1 2 4 ") << "Apply is disabled";
            EXPECT_EQ(Shown(dialog), "2026-12-31 23:59:58");
            clock.Advance(3);
            SendMessageA(dialog, WM_TIMER, 6, 0);
            EXPECT_EQ(Shown(dialog), "2027-01-01 00:00:01");
            EXPECT_FALSE(ApplyEnabled(dialog));

            UserSets(dialog, kDate, At(2027, 3, 1, 0, 0, 1));
            clock.Advance(10);
            SendMessageA(dialog, WM_TIMER, 6, 0);
            EXPECT_EQ(Shown(dialog), "2027-03-01 00:00:01") << "the edit stands";
            EXPECT_TRUE(ApplyEnabled(dialog));
            EXPECT_EQ(TabOrder(dialog), "4 5 1 3 2 ");
            UserSets(dialog, kTime, At(2027, 1, 1, 8, 15, 30));
            EXPECT_EQ(Shown(dialog), "2027-03-01 08:15:30");
            Click(dialog, kApply);
            EXPECT_EQ(recorder.calls(),
                      (std::vector<std::string>{"EnableSystemTimePrivilege", "SetLocalTime 2027-03-01 08:15:30"}));
            EXPECT_FALSE(ApplyEnabled(dialog));

            // The dialog's own timer picks the clock up again.
            clock.Advance(100);
            for (int waited = 0; waited < 2000 && Shown(dialog) != "2027-01-01 00:01:51"; waited += 50)
                PumpMessages(50);
            EXPECT_EQ(Shown(dialog), "2027-01-01 00:01:51");
            recorder.clear();
            Click(dialog, kOk);
        });
    EXPECT_TRUE(closed);
    EXPECT_TRUE(recorder.calls().empty()) << "OK after Apply has nothing more to set";
    EXPECT_EQ(TimerPeriods::calls, "6:800 6:600 ");
}

// Only an edit sets the clock, and only OK and Enter set it; every way out leaves nothing behind.
TEST(SysTimeDialog, SetsTheClockOnlyForAnEditAcceptedWithOkOrEnter) {
    const std::vector<std::string> kSet{"EnableSystemTimePrivilege", "SetLocalTime 2027-06-15 09:30:00"};
    const struct {
        const char* name;
        bool edit;
        void (*close)(HWND);
        bool sets;
    } cases[] = {
        {"OK, no edit", false, [](HWND dialog) { Click(dialog, kOk); }, false},
        {"Enter, no edit", false, [](HWND dialog) { PostMessageA(dialog, WM_KEYDOWN, VK_RETURN, 1); }, false},
        {"OK", true, [](HWND dialog) { Click(dialog, kOk); }, true},
        {"Enter", true, [](HWND dialog) { PostMessageA(dialog, WM_KEYDOWN, VK_RETURN, 1); }, true},
        {"Escape", true, [](HWND dialog) { PostMessageA(dialog, WM_KEYDOWN, VK_ESCAPE, 1); }, false},
        {"Cancel(&C)", true, [](HWND dialog) { Click(dialog, kCancel); }, false},
        {"close box", true, [](HWND dialog) { SendMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); }, false},
    };
    GdiObjectCounter fonts;
    for (const auto& c : cases) {
        RecordingSeams recorder;
        SettableClock clock;
        clock.SetLocal(2027, 6, 15, 9, 29, 59, 900);
        const bool closed = DriveModal([] { ShowSysTimeDialog(nullptr); },
                                       [&](HWND dialog) {
                                           EXPECT_EQ(fonts.Live(), 1u) << c.name;
                                           if (c.edit) UserSets(dialog, kTime, At(2027, 6, 15, 9, 30, 0));
                                           c.close(dialog);
                                       });
        EXPECT_TRUE(closed) << c.name;
        EXPECT_EQ(recorder.calls(), c.sets ? kSet : std::vector<std::string>{}) << c.name;
    }
    EXPECT_EQ(fonts.Live(), 0u);
}

std::string SystemMessage(DWORD error) {
    char text[256] = {};
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0, text, sizeof text,
                   nullptr);
    std::string message = text;
    return message.substr(0, message.find_last_not_of(" \r\n") + 1);
}

bool InsideClientArea(HWND dialog, HWND control) {
    RECT client, line;
    GetClientRect(dialog, &client);
    GetWindowRect(control, &line);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&line), 2);
    return line.left >= 0 && line.top >= 0 && line.right <= client.right && line.bottom <= client.bottom &&
           line.bottom > line.top;
}

// A refused change keeps the dialog open as the user left it and says why, until a change goes through.
TEST(SysTimeDialog, ARefusedChangeStaysOpenWithTheEditAndTheSystemsReason) {
    const struct {
        const char* name;
        BOOL (*privilege)();
        BOOL (*set)(const SYSTEMTIME*);
        DWORD error;
        std::vector<std::string> calls;  // the refused try, then the Apply that goes through
    } cases[] = {
        {"privilege refused",
         [] { return SetLastError(ERROR_PRIVILEGE_NOT_HELD), FALSE; },
         nullptr,
         ERROR_PRIVILEGE_NOT_HELD,
         {"EnableSystemTimePrivilege", "SetLocalTime 2027-06-15 09:30:00"}},
        {"clock refused",
         nullptr,
         [](const SYSTEMTIME*) { return SetLastError(ERROR_ACCESS_DENIED), FALSE; },
         ERROR_ACCESS_DENIED,
         {"EnableSystemTimePrivilege", "EnableSystemTimePrivilege", "SetLocalTime 2027-06-15 09:30:00"}},
    };
    for (const auto& c : cases) {
        RecordingSeams recorder;
        SettableClock clock;
        clock.SetLocal(2027, 6, 15, 9, 29, 59);
        const Seams recording = seams;
        if (c.privilege) seams.EnableSystemTimePrivilege = c.privilege;
        if (c.set) seams.SetLocalTime = c.set;
        const bool closed =
            DriveModal([] { ShowSysTimeDialog(nullptr); },
                       [&](HWND dialog) {
                           RECT opened;
                           GetWindowRect(dialog, &opened);
                           const HWND line = GetDlgItem(dialog, kRefusal);
                           UserSets(dialog, kTime, At(2027, 6, 15, 9, 30, 0));
                           Click(dialog, kOk);
                           SendMessageA(dialog, WM_TIMER, 6, 0);
                           EXPECT_TRUE(IsWindowVisible(dialog)) << c.name;
                           EXPECT_EQ(Shown(dialog), "2027-06-15 09:30:00") << c.name;
                           EXPECT_TRUE(ApplyEnabled(dialog)) << c.name;
                           char text[256] = {};
                           GetWindowTextA(line, text, sizeof text);
                           EXPECT_EQ(text, "The time could not be set: " + SystemMessage(c.error)) << c.name;
                           EXPECT_TRUE(IsWindowVisible(line) && InsideClientArea(dialog, line)) << c.name;

                           seams.EnableSystemTimePrivilege = recording.EnableSystemTimePrivilege;
                           seams.SetLocalTime = recording.SetLocalTime;
                           Click(dialog, kApply);
                           RECT applied;
                           GetWindowRect(dialog, &applied);
                           EXPECT_FALSE(IsWindowVisible(line)) << c.name;
                           EXPECT_EQ(applied.bottom - applied.top, opened.bottom - opened.top) << c.name;
                           Click(dialog, kCancel);
                       });
        EXPECT_TRUE(closed) << c.name;
        EXPECT_EQ(recorder.calls(), c.calls) << c.name;
    }
}

}  // namespace
