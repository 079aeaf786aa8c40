// Sounds, program starts and the hourly chime, with the clock and every action behind recorders.
#include "alarms/RingActions.h"
#include "app/HourlyChime.h"
#include "resources/resource.h"
#include "settings/SettingsKeys.h"
#include "support/Recorders.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

using Calls = std::vector<std::string>;

// What a memory sound hands the player: the start of the bytes and the RIFF length they claim.
struct MemorySound {
    static inline std::string header;
    static inline DWORD riffLength = 0;
    static BOOL Play(LPCSTR sound, HMODULE, DWORD flags) {
        char text[32];
        std::snprintf(text, sizeof text, "%.4s|%.8s|%lu", sound, sound + 8, static_cast<unsigned long>(flags));
        header = text;
        std::memcpy(&riffLength, sound + 4, 4);
        return TRUE;
    }
};

TEST(RingActions, EmptyWavePathPlaysTheBuiltInWaveFromMemory) {
    RecordingSeams recorder;
    seams.PlaySoundA = MemorySound::Play;
    PlayRingSound("");
    EXPECT_EQ(MemorySound::header, "RIFF|WAVEfmt |5");
    const HRSRC resource = FindResourceExA(GetModuleHandleA(nullptr), "RING_SOUND", MAKEINTRESOURCEA(IDR_RING_SOUND),
                                           MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
    ASSERT_NE(resource, nullptr);
    EXPECT_EQ(MemorySound::riffLength + 8, SizeofResource(GetModuleHandleA(nullptr), resource));
}

TEST(RingActions, SoundFilesAndProgramsGoOutAsGiven) {
    RecordingSeams recorder;
    PlayRingSound("C:\\Sounds\\ALARM.WAV");
    PlayRingSound("D:\\music\\song.mp3");
    RunRingProgram("C:\\Tools\\app.exe", "-x");
    RunRingProgram("notepad.exe", "");
    RunRingProgram("", "-x");
    EXPECT_EQ(recorder.calls(),
              (Calls{"PlaySound 0x20001 C:\\Sounds\\ALARM.WAV", "PlaySound 0x20001 D:\\music\\song.mp3",
                     "ShellExecute Open|app.exe|-x|C:\\Tools\\|5", "ShellExecute Open|notepad.exe|||5"}));
}

class HourlyChime : public testing::Test {
protected:
    void SetUp() override {
        SaveSetting(settings::HourRing, 1);
        ReadChimeSettings();
    }
    void TearDown() override {
        DeleteSetting(settings::HourRing);
        HourRingOn = 0;
        ChimeWavFile.clear();
    }
    // Ticks once at the given local time and returns what the chime started, once its thread is done.
    Calls TickAt(int hour, int minute, int second, std::size_t expected) {
        clock_.SetLocal(2026, 2, 10, hour, minute, second, 20);
        recorder_.clear();
        CheckHourlyChime();
        EXPECT_TRUE(recorder_.WaitForCalls(expected, 20000)) << hour << ":" << minute << ":" << second;
        PumpMessages(50);
        return recorder_.calls();
    }

    RecordingSeams recorder_;
    SettableClock clock_{60};
};

const Calls kBeeps = {"Beep 700 1500", "Sleep 1000", "Beep 700 1500", "Sleep 1000",
                      "Beep 700 1500", "Sleep 1000", "Sleep 1000",    "Beep 1400 1500"};

TEST_F(HourlyChime, ChimesInTheZeroSecondOnly) {
    RecordingSeams::SetDeviceCounts(0, 0);
    EXPECT_EQ(TickAt(13, 59, 59, 0), Calls{});
    EXPECT_EQ(TickAt(14, 0, 0, 8), kBeeps);
    EXPECT_EQ(TickAt(14, 0, 0, 0), Calls{});
    EXPECT_EQ(TickAt(14, 0, 1, 0), Calls{});
    // A tick delivered late still chimes, once.
    EXPECT_EQ(TickAt(14, 59, 58, 0), Calls{});
    EXPECT_EQ(TickAt(15, 0, 4, 8), kBeeps);
    EXPECT_EQ(TickAt(15, 0, 5, 0), Calls{});
    // A fresh start one second late has nothing to catch up.
    EXPECT_EQ(TickAt(18, 0, 1, 0), Calls{});
}

TEST_F(HourlyChime, PlaysItsFileOnlyWithWaveAndMidiDevices) {
    const struct {
        UINT wave, midi;
        const char* file;
        Calls calls;
    } cases[] = {
        {1, 0, "C:\\chime.wav", kBeeps},
        {1, 1, "C:\\chime.wav", {"PlaySound 0x20001 C:\\chime.wav"}},
        {1, 1, "C:\\My Music\\chime.WAV", {"mciExecute play \"C:\\My Music\\chime.WAV\""}},
        {1, 1, "C:\\My Music\\hour.mid", {"mciExecute play \"C:\\My Music\\hour.mid\""}},
        {1, 1, "", {"PlaySound 0x5 (memory)"}},
    };
    int hour = 1;
    for (const auto& c : cases) {
        RecordingSeams::SetDeviceCounts(c.wave, c.midi);
        ChimeWavFile = c.file;
        EXPECT_EQ(TickAt(hour++, 0, 0, c.calls.size()), c.calls) << c.file << " " << c.wave << c.midi;
    }
    HourRingOn = 0;
    EXPECT_EQ(TickAt(hour, 0, 0, 0), Calls{});
}

TEST_F(HourlyChime, SwitchIsAnyNonZeroNumber) {
    const struct {
        const char* text;
        short on;
    } cases[] = {{"1", 1}, {"-1", -1}, {"99999", 32767}, {"", 0}, {"on", 0}};
    for (const auto& c : cases) {
        HourRingOn = 0;
        SaveSetting(settings::HourRing, c.text);
        ReadChimeSettings();
        EXPECT_EQ(HourRingOn, c.on) << '"' << c.text << '"';
    }
}

}  // namespace
