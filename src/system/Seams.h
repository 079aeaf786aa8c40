#pragma once
// Every call that reads the clock, changes the machine or starts something outside the program goes
// through here, so tests can stand at any time and record instead of acting. The program never
// replaces these; tests do, and put them back. Plain function pointers, so a test
// can install a lambda.
#include <windows.h>

#include <commdlg.h>
#include <mmsystem.h>
#include <shellapi.h>
#include <shlobj.h>

struct Seams {
    void (*GetLocalTime)(LPSYSTEMTIME);
    void (*GetSystemTime)(LPSYSTEMTIME);
    // Conversions between UTC and local wall time by the current time zone's rules.
    BOOL (*UtcToLocal)(const SYSTEMTIME* utc, SYSTEMTIME* local);
    BOOL (*LocalToUtc)(const SYSTEMTIME* local, SYSTEMTIME* utc);
    // Milliseconds since the system started: counts on whatever is done to the wall clock.
    ULONGLONG (*GetTickCount64)();
    // Sets the clock in UTC: the wall time of another date would be converted by today's offset instead.
    BOOL (*SetSystemTime)(const SYSTEMTIME*);
    // Gives the process SeShutdownPrivilege.
    BOOL (*EnableShutdownPrivilege)();
    // Gives the process SeSystemtimePrivilege; on failure GetLastError says why.
    BOOL (*EnableSystemTimePrivilege)();
    BOOL (*ExitWindowsEx)(UINT flags, DWORD reason);
    HINSTANCE (*ShellExecuteA)(HWND, LPCSTR operation, LPCSTR file, LPCSTR parameters, LPCSTR folder, INT show);
    BOOL (*PlaySoundA)(LPCSTR sound, HMODULE module, DWORD flags);
    BOOL (*mciExecute)(LPCSTR command);
    HWND (*HtmlHelpA)(HWND caller, LPCSTR file, UINT command, DWORD_PTR data);
    BOOL (*Beep)(DWORD frequency, DWORD duration);
    void (*Sleep)(DWORD milliseconds);
    UINT (*waveOutGetNumDevs)();
    UINT (*midiOutGetNumDevs)();
    // The notification area, so tests can count the icons the clock adds and removes.
    BOOL (*Shell_NotifyIconA)(DWORD message, PNOTIFYICONDATAA data);
    // The shell's pickers wait for the user; tests answer for them.
    BOOL (*GetOpenFileNameA)(LPOPENFILENAMEA data);
    PIDLIST_ABSOLUTE (*SHBrowseForFolderA)(LPBROWSEINFOA data);
    // Ends the program at once, as the Exit command does.
    void (*ExitProcess)(UINT code);
    // When someone last used the keyboard or mouse, on the GetTickCount clock.
    BOOL (*GetLastInputInfo)(PLASTINPUTINFO input);
    // The timer that wakes the computer for an alarm, and the request to keep the screen on.
    HANDLE (*CreateWaitableTimerA)(LPSECURITY_ATTRIBUTES attributes, BOOL manualReset, LPCSTR name);
    BOOL(*SetWaitableTimer)
    (HANDLE timer, const LARGE_INTEGER* due, LONG period, PTIMERAPCROUTINE completion, LPVOID argument, BOOL resume);
    BOOL (*CancelWaitableTimer)(HANDLE timer);
    EXECUTION_STATE (*SetThreadExecutionState)(EXECUTION_STATE state);
    // The wave device the ringing plays through, buffer by buffer, so tests hear it without one.
    MMRESULT (*waveOutOpen)
    (LPHWAVEOUT device, UINT id, LPCWAVEFORMATEX format, DWORD_PTR callback, DWORD_PTR instance, DWORD flags);
    MMRESULT (*waveOutPrepareHeader)(HWAVEOUT device, LPWAVEHDR header, UINT size);
    MMRESULT (*waveOutWrite)(HWAVEOUT device, LPWAVEHDR header, UINT size);
    MMRESULT (*waveOutUnprepareHeader)(HWAVEOUT device, LPWAVEHDR header, UINT size);
    MMRESULT (*waveOutReset)(HWAVEOUT device);
    MMRESULT (*waveOutClose)(HWAVEOUT device);
    // Whether the user's high contrast setting is on: what the program paints itself then keeps to the system
    // colours.
    bool (*HighContrastOn)();
};

extern Seams seams;

// The real calls, for a test that needs to put one back.
Seams RealSeams();

// The local date and time now, with its weekday, as the clock seam gives it.
SYSTEMTIME LocalNow();
