#include "alarms/RingList.h"
#include "alarms/RingScheduler.h"
#include "app/HourlyChime.h"
#include "resources/resource.h"
#include "settings/RegProcess.h"
#include "settings/SettingsKeys.h"
#include "support/Recorders.h"

#include <gtest/gtest.h>

namespace {

using Calls = std::vector<std::string>;

// Writes daily items at 7:mm in the stored format, each with the file it plays or runs, and loads the list.
void Store(std::vector<std::tuple<BYTE, BYTE, std::string, std::string>> items) {
    DeleteRegKey(RegRoot::CurrentUser, "Software\\Tollwick", "Data");
    int count = 0;
    for (const auto& [action, minute, file, parameters] : items) {
        const std::string number = std::to_string(++count);
        const std::vector<std::uint8_t> record{1, action, 2, 0, 7, minute, 20, 26, 1, 1, 0};
        SaveRegBinary(RegRoot::CurrentUser, keys::Data, "Data" + number, record.data(), record.size());
        SaveRegValue(RegRoot::CurrentUser, keys::Data, (action ? "RunExe" : "WavFile") + number, RegType::Text, file);
        SaveRegValue(RegRoot::CurrentUser, keys::Data, "Parameters" + number, RegType::Text, parameters);
    }
    SaveRegValue(RegRoot::CurrentUser, keys::Data, "DataCount", RegType::Number, count);
    LoadRingData();
}

// Keeps what the sound action is handed. The first is modal: meanwhile a minute is ticked and the list emptied.
SettableClock* clock = nullptr;
BOOL (*recordSound)(LPCSTR, HMODULE, DWORD) = nullptr;
LPCSTR lastSound = nullptr;
BOOL Play(LPCSTR sound, HMODULE module, DWORD flags) {
    recordSound(sound, module, flags);
    if (std::exchange(lastSound, sound)) return TRUE;
    clock->Advance(60);
    CheckRingTime(nullptr);
    Store({});
    return TRUE;
}

TEST(RingEngine, ItemsDueTogetherStartInOrderThoughTheFirstIsModal) {
    Store({{0, 30, "C:\\Sounds\\ring.wav", ""},
           {2, 30, "C:\\Tools\\app.exe", "-x"},
           {2, 30, "notepad.exe", ""},
           {0, 30, "", ""},
           {2, 31, "C:\\next minute.exe", ""}});
    RecordingSeams recorder;
    SettableClock settable(60);
    settable.SetLocal(2026, 1, 5, 7, 30, 0);
    clock = &settable;
    recordSound = std::exchange(seams.PlaySoundA, Play);
    CheckRingTime(nullptr);
    EXPECT_EQ(recorder.calls(),
              (Calls{"PlaySound 0x20001 C:\\Sounds\\ring.wav", "ShellExecute Open|next minute.exe||C:\\|5",
                     "ShellExecute Open|app.exe|-x|C:\\Tools\\|5", "ShellExecute Open|notepad.exe|||5",
                     "PlaySound 0x5 (memory)"}));
    const HRSRC wave = FindResourceA(nullptr, MAKEINTRESOURCEA(IDR_RING_SOUND), "RING_SOUND");
    ASSERT_NE(wave, nullptr);
    EXPECT_EQ(lastSound, LockResource(LoadResource(nullptr, wave)));
}

// Checks the chime at each local time of 10 February and what it started there, once its thread is done.
void ExpectChimes(std::vector<std::tuple<int, int, int, Calls>> ticks, UINT devices = 0) {
    RecordingSeams recorder;
    RecordingSeams::SetDeviceCounts(devices, devices);
    SettableClock clock(60);
    for (const auto& [hour, minute, second, calls] : ticks) {
        clock.SetLocal(2026, 2, 10, hour, minute, second, 20);
        recorder.clear();
        CheckHourlyChime();
        recorder.WaitForCalls(calls.size(), 20000);
        PumpMessages(30);
        EXPECT_EQ(recorder.calls(), calls) << hour << ":" << minute << ":" << second;
    }
}

TEST(HourlyChime, ChimesOncePerHourAsBeepsWithoutDevicesAndPlaysAQuotedPathWithThem) {
    const Calls beeps = {"Beep 700 1500", "Sleep 1000", "Beep 700 1500", "Sleep 1000",
                         "Beep 700 1500", "Sleep 1000", "Sleep 1000",    "Beep 1400 1500"};
    HourRingOn = 1;
    ChimeWavFile = "C:\\My Music\\chime.mid";
    // Twice at 14:00:00, late at 15:00:04, then a jump: 18:00:00 is not caught up.
    ExpectChimes({{14, 0, 0, beeps}, {14, 0, 0, {}}, {14, 59, 58, {}}, {15, 0, 4, beeps}, {18, 0, 1, {}}});
    ExpectChimes({{2, 0, 0, {"mciExecute play \"C:\\My Music\\chime.mid\""}}}, 1);
    HourRingOn = 0;
    ChimeWavFile.clear();
}

}  // namespace
