#include "dialogs/DlgSetSysTime.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <cstdio>
#include <string>

#include "support/DialogDriver.h"
#include "support/GdiCount.h"
#include "support/Recorders.h"

namespace {

constexpr int kOk = 1, kCancel = 2, kApply = 3, kDate = 4, kTime = 5, kRefusal = 7;

// The date of the date picker and the time of the time picker.
std::string Shown(HWND dialog) {
    SYSTEMTIME d{}, t{};
    SendDlgItemMessageA(dialog, kDate, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&d));
    SendDlgItemMessageA(dialog, kTime, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&t));
    char text[32];
    std::snprintf(text, sizeof text, "%u-%u-%u %u:%02u:%02u", d.wYear, d.wMonth, d.wDay, t.wHour, t.wMinute, t.wSecond);
    return text;
}

// What a picker does when the user changes it: takes the value and tells its parent.
void UserSets(HWND dialog, int picker, SYSTEMTIME value) {
    SendDlgItemMessageA(dialog, picker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&value));
    NMDATETIMECHANGE change{{GetDlgItem(dialog, picker), UINT_PTR(picker), UINT(DTN_DATETIMECHANGE)}, GDT_VALID, value};
    SendMessageA(dialog, WM_NOTIFY, picker, reinterpret_cast<LPARAM>(&change));
}

void Click(HWND dialog, int id) { SendDlgItemMessageA(dialog, id, BM_CLICK, 0, 0); }

std::string Calls(const RecordingSeams& recorder) {
    std::string calls;
    for (const std::string& call : recorder.calls()) calls += call + "|";
    return calls;
}

TEST(SysTimeDialog, FollowsTheClockFreezesOnAnEditAndAppliesTheDateOfOneAndTheTimeOfTheOther) {
    RecordingSeams recorder;
    SettableClock clock;
    clock.SetLocal(2026, 12, 31, 23, 59, 58);
    const bool closed =
        DriveModal([] { ShowSysTimeDialog(nullptr); },
                   [&](HWND dialog) {
                       std::string tabs;  // from the date picker, in creation order, past the disabled Apply
                       for (HWND at = GetFocus(); tabs.size() < 10; at = GetNextDlgTabItem(dialog, at, FALSE))
                           tabs += std::to_string(GetDlgCtrlID(at)) + " ";
                       EXPECT_EQ(tabs, "4 5 1 2 4 ");
                       EXPECT_EQ(Shown(dialog), "2026-12-31 23:59:58");
                       clock.Advance(3);
                       SendMessageA(dialog, WM_TIMER, 6, 0);
                       EXPECT_EQ(Shown(dialog), "2027-1-1 0:00:01");

                       UserSets(dialog, kDate, {2027, 3, 0, 1, 0, 0, 1, 0});
                       clock.Advance(10);
                       SendMessageA(dialog, WM_TIMER, 6, 0);
                       EXPECT_EQ(Shown(dialog), "2027-3-1 0:00:01") << "the edit stands";
                       UserSets(dialog, kTime, {2027, 1, 0, 1, 8, 15, 30, 0});
                       Click(dialog, kApply);
                       EXPECT_EQ(Calls(recorder), "EnableSystemTimePrivilege|SetLocalTime 2027-03-01 08:15:30|");
                       EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, kApply)));

                       clock.Advance(100);  // the dialog's own timer picks the clock up again
                       for (int waited = 0; waited < 2000 && Shown(dialog) != "2027-1-1 0:01:51"; waited += 50)
                           PumpMessages(50);
                       EXPECT_EQ(Shown(dialog), "2027-1-1 0:01:51");
                       recorder.clear();
                       Click(dialog, kOk);
                   });
    EXPECT_TRUE(closed);
    EXPECT_EQ(Calls(recorder), "") << "OK after Apply has nothing more to set";
}

// Only an edit sets the clock, only OK and Enter set it, and a refusal keeps the dialog open as the user left
// it, saying why, until a change goes through.
TEST(SysTimeDialog, SetsTheClockOnlyForAnAcceptedEditAndStaysOpenWhenRefused) {
    const std::string set = "EnableSystemTimePrivilege|SetLocalTime 2027-06-15 09:30:00|";
    const auto ok = [](HWND d) { Click(d, kOk); };
    const struct {
        const char* name;
        bool edit;
        void (*close)(HWND);
        DWORD refusal;  // of the privilege, or of the clock for access denied
        std::string calls;
    } cases[] = {
        {"OK, no edit", false, ok, 0, ""},
        {"OK", true, ok, 0, set},
        {"Enter", true, [](HWND d) { PostMessageA(d, WM_KEYDOWN, VK_RETURN, 1); }, 0, set},
        {"Escape", true, [](HWND d) { PostMessageA(d, WM_KEYDOWN, VK_ESCAPE, 1); }, 0, ""},
        {"Cancel(&C)", true, [](HWND d) { Click(d, kCancel); }, 0, ""},
        {"close box", true, [](HWND d) { SendMessageA(d, WM_SYSCOMMAND, SC_CLOSE, 0); }, 0, ""},
        {"privilege refused", true, ok, ERROR_PRIVILEGE_NOT_HELD, set},
        {"clock refused", true, ok, ERROR_ACCESS_DENIED, "EnableSystemTimePrivilege|" + set},
    };
    GdiObjectCounter fonts;
    for (const auto& c : cases) {
        RecordingSeams recorder;
        SettableClock clock;
        clock.SetLocal(2027, 6, 15, 9, 29, 59, 900);
        const Seams working = seams;
        if (c.refusal == ERROR_PRIVILEGE_NOT_HELD)
            seams.EnableSystemTimePrivilege = [] { return SetLastError(ERROR_PRIVILEGE_NOT_HELD), FALSE; };
        if (c.refusal == ERROR_ACCESS_DENIED)
            seams.SetLocalTime = [](const SYSTEMTIME*) { return SetLastError(ERROR_ACCESS_DENIED), FALSE; };
        const bool closed = DriveModal(
            [] { ShowSysTimeDialog(nullptr); },
            [&](HWND dialog) {
                EXPECT_EQ(fonts.Live(), 1u) << c.name;
                RECT opened, refused;
                GetWindowRect(dialog, &opened);
                if (c.edit) UserSets(dialog, kTime, {2027, 6, 0, 15, 9, 30, 0, 0});
                c.close(dialog);
                if (!c.refusal) return;
                SendMessageA(dialog, WM_TIMER, 6, 0);
                EXPECT_EQ(Shown(dialog), "2027-6-15 9:30:00") << c.name;
                EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, kApply))) << c.name;
                char line[256] = {}, reason[256] = {};
                GetDlgItemTextA(dialog, kRefusal, line, sizeof line);
                FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM, nullptr, c.refusal, 0, reason, sizeof reason, nullptr);
                EXPECT_EQ(std::string(line) + "\r\n", std::string("The time could not be set: ") + reason) << c.name;
                GetWindowRect(dialog, &refused);
                EXPECT_GT(refused.bottom, opened.bottom) << c.name << ": the dialog grows to show the line";
                seams = working;
                ok(dialog);
            });
        EXPECT_TRUE(closed) << c.name;
        EXPECT_EQ(Calls(recorder), c.calls) << c.name;
    }
    EXPECT_EQ(fonts.Live(), 0u);
}

}  // namespace
