#include "support/Recorders.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <mutex>

namespace {

UINT waveDevices = 0, midiDevices = 0;
std::int64_t clockUtcMs = 0, clockOffsetMs = 0;
ULONGLONG clockTickMs = 0;

// Worker threads (the chime) record too.
std::mutex logMutex;
std::vector<std::string> callLog;
bool recording = false;

void Record(const std::string& line) {
    const std::lock_guard<std::mutex> lock(logMutex);
    if (recording) callLog.push_back(line);
}

// The recorder's wave device: what it was opened with and the buffers it holds.
WAVEFORMATEX waveFormat{};
std::vector<LPWAVEHDR> waveQueue;

void FinishWaveQueue() {
    for (const LPWAVEHDR header : waveQueue) header->dwFlags = (header->dwFlags & ~WHDR_INQUEUE) | WHDR_DONE;
    waveQueue.clear();
}

int PeakOf(const WAVEHDR& header) {
    int peak = 0;
    const auto* bytes = reinterpret_cast<const BYTE*>(header.lpData);
    if (waveFormat.wBitsPerSample == 8)
        for (DWORD i = 0; i < header.dwBufferLength; ++i) peak = std::max(peak, std::abs(bytes[i] - 128));
    else
        for (DWORD i = 0; i + 1 < header.dwBufferLength; i += 2)
            peak = std::max(peak, std::abs(int(std::int16_t(bytes[i] | bytes[i + 1] << 8))));
    return peak;
}

std::string Text(LPCSTR text) { return text ? text : "(null)"; }

template <typename... Values>
std::string Format(const char* format, Values... values) {
    char text[32];
    std::snprintf(text, sizeof text, format, values...);
    return text;
}

std::string Stamp(const SYSTEMTIME& t) {
    return Format("%04u-%02u-%02u %02u:%02u:%02u", t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond);
}

// A FILETIME counts 100 ns.
SYSTEMTIME FromMs(std::int64_t ms) {
    const ULONGLONG ticks = static_cast<ULONGLONG>(ms) * 10000;
    const FILETIME file{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
    SYSTEMTIME time;
    FileTimeToSystemTime(&file, &time);
    return time;
}

std::int64_t ToMs(const SYSTEMTIME& time) {
    FILETIME file;
    SystemTimeToFileTime(&time, &file);
    return static_cast<std::int64_t>((ULONGLONG{file.dwHighDateTime} << 32 | file.dwLowDateTime) / 10000);
}

}  // namespace

RecordingSeams::RecordingSeams() {
    {
        const std::lock_guard<std::mutex> lock(logMutex);
        callLog.clear(), recording = true;
    }
    waveDevices = midiDevices = 0;
    seams.SetSystemTime = [](const SYSTEMTIME* t) -> BOOL { return Record("SetSystemTime " + Stamp(*t)), TRUE; };
    seams.EnableShutdownPrivilege = []() -> BOOL { return Record("EnableShutdownPrivilege"), TRUE; };
    seams.EnableSystemTimePrivilege = []() -> BOOL { return Record("EnableSystemTimePrivilege"), TRUE; };
    seams.ExitWindowsEx = [](UINT flags, DWORD) -> BOOL {
        return Record("ExitWindowsEx " + std::to_string(flags)), TRUE;
    };
    seams.ShellExecuteA = [](HWND, LPCSTR op, LPCSTR file, LPCSTR params, LPCSTR folder, INT show) {
        Record("ShellExecute " + Text(op) + "|" + Text(file) + "|" + Text(params) + "|" + Text(folder) + "|" +
               std::to_string(show));
        return reinterpret_cast<HINSTANCE>(42);
    };
    // SND_MEMORY passes bytes, not a name.
    seams.PlaySoundA = [](LPCSTR sound, HMODULE, DWORD flags) -> BOOL {
        return Record("PlaySound " + Format("0x%lX", flags) + " " + (flags & 0x4 ? "(memory)" : Text(sound))), TRUE;
    };
    seams.mciExecute = [](LPCSTR command) -> BOOL { return Record("mciExecute " + Text(command)), TRUE; };
    seams.HtmlHelpA = [](HWND, LPCSTR file, UINT command, DWORD_PTR) -> HWND {
        return Record("HtmlHelp " + Text(file) + "|" + std::to_string(command)), nullptr;
    };
    seams.Beep = [](DWORD frequency, DWORD duration) -> BOOL {
        return Record("Beep " + std::to_string(frequency) + " " + std::to_string(duration)), TRUE;
    };
    seams.Sleep = [](DWORD ms) { Record("Sleep " + std::to_string(ms)); };
    seams.ExitProcess = [](UINT code) { Record("ExitProcess " + std::to_string(code)); };
    // A real handle that can be closed, but never a timer.
    seams.CreateWaitableTimerA = [](LPSECURITY_ATTRIBUTES, BOOL, LPCSTR) {
        return CreateEventA(nullptr, TRUE, FALSE, nullptr);
    };
    seams.SetWaitableTimer = [](HANDLE, const LARGE_INTEGER* due, LONG, PTIMERAPCROUTINE, LPVOID, BOOL resume) -> BOOL {
        return Record("SetWaitableTimer " + Stamp(FromMs(due->QuadPart / 10000)) + (resume ? " UTC resume" : " UTC")),
               TRUE;
    };
    seams.CancelWaitableTimer = [](HANDLE) -> BOOL { return Record("CancelWaitableTimer"), TRUE; };
    seams.SetThreadExecutionState = [](EXECUTION_STATE state) -> EXECUTION_STATE {
        return Record("SetThreadExecutionState " + Format("0x%lX", state)), ES_CONTINUOUS;
    };
    waveQueue.clear();
    seams.waveOutOpen = [](LPHWAVEOUT device, UINT, LPCWAVEFORMATEX format, DWORD_PTR, DWORD_PTR, DWORD) -> MMRESULT {
        waveFormat = *format, waveQueue.clear();
        *device = reinterpret_cast<HWAVEOUT>(0x5A5A);
        Record("waveOutOpen " + std::to_string(format->nSamplesPerSec) + " Hz " +
               std::to_string(format->wBitsPerSample) + " bit " + std::to_string(format->nChannels) + " ch");
        return MMSYSERR_NOERROR;
    };
    seams.waveOutPrepareHeader = [](HWAVEOUT, LPWAVEHDR header, UINT) -> MMRESULT {
        header->dwFlags |= WHDR_PREPARED;
        return MMSYSERR_NOERROR;
    };
    seams.waveOutWrite = [](HWAVEOUT, LPWAVEHDR header, UINT) -> MMRESULT {
        if (!(header->dwFlags & WHDR_PREPARED)) return WAVERR_UNPREPARED;
        header->dwFlags = (header->dwFlags & ~WHDR_DONE) | WHDR_INQUEUE;
        waveQueue.push_back(header);
        Record("waveOutWrite " +
               std::to_string((header->dwBufferLength * 1000 + waveFormat.nAvgBytesPerSec / 2) /
                              waveFormat.nAvgBytesPerSec) +
               " ms peak " + std::to_string(PeakOf(*header)));
        return MMSYSERR_NOERROR;
    };
    seams.waveOutUnprepareHeader = [](HWAVEOUT, LPWAVEHDR header, UINT) -> MMRESULT {
        if (header->dwFlags & WHDR_INQUEUE) return Record("waveOutUnprepareHeader while queued"), WAVERR_STILLPLAYING;
        header->dwFlags &= ~WHDR_PREPARED;
        return MMSYSERR_NOERROR;
    };
    seams.waveOutReset = [](HWAVEOUT) -> MMRESULT { return FinishWaveQueue(), Record("waveOutReset"), 0; };
    seams.waveOutClose = [](HWAVEOUT) -> MMRESULT {
        return Record(waveQueue.empty() ? "waveOutClose" : "waveOutClose while queued"), 0;
    };
    seams.waveOutGetNumDevs = [] { return waveDevices; };
    seams.midiOutGetNumDevs = [] { return midiDevices; };
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
    for (const DWORD start = GetTickCount();; ::Sleep(5)) {
        if (const std::lock_guard<std::mutex> lock(logMutex); callLog.size() >= count) return true;
        if (GetTickCount() - start >= timeoutMs) return false;
    }
}

void RecordingSeams::SetDeviceCounts(UINT wave, UINT midi) { waveDevices = wave, midiDevices = midi; }

void RecordingSeams::FinishQueuedSound() { FinishWaveQueue(); }

FakeTray::FakeTray() {
    shown_.clear(), lastAdded_ = {};
    seams.Shell_NotifyIconA = [](DWORD message, PNOTIFYICONDATAA data) -> BOOL {
        const std::pair icon{data->hWnd, data->uID};
        if (message == NIM_DELETE) return shown_.erase(icon) == 1;
        if (message != NIM_ADD) return shown_.count(icon) == 1;
        if (!shown_.insert(icon).second) return FALSE;
        lastAdded_ = *data;
        return TRUE;
    };
}

SettableClock::SettableClock(int offsetMinutes) {
    clockOffsetMs = offsetMinutes * std::int64_t{60000};
    seams.GetSystemTime = [](LPSYSTEMTIME time) { *time = FromMs(clockUtcMs); };
    seams.GetTickCount64 = [] { return clockTickMs; };
    seams.GetLocalTime = [](LPSYSTEMTIME time) { *time = FromMs(clockUtcMs + clockOffsetMs); };
    seams.UtcToLocal = [](const SYSTEMTIME* utc, SYSTEMTIME* local) -> BOOL {
        return *local = FromMs(ToMs(*utc) + clockOffsetMs), TRUE;
    };
    seams.LocalToUtc = [](const SYSTEMTIME* local, SYSTEMTIME* utc) -> BOOL {
        return *utc = FromMs(ToMs(*local) - clockOffsetMs), TRUE;
    };
}

void SettableClock::SetLocal(int year, int month, int day, int hour, int minute, int second, int milliseconds) {
    const SYSTEMTIME local{WORD(year),   WORD(month),       0, WORD(day), WORD(hour), WORD(minute),
                           WORD(second), WORD(milliseconds)};
    clockUtcMs = ToMs(local) - clockOffsetMs;
}

void SettableClock::Jump(std::int64_t seconds) { clockUtcMs += seconds * 1000; }

void SettableClock::Advance(std::int64_t seconds) { Jump(seconds), clockTickMs += seconds * 1000; }

void PumpMessages(DWORD milliseconds, bool (*handled)(MSG*)) {
    for (const DWORD start = GetTickCount(); GetTickCount() - start < milliseconds;
         MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT))
        for (MSG msg; PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);)
            if (!handled || !handled(&msg)) TranslateMessage(&msg), DispatchMessageA(&msg);
}
