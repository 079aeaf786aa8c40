// The alarm engine and the hourly chime on the real registry, with the clock and every action behind recorders.
#include "alarms/RingActions.h"
#include "alarms/RingList.h"
#include "alarms/RingScheduler.h"
#include "app/HourlyChime.h"
#include "resources/resource.h"
#include "support/Recorders.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

using Calls = std::vector<std::string>;
using Texts = std::vector<std::pair<std::string, const char*>>;

// Writes the list as the alarm editor does, straight through advapi32, and loads it.
void Store(std::vector<std::pair<std::vector<BYTE>, Texts>> items) {
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Tollwick\\Data");
    HKEY key;
    RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Tollwick\\Data", 0, nullptr, 0, 0x3F, nullptr, &key, nullptr);
    DWORD count = 0;
    for (auto& [record, texts] : items) {
        const std::string number = std::to_string(++count);
        RegSetValueExA(key, ("Data" + number).c_str(), 0, REG_BINARY, record.data(), DWORD(record.size()));
        for (const auto& [field, text] : texts)
            RegSetValueExA(key, (field + number).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                           DWORD(std::strlen(text)));
    }
    RegSetValueExA(key, "DataCount", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&count), sizeof count);
    RegCloseKey(key);
    LoadRingData();
}

std::vector<BYTE> Daily(BYTE action, BYTE hour, BYTE minute) {
    return {1, action, 2, 0, hour, minute, 20, 26, 1, 1, 0};
}

TEST(RingEngine, StoredItemsOfOneMinuteStartInOneTickInOrder) {
    Store({{Daily(0, 7, 30), {{"WavFile", "C:\\Sounds\\ring.wav"}}},
           {Daily(2, 7, 30), {{"RunExe", "C:\\Tools\\app.exe"}, {"Parameters", "-x"}}},
           {Daily(2, 7, 30), {{"RunExe", "notepad.exe"}}},
           {Daily(0, 7, 30), {}}});
    RecordingSeams recorder;
    SettableClock clock(60);
    clock.SetLocal(2026, 1, 5, 7, 29, 59, 900);
    for (const int step : {0, 1, 0, 1}) {
        clock.Advance(step);
        CheckRingTime();
    }
    EXPECT_EQ(recorder.calls(),
              (Calls{"PlaySound 0x20001 C:\\Sounds\\ring.wav", "ShellExecute Open|app.exe|-x|C:\\Tools\\|5",
                     "ShellExecute Open|notepad.exe|||5", "PlaySound 0x5 (memory)"}));
    // What the engine writes loads back the same.
    RingList.SaveRegRingData();
    LoadRingData();
    EXPECT_EQ(std::to_string(RingCount) + RingList.GetRunExe(2) + RingList.GetParameters(2), "4C:\\Tools\\app.exe-x");
}

// Stands in for a modal action: while it runs, a minute passes, its tick is handled and the list is emptied.
SettableClock* clock = nullptr;
BOOL (*recordSound)(LPCSTR, HMODULE, DWORD) = nullptr;
BOOL ActionThatTicks(LPCSTR sound, HMODULE module, DWORD flags) {
    recordSound(sound, module, flags);
    clock->Advance(60);
    CheckRingTime();
    Store({});
    return TRUE;
}

TEST(RingEngine, ALaterTickAndARebuiltListInsideAnActionLoseNothing) {
    Store({{Daily(0, 8, 0), {{"WavFile", "C:\\first.wav"}}},
           {Daily(2, 8, 0), {{"RunExe", "C:\\second.exe"}}},
           {Daily(2, 8, 1), {{"RunExe", "C:\\next minute.exe"}}}});
    RecordingSeams recorder;
    SettableClock settable(60);
    settable.SetLocal(2026, 1, 6, 7, 59, 59);
    CheckRingTime();
    clock = &settable;
    recordSound = std::exchange(seams.PlaySoundA, ActionThatTicks);
    settable.Advance(1);
    CheckRingTime();
    EXPECT_EQ(recorder.calls(), (Calls{"PlaySound 0x20001 C:\\first.wav", "ShellExecute Open|next minute.exe||C:\\|5",
                                       "ShellExecute Open|second.exe||C:\\|5"}));
}

const char* handed = nullptr;

TEST(RingEngine, EmptyWavePathPlaysTheBuiltInWaveFromMemory) {
    const HMODULE module = GetModuleHandleA(nullptr);
    const HRSRC resource = FindResourceExA(module, "RING_SOUND", MAKEINTRESOURCEA(IDR_RING_SOUND),
                                           MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
    ASSERT_NE(resource, nullptr);
    const auto* bytes = static_cast<const char*>(LockResource(LoadResource(module, resource)));
    EXPECT_EQ(std::string(bytes, 4) + std::string(bytes + 8, 8), "RIFFWAVEfmt ");
    RecordingSeams recorder;
    seams.PlaySoundA = [](LPCSTR sound, HMODULE, DWORD) { return BOOL(handed = sound); };
    PlayRingSound("");
    EXPECT_EQ(handed, bytes);
}

const Calls kBeeps = {"Beep 700 1500", "Sleep 1000", "Beep 700 1500", "Sleep 1000",
                      "Beep 700 1500", "Sleep 1000", "Sleep 1000",    "Beep 1400 1500"};

// One tick at each local time of 10 February; what the chime started at each, once its thread is done.
std::vector<Calls> Ticks(std::vector<std::tuple<int, int, int, std::size_t>> times, UINT wave = 0, UINT midi = 0) {
    RecordingSeams recorder;
    RecordingSeams::SetDeviceCounts(wave, midi);
    SettableClock clock(60);
    std::vector<Calls> started;
    for (const auto& [hour, minute, second, expected] : times) {
        clock.SetLocal(2026, 2, 10, hour, minute, second, 20);
        recorder.clear();
        CheckHourlyChime();
        EXPECT_TRUE(recorder.WaitForCalls(expected, 20000)) << hour << ":" << minute << ":" << second;
        PumpMessages(30);
        started.push_back(recorder.calls());
    }
    return started;
}

TEST(HourlyChime, ChimesOncePerHourAsBeepsWithoutDevices) {
    HourRingOn = 1;
    // The second 15:00 tick is late; the fresh start at 18:00:01 has nothing to catch up.
    EXPECT_EQ(Ticks({{13, 59, 59, 0},
                     {14, 0, 0, 8},
                     {14, 0, 0, 0},
                     {14, 0, 1, 0},
                     {14, 59, 58, 0},
                     {15, 0, 4, 8},
                     {18, 0, 1, 0}}),
              (std::vector<Calls>{{}, kBeeps, {}, {}, {}, kBeeps, {}}));
    HourRingOn = 0;
    EXPECT_EQ(Ticks({{19, 0, 0, 0}}), std::vector<Calls>{{}});
}

TEST(HourlyChime, PlaysItsFileOnlyWithWaveAndMidiDevices) {
    HourRingOn = 1;
    ChimeWavFile = "C:\\My Music\\chime.WAV";
    EXPECT_EQ(Ticks({{1, 0, 0, 8}}, 1, 0), std::vector<Calls>{kBeeps});
    EXPECT_EQ(Ticks({{2, 0, 0, 1}}, 1, 1), std::vector<Calls>{{"mciExecute play \"C:\\My Music\\chime.WAV\""}});
    ChimeWavFile = "C:\\chime.wav";
    EXPECT_EQ(Ticks({{3, 0, 0, 1}}, 1, 1), std::vector<Calls>{{"PlaySound 0x20001 C:\\chime.wav"}});
    HourRingOn = 0;
    ChimeWavFile.clear();
}

}  // namespace
