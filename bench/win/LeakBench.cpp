// Does each thing the clock is asked to do over and over, 1,000 times by default, on the real clock window, and
// prints what the program's GDI and USER objects and its private bytes were before and after. argv[1]: a folder
// of skins to apply; argv[2]: the number of cycles; argv[3], if given: only the cycles whose names hold it. Nothing
// here acts on the machine: the tray, the shell, sound and shut-down are stubbed.
#include "HeldMemory.h"
#include "ObjectCount.h"
#include "alarms/DlgRemindText.h"
#include "alarms/DlgWinExit.h"
#include "app/AboutWindow.h"
#include "app/Main.h"
#include "app/frmMain.h"
#include "dialogs/DlgCalendar.h"
#include "dialogs/DlgOption.h"
#include "dialogs/DlgSetSysTime.h"
#include "forms/AlarmEditor.h"
#include "forms/AlarmListWindow.h"
#include "settings/SettingsKeys.h"
#include "system/Seams.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <optional>
#include <string>

namespace {

void PumpMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

// While it lives, every top-level window made is asked to close as soon as it exists: a modal dialog ends as
// its loop starts, a modeless form goes at the next pump.
class CloseNewWindows {
public:
    CloseNewWindows() : hook_(SetWindowsHookExA(WH_CBT, OnCbt, nullptr, GetCurrentThreadId())) {}
    ~CloseNewWindows() { UnhookWindowsHookEx(hook_); }

private:
    static LRESULT CALLBACK OnCbt(int code, WPARAM wParam, LPARAM lParam) {
        if (code == HCBT_CREATEWND && !(reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs->style & WS_CHILD))
            PostMessageA(reinterpret_cast<HWND>(wParam), WM_CLOSE, 0, 0);
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    HHOOK hook_;
};

std::string skinFolder;

void ApplySkin(HWND clock, const char* background) {
    SaveSetting(settings::SkinPath, skinFolder);
    SaveSetting(settings::BmpBack, background);
    SendMessageA(clock, WM_OPTIONSAPPLIED, 0, 0);
    ShowWindow(clock, SW_SHOWNOACTIVATE);
}

// Two applies, so each cycle ends where it began: a skin file, then the built-in skin.
void ApplySkinAndBack(HWND clock) {
    ApplySkin(clock, "Brass.bmp");
    ApplySkin(clock, "Default");
}

void CALLBACK CloseMenu(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    EndMenu();
}

void OpenMenu(HWND clock) {
    SetTimer(nullptr, 0, USER_TIMER_MINIMUM, CloseMenu);
    ClockMenu.PopMenu(clock);
}

void MinimiseAndResume(HWND clock) {
    SendMessageA(clock, WM_COMMAND, 1, 0);
    SendMessageA(clock, WM_COMMAND, 0, 0);
}

// Wine's own share, for comparison: a bare window with as many standard controls as the alarm editor, each given
// the dialogs' font, made and destroyed. With the common controls 6 of the manifest, Wine keeps a few bytes of
// every control that was handed a font (none without the font or the manifest, as many with one font for all).
void BareControls(HWND) {
    const char* const classes[] = {"BUTTON", "EDIT", "COMBOBOX", "STATIC", "SCROLLBAR"};
    const HWND window =
        CreateWindowExA(0, "#32770", "", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, nullptr, nullptr, nullptr);
    const HFONT font = CreateFontA(13, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Tahoma");
    for (int i = 0; i < 38; ++i) {
        const HWND control =
            CreateWindowExA(0, classes[i % 5], "Leak check", WS_CHILD | WS_VISIBLE, i * 3, i * 3, 60, 20, window,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(100 + i)), nullptr, nullptr);
        SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    DestroyWindow(window);
    DeleteObject(font);
}

// What is done over and over. A dialog or form is one more line; `closed` asks for it to be closed on sight.
struct Cycle {
    const char* name;
    void (*run)(HWND clock);
    bool closed;
};
const Cycle kCycles[] = {
    {"skin apply and back", ApplySkinAndBack, false},
    {"menu opening", OpenMenu, false},
    {"tray minimise and resume", MinimiseAndResume, false},
    {"reminder", [](HWND clock) { ShowRemindText(clock, "Leak check"); }, true},
    {"countdown", [](HWND clock) { ShowWinExit(clock, false, ""); }, true},
    {"About", [](HWND) { ShowForm4(); }, true},
    {"options", ShowOptionDialog, true},
    {"system time", ShowSysTimeDialog, true},
    {"calendar", ShowCalendarDialog, true},
    {"alarm list", [](HWND) { ShowAlarmList(); }, true},
    {"alarm editor", [](HWND) { ShowAddEditor(); }, true},
    {"bare window, 38 controls", BareControls, false},
};

void StubActingSeams() {
    seams.Shell_NotifyIconA = [](DWORD, PNOTIFYICONDATAA) -> BOOL { return TRUE; };
    seams.ShellExecuteA = [](HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT) { return HINSTANCE(nullptr); };
    seams.PlaySoundA = [](LPCSTR, HMODULE, DWORD) -> BOOL { return TRUE; };
    seams.mciExecute = [](LPCSTR) -> BOOL { return TRUE; };
    seams.Beep = [](DWORD, DWORD) -> BOOL { return TRUE; };
    seams.EnableShutdownPrivilege = []() -> BOOL { return FALSE; };
    seams.ExitWindowsEx = [](UINT, DWORD) -> BOOL { return FALSE; };
    seams.SetSystemTime = [](const SYSTEMTIME*) -> BOOL { return FALSE; };
}

struct Snapshot {
    object_count::Figures objects;
    SIZE_T privateBytes;
    long allocations;
};

Snapshot Take(const ObjectCount& count) { return {count.Now(), held_memory::PrivateBytes(), held_memory::allocations}; }

void Print(const Cycle& cycle, int cycles, const Snapshot& start, const Snapshot& end) {
    const object_count::Figures& before = start.objects;
    const object_count::Figures& after = end.objects;
    using namespace object_count;
    std::printf("%-26s x%d:", cycle.name, cycles);
    bool any = false;
    for (int kind = 0; kind < kKinds; ++kind) {
        const long made = after.made[kind] - before.made[kind];
        if (!made) continue;
        any = true;
        std::printf("  %s %ld made, %ld let go, held %+ld;", kKindNames[kind], made,
                    after.released[kind] - before.released[kind], after.held[kind] - before.held[kind]);
    }
    if (!any) std::printf("  no objects made;");
    std::printf("  C++ allocations held %+ld;  private bytes %.2f MB -> %.2f MB (%+.1f KB)\n",
                end.allocations - start.allocations, start.privateBytes / 1048576.0, end.privateBytes / 1048576.0,
                (double(end.privateBytes) - double(start.privateBytes)) / 1024.0);
}

}  // namespace

int main(int argc, char** argv) {
    skinFolder = argc > 1 ? argv[1] : ".";
    const int cycles = argc > 2 ? std::max(1, std::atoi(argv[2])) : 1000;
    StubActingSeams();
    RegisterMainClass("frmMain");
    const HWND clock = CreateMainWindow("frmMain", WS_EX_LAYERED, nullptr);
    if (!clock) return 1;
    StartMainWindow();
    PumpMessages();

    const ObjectCount count;
    std::printf("held by the program, and private bytes, before and after each %d cycles (after 10 to warm up)\n",
                cycles);
    const char* only = argc > 3 ? argv[3] : "";
    for (const Cycle& cycle : kCycles) {
        if (!std::strstr(cycle.name, only)) continue;
        const auto runs = [&](int times) {
            for (int i = 0; i < times; ++i) {
                std::optional<CloseNewWindows> closing;
                if (cycle.closed) closing.emplace();
                cycle.run(clock);
                PumpMessages();
            }
        };
        runs(10);
        const Snapshot start = Take(count);
        runs(cycles);
        Print(cycle, cycles, start, Take(count));
    }
    SendMessageA(clock, WM_CLOSE, 0, 0);
    return 0;
}
