#include "support/Recorders.h"

#include <cstdio>
#include <mutex>
#include <set>
#include <utility>

namespace {

UINT waveDevices = 0;
UINT midiDevices = 0;
std::int64_t clockUtcMs = 0;
std::int64_t clockOffsetMs = 0;
ULONGLONG clockTickMs = 0;

// Worker threads (the chime) record too.
std::mutex logMutex;

std::string Text(LPCSTR text) { return text ? text : "(null)"; }

constexpr std::int64_t kMsPerSecond = 1000;

SYSTEMTIME FromMs(std::int64_t ms) {
    ULARGE_INTEGER ticks;
    ticks.QuadPart = static_cast<ULONGLONG>(ms) * 10000;
    FILETIME file{ticks.LowPart, ticks.HighPart};
    SYSTEMTIME time;
    FileTimeToSystemTime(&file, &time);
    return time;
}

std::int64_t ToMs(const SYSTEMTIME& time) {
    FILETIME file;
    SystemTimeToFileTime(&time, &file);
    ULARGE_INTEGER ticks{{file.dwLowDateTime, file.dwHighDateTime}};
    return static_cast<std::int64_t>(ticks.QuadPart / 10000);
}

std::vector<std::string> callLog;
bool recording = false;

template <typename... Parts>
void RecordParts(const Parts&... parts) {
    std::string line;
    ((line += parts, line += ' '), ...);
    line.pop_back();
    const std::lock_guard<std::mutex> lock(logMutex);
    if (recording) callLog.push_back(line);
}

std::string Number(unsigned long value) { return std::to_string(value); }

std::string Hex(unsigned long value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%lX", value);
    return text;
}

std::string Stamp(const SYSTEMTIME& t) {
    char text[32];
    std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u:%02u", t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute,
                  t.wSecond);
    return text;
}

}  // namespace

RecordingSeams::RecordingSeams() {
    {
        const std::lock_guard<std::mutex> lock(logMutex);
        callLog.clear();
        recording = true;
    }
    waveDevices = midiDevices = 0;
    seams.SetLocalTime = [](const SYSTEMTIME* t) -> BOOL { return RecordParts("SetLocalTime", Stamp(*t)), TRUE; };
    seams.EnableShutdownPrivilege = []() -> BOOL { return RecordParts("EnableShutdownPrivilege"), TRUE; };
    seams.EnableSystemTimePrivilege = []() -> BOOL { return RecordParts("EnableSystemTimePrivilege"), TRUE; };
    seams.ExitWindowsEx = [](UINT flags, DWORD) -> BOOL { return RecordParts("ExitWindowsEx", Number(flags)), TRUE; };
    seams.ShellExecuteA = [](HWND, LPCSTR op, LPCSTR file, LPCSTR params, LPCSTR folder, INT show) -> HINSTANCE {
        RecordParts("ShellExecute",
                    Text(op) + "|" + Text(file) + "|" + Text(params) + "|" + Text(folder) + "|" + Number(show));
        return reinterpret_cast<HINSTANCE>(42);
    };
    seams.PlaySoundA = [](LPCSTR sound, HMODULE, DWORD flags) -> BOOL {
        // SND_MEMORY passes bytes, not a name.
        RecordParts("PlaySound", Hex(flags), (flags & 0x4) ? std::string("(memory)") : Text(sound));
        return TRUE;
    };
    seams.mciExecute = [](LPCSTR command) -> BOOL { return RecordParts("mciExecute", Text(command)), TRUE; };
    seams.HtmlHelpA = [](HWND, LPCSTR file, UINT command, DWORD_PTR) -> HWND {
        RecordParts("HtmlHelp", Text(file) + "|" + Number(command));
        return nullptr;
    };
    seams.Beep = [](DWORD frequency, DWORD duration) -> BOOL {
        return RecordParts("Beep", Number(frequency), Number(duration)), TRUE;
    };
    seams.Sleep = [](DWORD ms) { RecordParts("Sleep", Number(ms)); };
    seams.ExitProcess = [](UINT code) { RecordParts("ExitProcess", Number(code)); };
    // A real handle that can be closed, but never a timer.
    seams.CreateWaitableTimerA = [](LPSECURITY_ATTRIBUTES, BOOL, LPCSTR) {
        return CreateEventA(nullptr, TRUE, FALSE, nullptr);
    };
    seams.SetWaitableTimer = [](HANDLE, const LARGE_INTEGER* due, LONG, PTIMERAPCROUTINE, LPVOID, BOOL resume) -> BOOL {
        return RecordParts("SetWaitableTimer", Stamp(FromMs(due->QuadPart / 10000)), resume ? "UTC resume" : "UTC"),
               TRUE;
    };
    seams.CancelWaitableTimer = [](HANDLE) -> BOOL { return RecordParts("CancelWaitableTimer"), TRUE; };
    seams.SetThreadExecutionState = [](EXECUTION_STATE state) -> EXECUTION_STATE {
        return RecordParts("SetThreadExecutionState", Hex(state)), ES_CONTINUOUS;
    };
    seams.waveOutGetNumDevs = []() -> UINT { return waveDevices; };
    seams.midiOutGetNumDevs = []() -> UINT { return midiDevices; };
}

