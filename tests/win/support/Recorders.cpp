#include "support/Recorders.h"

#include <cstdio>
#include <mutex>
#include <set>
#include <utility>

namespace {

CallLog* activeLog = nullptr;
UINT waveDevices = 0;
UINT midiDevices = 0;
std::int64_t clockUtcMs = 0;
std::int64_t clockOffsetMs = 0;

// Worker threads (the chime) record too.
std::mutex logMutex;

void Record(const std::string& line) {
    const std::lock_guard<std::mutex> lock(logMutex);
    if (activeLog) activeLog->calls.push_back(line);
}

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

}  // namespace

RecordingSeams::RecordingSeams() {
    static CallLog log;
    log.calls.clear();
    activeLog = &log;
    waveDevices = midiDevices = 0;
    seams.SetLocalTime = [](const SYSTEMTIME* t) -> BOOL {
        char line[64];
        std::snprintf(line, sizeof line, "SetLocalTime %04u-%02u-%02u %02u:%02u:%02u", t->wYear, t->wMonth, t->wDay,
                      t->wHour, t->wMinute, t->wSecond);
        Record(line);
        return TRUE;
    };
    seams.EnableShutdownPrivilege = []() -> BOOL {
        Record("EnableShutdownPrivilege");
        return TRUE;
    };
    seams.ExitWindowsEx = [](UINT flags, DWORD) -> BOOL {
        Record("ExitWindowsEx " + std::to_string(flags));
        return TRUE;
    };
    seams.ShellExecuteA = [](HWND, LPCSTR op, LPCSTR file, LPCSTR params, LPCSTR folder, INT show) -> HINSTANCE {
        Record("ShellExecute " + Text(op) + "|" + Text(file) + "|" + Text(params) + "|" + Text(folder) + "|" +
               std::to_string(show));
        return reinterpret_cast<HINSTANCE>(42);
    };
    seams.PlaySoundA = [](LPCSTR sound, HMODULE, DWORD flags) -> BOOL {
        char line[32];
        std::snprintf(line, sizeof line, "PlaySound 0x%lX ", static_cast<unsigned long>(flags));
        // SND_MEMORY passes bytes, not a name.
        Record(line + ((flags & 0x4) ? std::string("(memory)") : Text(sound)));
        return TRUE;
    };
    seams.mciExecute = [](LPCSTR command) -> BOOL {
        Record("mciExecute " + Text(command));
        return TRUE;
    };
    seams.HtmlHelpA = [](HWND, LPCSTR file, UINT command, DWORD_PTR) -> HWND {
        Record("HtmlHelp " + Text(file) + "|" + std::to_string(command));
        return nullptr;
    };
    seams.Beep = [](DWORD frequency, DWORD duration) -> BOOL {
        Record("Beep " + std::to_string(frequency) + " " + std::to_string(duration));
        return TRUE;
    };
    seams.Sleep = [](DWORD ms) { Record("Sleep " + std::to_string(ms)); };
    seams.ExitProcess = [](UINT code) { Record("ExitProcess " + std::to_string(code)); };
    seams.waveOutGetNumDevs = []() -> UINT { return waveDevices; };
    seams.midiOutGetNumDevs = []() -> UINT { return midiDevices; };
}

RecordingSeams::~RecordingSeams() { activeLog = nullptr; }

const std::vector<std::string>& RecordingSeams::calls() const { return activeLog->calls; }

void RecordingSeams::clear() { activeLog->calls.clear(); }

bool RecordingSeams::WaitForCalls(std::size_t count, DWORD timeoutMs) const {
    const DWORD start = GetTickCount();
    for (;;) {
        {
            const std::lock_guard<std::mutex> lock(logMutex);
            if (activeLog->calls.size() >= count) return true;
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

void SettableClock::SetUtc(std::int64_t seconds, int milliseconds) {
    clockUtcMs = seconds * kMsPerSecond + milliseconds;
}

void SettableClock::SetLocal(int year, int month, int day, int hour, int minute, int second, int milliseconds) {
    SYSTEMTIME local{WORD(year), WORD(month), 0, WORD(day), WORD(hour), WORD(minute), WORD(second), WORD(milliseconds)};
    clockUtcMs = ToMs(local) - clockOffsetMs;
}

void SettableClock::Advance(std::int64_t seconds) { clockUtcMs += seconds * kMsPerSecond; }

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
