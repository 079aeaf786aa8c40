// The alarm that rings until stopped: the delay from the moment it is due (the call that opens its window) to the
// first sound buffer queued, median and p99 over 20 firings each for the built-in ring and for wave files read from
// disk; then the program's objects, C++ allocations and private bytes before and after 500 ring-and-stop and 500
// snooze cycles (window, sound, the stored snooze taken when due). The wave device is a stub that keeps nothing:
// the figures are the program's own, and nothing is heard.
// With "ringing" it only rings, on the system's own wave device, until it is ended: the idle benchmark measures its
// CPU beside a bare window.
#include "../Bench.h"
#include "HeldMemory.h"
#include "ObjectCount.h"
#include "alarms/DlgAlarm.h"
#include "alarms/RingStore.h"
#include "alarms/SnoozeStore.h"
#include "alarms/WallClock.h"
#include "system/Seams.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <new>
#include <string>

namespace {

LARGE_INTEGER dueAt{}, firstQueued{};

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return double(to.QuadPart - from.QuadPart) * 1000.0 / double(frequency.QuadPart);
}

// A device that takes every buffer and never plays it: the ringing stays ahead, as with a real one.
void StubWaveDevice() {
    seams.waveOutOpen = [](LPHWAVEOUT device, UINT, LPCWAVEFORMATEX, DWORD_PTR, DWORD_PTR, DWORD) -> MMRESULT {
        *device = reinterpret_cast<HWAVEOUT>(1);
        return MMSYSERR_NOERROR;
    };
    seams.waveOutPrepareHeader = [](HWAVEOUT, LPWAVEHDR header, UINT) -> MMRESULT {
        header->dwFlags |= WHDR_PREPARED;
        return MMSYSERR_NOERROR;
    };
    seams.waveOutWrite = [](HWAVEOUT, LPWAVEHDR, UINT) -> MMRESULT {
        if (!firstQueued.QuadPart) QueryPerformanceCounter(&firstQueued);
        return MMSYSERR_NOERROR;
    };
    seams.waveOutUnprepareHeader = [](HWAVEOUT, LPWAVEHDR header, UINT) -> MMRESULT {
        header->dwFlags &= ~WHDR_PREPARED;
        return MMSYSERR_NOERROR;
    };
    seams.waveOutReset = [](HWAVEOUT) -> MMRESULT { return MMSYSERR_NOERROR; };
    seams.waveOutClose = [](HWAVEOUT) -> MMRESULT { return MMSYSERR_NOERROR; };
}

