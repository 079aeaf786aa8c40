#include "system/Seams.h"

#include "system/HandleGuards.h"

#include <mmsystem.h>
#include <shellapi.h>

// winmm exports it, but MinGW's headers do not declare it.
extern "C" BOOL WINAPI mciExecute(LPCSTR command);

namespace {

BOOL UtcToLocal(const SYSTEMTIME* utc, SYSTEMTIME* local) {
    return SystemTimeToTzSpecificLocalTime(nullptr, utc, local);
}

BOOL LocalToUtc(const SYSTEMTIME* local, SYSTEMTIME* utc) {
    return TzSpecificLocalTimeToSystemTime(nullptr, local, utc);
}

// A privilege the account does not hold is reported as such, not as "not all assigned".
BOOL EnablePrivilege(LPCSTR name) {
    KernelHandle token;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, token.out())) return FALSE;
    TOKEN_PRIVILEGES privileges{};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    if (!LookupPrivilegeValueA(nullptr, name, &privileges.Privileges[0].Luid)) return FALSE;
    if (!AdjustTokenPrivileges(token.get(), FALSE, &privileges, 0, nullptr, nullptr)) return FALSE;
    if (GetLastError() == ERROR_SUCCESS) return TRUE;
    SetLastError(ERROR_PRIVILEGE_NOT_HELD);
    return FALSE;
}

// hhctrl.ocx is loaded on first use: most runs never open the help.
HWND HtmlHelp(HWND caller, LPCSTR file, UINT command, DWORD_PTR data) {
    using HtmlHelpFunction = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);
    static const auto function = [] {
        const HMODULE library = LoadLibraryA("hhctrl.ocx");
        return library
                   ? reinterpret_cast<HtmlHelpFunction>(reinterpret_cast<void*>(GetProcAddress(library, "HtmlHelpA")))
                   : nullptr;
    }();
    return function ? function(caller, file, command, data) : nullptr;
}

bool HighContrastOn() {
    HIGHCONTRASTA contrast{};
    contrast.cbSize = sizeof contrast;
    return SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
           (contrast.dwFlags & HCF_HIGHCONTRASTON);
}

}  // namespace

Seams RealSeams() {
    return Seams{
        [](LPSYSTEMTIME time) { ::GetLocalTime(time); },
        [](LPSYSTEMTIME time) { ::GetSystemTime(time); },
        UtcToLocal,
        LocalToUtc,
        [] { return ::GetTickCount64(); },
        [](const SYSTEMTIME* time) { return ::SetSystemTime(time); },
        [] { return EnablePrivilege(SE_SHUTDOWN_NAME); },
        [] { return EnablePrivilege(SE_SYSTEMTIME_NAME); },
        [](UINT flags, DWORD reason) { return ::ExitWindowsEx(flags, reason); },
        [](HWND owner, LPCSTR operation, LPCSTR file, LPCSTR parameters, LPCSTR folder, INT show) {
            return ::ShellExecuteA(owner, operation, file, parameters, folder, show);
        },
        [](LPCSTR sound, HMODULE module, DWORD flags) { return ::PlaySoundA(sound, module, flags); },
        [](LPCSTR command) { return ::mciExecute(command); },
        HtmlHelp,
        [](DWORD frequency, DWORD duration) { return ::Beep(frequency, duration); },
        [](DWORD milliseconds) { ::Sleep(milliseconds); },
        [] { return ::waveOutGetNumDevs(); },
        [] { return ::midiOutGetNumDevs(); },
        [](DWORD message, PNOTIFYICONDATAA data) { return ::Shell_NotifyIconA(message, data); },
        [](LPOPENFILENAMEA data) { return ::GetOpenFileNameA(data); },
        [](LPBROWSEINFOA data) { return ::SHBrowseForFolderA(data); },
        [](UINT code) { ::ExitProcess(code); },
        [](PLASTINPUTINFO input) { return ::GetLastInputInfo(input); },
        [](LPSECURITY_ATTRIBUTES attributes, BOOL manualReset, LPCSTR name) {
            return ::CreateWaitableTimerA(attributes, manualReset, name);
        },
        [](HANDLE timer, const LARGE_INTEGER* due, LONG period, PTIMERAPCROUTINE completion, LPVOID argument,
           BOOL resume) { return ::SetWaitableTimer(timer, due, period, completion, argument, resume); },
        [](HANDLE timer) { return ::CancelWaitableTimer(timer); },
        [](EXECUTION_STATE state) { return ::SetThreadExecutionState(state); },
        [](LPHWAVEOUT device, UINT id, LPCWAVEFORMATEX format, DWORD_PTR callback, DWORD_PTR instance, DWORD flags) {
            return ::waveOutOpen(device, id, format, callback, instance, flags);
        },
        [](HWAVEOUT device, LPWAVEHDR header, UINT size) { return ::waveOutPrepareHeader(device, header, size); },
        [](HWAVEOUT device, LPWAVEHDR header, UINT size) { return ::waveOutWrite(device, header, size); },
        [](HWAVEOUT device, LPWAVEHDR header, UINT size) { return ::waveOutUnprepareHeader(device, header, size); },
        [](HWAVEOUT device) { return ::waveOutReset(device); },
        [](HWAVEOUT device) { return ::waveOutClose(device); },
        HighContrastOn,
    };
}

Seams seams = RealSeams();

SYSTEMTIME LocalNow() {
    SYSTEMTIME now{};
    seams.GetLocalTime(&now);
    return now;
}