RecordingSeams::~RecordingSeams() {
    const std::lock_guard<std::mutex> lock(logMutex);
    recording = false;
}

const std::vector<std::string>& RecordingSeams::calls() const { return callLog; }

void RecordingSeams::clear() {
    const std::lock_guard<std::mutex> lock(logMutex);
    callLog.clear();
}

bool RecordingSeams::WaitForCalls(std::size_t count, DWORD timeoutMs) const {
    const DWORD start = GetTickCount();
    for (;;) {
        {
            const std::lock_guard<std::mutex> lock(logMutex);
            if (callLog.size() >= count) return true;
        }
        if (GetTickCount() - start >= timeoutMs) return false;
        ::Sleep(5);
    }
}

void RecordingSeams::SetDeviceCounts(UINT wave, UINT midi) {
    waveDevices = wave;
    midiDevices = midi;
}

namespace {
std::set<std::pair<HWND, UINT>> trayIcons;
std::vector<HICON> trayAdds;
NOTIFYICONDATAA lastAdded;
}  // namespace

FakeTray::FakeTray() {
    trayIcons.clear();
    trayAdds.clear();
    lastAdded = {};
    seams.Shell_NotifyIconA = [](DWORD message, PNOTIFYICONDATAA data) -> BOOL {
        const std::pair<HWND, UINT> icon{data->hWnd, data->uID};
        if (message == NIM_ADD) {
            if (!trayIcons.insert(icon).second) return FALSE;
            trayAdds.push_back(data->hIcon);
            lastAdded = *data;
            return TRUE;
        }
        if (message == NIM_DELETE) return trayIcons.erase(icon) == 1;
        return trayIcons.count(icon) == 1;
    };
}

int FakeTray::IconCount() const { return static_cast<int>(trayIcons.size()); }

const std::vector<HICON>& FakeTray::AddedIcons() const { return trayAdds; }

const NOTIFYICONDATAA& FakeTray::LastAdded() const { return lastAdded; }

void FakeTray::Restart() { trayIcons.clear(); }

SettableClock::SettableClock(int offsetMinutes) {
    clockOffsetMs = std::int64_t(offsetMinutes) * 60 * kMsPerSecond;
    seams.GetSystemTime = [](LPSYSTEMTIME time) { *time = FromMs(clockUtcMs); };
    seams.GetTickCount64 = [] { return clockTickMs; };
    seams.GetLocalTime = [](LPSYSTEMTIME time) { *time = FromMs(clockUtcMs + clockOffsetMs); };
    seams.UtcToLocal = [](const SYSTEMTIME* utc, SYSTEMTIME* local) -> BOOL {
        *local = FromMs(ToMs(*utc) + clockOffsetMs);
        return TRUE;
    };
    seams.LocalToUtc = [](const SYSTEMTIME* local, SYSTEMTIME* utc) -> BOOL {
        *utc = FromMs(ToMs(*local) - clockOffsetMs);
        return TRUE;
    };
}

void SettableClock::SetLocal(int year, int month, int day, int hour, int minute, int second, int milliseconds) {
    SYSTEMTIME local{WORD(year), WORD(month), 0, WORD(day), WORD(hour), WORD(minute), WORD(second), WORD(milliseconds)};
    clockUtcMs = ToMs(local) - clockOffsetMs;
}

void SettableClock::Jump(std::int64_t seconds) { clockUtcMs += seconds * kMsPerSecond; }

void SettableClock::Advance(std::int64_t seconds) {
    Jump(seconds);
    clockTickMs += seconds * kMsPerSecond;
}

void PumpMessages(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    MSG msg;
    while (GetTickCount() - start < milliseconds) {
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}