// While it lives, every alarm window is answered as soon as it is made: `command` arrives once its loop runs.
class AnswerNewWindows {
public:
    explicit AnswerNewWindows(WPARAM command) : hook_(SetWindowsHookExA(WH_CBT, OnCbt, nullptr, GetCurrentThreadId())) {
        command_ = command;
    }
    ~AnswerNewWindows() { UnhookWindowsHookEx(hook_); }

private:
    static LRESULT CALLBACK OnCbt(int code, WPARAM wParam, LPARAM lParam) {
        if (code == HCBT_CREATEWND && !(reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs->style & WS_CHILD))
            PostMessageA(reinterpret_cast<HWND>(wParam), WM_COMMAND, command_, 0);
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static inline WPARAM command_ = IDOK;
    HHOOK hook_;
};

// A 16-bit stereo wave of `seconds` at 44,100 samples per second.
std::string WriteWave(const char* name, int seconds) {
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    const std::string path = std::string(folder) + name;
    const unsigned data = 44100u * 4 * unsigned(seconds);
    std::string bytes = "RIFF....WAVEfmt ";
    const auto put = [&](unsigned value, int size) {
        for (int i = 0; i < size; ++i) bytes += char(value >> 8 * i);
    };
    put(16, 4), put(1, 2), put(2, 2), put(44100, 4), put(44100 * 4, 4), put(4, 2), put(16, 2);
    bytes += "data", put(data, 4);
    bytes.resize(bytes.size() + data, char(0x10));
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

AlarmAnswer Ring(const std::string& wavFile, WPARAM answer) {
    const AnswerNewWindows answering(answer);
    return ShowAlarm(nullptr, AlarmCall{{"Bench"}, 7, 30, false, wavFile});
}

void Delays(const char* what, const std::string& wavFile) {
    std::vector<double> delays;
    for (int firing = 0; firing < 20; ++firing) {
        firstQueued = {};
        QueryPerformanceCounter(&dueAt);
        Ring(wavFile, IDOK);
        delays.push_back(Milliseconds(dueAt, firstQueued));
    }
    std::printf("%-40s n %2zu  median %6.2f ms  p99 %6.2f ms  max %6.2f ms\n", what, delays.size(),
                bench::Percentile(delays, 0.5), bench::Percentile(delays, 0.99), bench::Percentile(delays, 1.0));
}

void PumpMessages() {
    for (MSG msg; PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);) TranslateMessage(&msg), DispatchMessageA(&msg);
}

void Cycles(const ObjectCount& count, const char* what, int cycles, void (*cycle)()) {
    for (int i = 0; i < 10; ++i) cycle(), PumpMessages();
    const object_count::Figures before = count.Now();
    const SIZE_T bytesBefore = held_memory::PrivateBytes();
    const long allocationsBefore = held_memory::allocations;
    for (int i = 0; i < cycles; ++i) cycle(), PumpMessages();
    const object_count::Figures after = count.Now();
    std::printf("%-26s x%d:", what, cycles);
    for (int kind = 0; kind < object_count::kKinds; ++kind)
        if (const long made = after.made[kind] - before.made[kind])
            std::printf("  %s %ld made, held %+ld;", object_count::kKindNames[kind], made,
                        after.held[kind] - before.held[kind]);
    std::printf("  C++ allocations held %+ld;  private bytes %.2f MB -> %.2f MB (%+.1f KB)\n",
                held_memory::allocations - allocationsBefore, bytesBefore / 1048576.0,
                held_memory::PrivateBytes() / 1048576.0,
                (double(held_memory::PrivateBytes()) - double(bytesBefore)) / 1024.0);
}

std::uint64_t snoozeTick = 0;

// Snoozed, stored, and taken again when due, on a clock of its own that the snoozes follow.
void SnoozeCycle() {
    const AlarmAnswer answer = Ring("", IDCANCEL);
    const std::int64_t now = UtcNowSeconds();
    SnoozeRing(1, answer.snoozeMinutes, now, snoozeTick);
    snoozeTick += std::uint64_t(answer.snoozeMinutes) * 60000;
    if (TakeDueSnoozes(now, snoozeTick).size() != 1) std::printf("a snooze did not come due\n");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::string(argv[1]) == "ringing") {
        ShowAlarm(nullptr, AlarmCall{{"Bench"}, 7, 30, false, ""});
        return 0;
    }
    const int cycles = argc > 1 ? std::max(1, std::atoi(argv[1])) : 500;
    StubWaveDevice();
    const std::string shortWave = WriteWave("tollwick-bench-5s.wav", 5),
                      longWave = WriteWave("tollwick-bench-60s.wav", 60);
    std::printf("from the due moment (the alarm window asked for) to the first sound buffer queued:\n");
    Delays("built-in ring", "");
    Delays("wave file, 5 s 44.1 kHz stereo (0.9 MB)", shortWave);
    Delays("wave file, 60 s 44.1 kHz stereo (10 MB)", longWave);
    DeleteFileA(shortWave.c_str()), DeleteFileA(longWave.c_str());

    if (!AppendStoredRing({1, RingAction::Sound, RingRepeat::Daily, 0, 7, 30, 20, 26, 1, 1, 0})) return 1;
    const ObjectCount count;
    std::printf("held by the program, and private bytes, before and after (after 10 to warm up):\n");
    Cycles(count, "ring and stop", cycles, [] { Ring("", IDOK); });
    Cycles(count, "ring, snooze, due again", cycles, SnoozeCycle);
    RemoveStoredRing(1);
    return 0;
}
