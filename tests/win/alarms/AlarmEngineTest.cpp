#include "alarms/RingScheduler.h"
#include "app/HourlyChime.h"
#include "resources/resource.h"
#include "support/CleanSettings.h"
#include "support/DialogDriver.h"
#include "support/Recorders.h"
#include "support/SoundFiles.h"
#include "support/StoredRings.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

using Calls = std::vector<std::string>;

// A daily item at 7:mm with the file it plays (action 0) or runs.
StoredRing Daily(BYTE action, BYTE minute, const std::string& file, const std::string& parameters = "") {
    return DailyAt7(minute, action, {{action ? "RunExe" : "WavFile", file}, {"Parameters", parameters}});
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
    StoreRings({});
    return TRUE;
}

// A sound file that has gone rings the built-in ring, as no file does.
TEST(RingEngine, ItemsDueTogetherStartInOrderThoughTheFirstIsModal) {
    const CleanSettings clean;
    const SoundFile ring("ring.wav", WaveBytes(1, 1, 8000, 8));
    StoreRings({Daily(0, 30, ring.path), Daily(2, 30, "C:\\Tools\\app.exe", "-x"), Daily(2, 30, "notepad.exe"),
                Daily(0, 30, TempPath("gone.wav")), Daily(0, 30, ""), Daily(2, 31, "C:\\next minute.exe")});
    RecordingSeams recorder;
    SettableClock settable(60);
    settable.SetLocal(2026, 1, 5, 7, 30, 0);
    clock = &settable;
    recordSound = std::exchange(seams.PlaySoundA, Play);
    CheckRingTime(nullptr);
    EXPECT_EQ(recorder.calls(),
              (Calls{"PlaySound 0x20001 " + ring.path, "ShellExecute Open|next minute.exe||C:\\|5",
                     "ShellExecute Open|app.exe|-x|C:\\Tools\\|5", "ShellExecute Open|notepad.exe|||5",
                     "PlaySound 0x5 (memory)", "PlaySound 0x5 (memory)"}));
    const HRSRC wave = FindResourceA(nullptr, MAKEINTRESOURCEA(IDR_RING_SOUND), "RING_SOUND");
    ASSERT_NE(wave, nullptr);
    EXPECT_EQ(lastSound, LockResource(LoadResource(nullptr, wave)));
}

// Items stored with every date field, loaded from the registry, each fire on their own date and on no other:
// a record read with two fields swapped would fire on the wrong day.
TEST(RingEngine, StoredDatesFireOnTheirDays) {
    const CleanSettings clean;
    const SoundFile files[] = {{"once", "MThd"}, {"weekly", "MThd"}, {"monthly", "MThd"}, {"yearly", "MThd"}};
    const auto item = [](BYTE mode, BYTE week, BYTE minute, BYTE month, BYTE day, const char* sound) {
        return StoredRing{{1, 0, mode, week, 9, minute, 20, 26, month, day, 0}, {{"WavFile", TempPath(sound)}}};
    };
    StoreRings({item(1, 0, 0, 3, 7, "once"), item(3, 2, 1, 0, 0, "weekly"), item(4, 0, 2, 0, 15, "monthly"),
                item(5, 0, 3, 2, 11, "yearly")});
    const std::tuple<int, int, int, int, const char*> ticks[] = {
        {2026, 3, 7, 0, "once"},    {2026, 7, 3, 0, nullptr},   {2027, 3, 7, 0, nullptr},
        {2026, 3, 10, 1, "weekly"}, {2026, 3, 11, 1, nullptr},  {2026, 4, 15, 2, "monthly"},
        {2026, 4, 16, 2, nullptr},  {2027, 2, 11, 3, "yearly"}, {2027, 11, 2, 3, nullptr},
    };
    RecordingSeams recorder;
    SettableClock clock(60);
    for (const auto& [year, month, day, minute, sound] : ticks) {
        clock.SetLocal(year, month, day, 9, minute, 0);
        recorder.clear();
        CheckRingTime(nullptr);
        EXPECT_EQ(recorder.calls(), sound ? Calls{"PlaySound 0x20001 " + TempPath(sound)} : Calls{})
            << year << "-" << month << "-" << day;
    }
}

// After a timer wake a reminder keeps the computer on for ten minutes at most, unless someone uses the computer
// after the wake: then until the reminder closes.
TEST(RingEngine, AWokenComputerStaysOnForAReminderTenMinutesUnlessSomeoneUsesIt) {
    const CleanSettings clean;
    StoreRings({DailyAt7(0, 1, {{"Text", "Get up"}})});
    static DWORD inputTick;
    for (const bool touched : {false, true}) {
        RecordingSeams recorder;
        SettableClock clock(60);
        seams.GetLastInputInfo = [](PLASTINPUTINFO input) -> BOOL { return input->dwTime = inputTick, TRUE; };
        inputTick = static_cast<DWORD>(seams.GetTickCount64());
        clock.Advance(1);
        clock.SetLocal(2027, 1, 5, 6, 59, 50);
        RingResumed();
        CheckRingTime(nullptr);
        clock.Advance(10);
        std::string seen;  // how many calls 9:59 and 10:00 after the wake, and once the reminder closed
        const auto tick = [&](int seconds) {
            clock.Advance(seconds);
            CheckRingTime(nullptr);
            seen += std::to_string(recorder.calls().size());
        };
        DriveModal([] { CheckRingTime(nullptr); },
                   [&](HWND reminder) {
                       tick(300);
                       if (touched) inputTick = static_cast<DWORD>(seams.GetTickCount64());
                       tick(289), tick(1);
                       SendMessageA(reminder, WM_CLOSE, 0, 0);
                   });
        seen += std::to_string(recorder.calls().size());
        EXPECT_EQ(seen, touched ? "1112" : "1122") << (touched ? "touched" : "left alone");
        EXPECT_EQ(recorder.calls(),
                  (Calls{"SetThreadExecutionState 0x80000003", "SetThreadExecutionState 0x80000000"}));
    }
}

// Once an hour, also when the tick comes a few seconds late, never caught up after a jump; beeps without sound
// devices, and the chosen file played by its quoted path with them; a file that has gone rings the built-in ring.
TEST(HourlyChime, ChimesOncePerHourAsBeepsWithoutDevicesAndPlaysAQuotedPathWithThem) {
    const Calls beeps = {"Beep 700 1500", "Sleep 1000", "Beep 700 1500", "Sleep 1000",
                         "Beep 700 1500", "Sleep 1000", "Sleep 1000",    "Beep 1400 1500"};
    const auto expect = [](std::vector<std::tuple<int, int, int, Calls>> ticks, UINT devices) {
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
    };
    HourRingOn = 1;
    const SoundFile chime("My chime.mid", "MThd");
    ChimeWavFile = chime.path;
    expect({{14, 0, 0, beeps}, {14, 0, 0, {}}, {14, 59, 58, {}}, {15, 0, 4, beeps}, {18, 0, 1, {}}}, 0);
    expect({{2, 0, 0, {"mciExecute play \"" + chime.path + "\""}}}, 1);
    ChimeWavFile = TempPath("gone.wav");
    expect({{3, 0, 0, {"PlaySound 0x5 (memory)"}}}, 1);
    HourRingOn = 0;
    ChimeWavFile.clear();
}

}  // namespace
