#include "app/HourlyChime.h"
#include "support/Recorders.h"

#include <gtest/gtest.h>

namespace {

using Calls = std::vector<std::string>;

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
    const struct {
        UINT midi;
        const char* file;
        Calls calls;
    } cases[] = {
        {0, "C:\\chime.wav", kBeeps},
        {1, "C:\\chime.wav", {"PlaySound 0x20001 C:\\chime.wav"}},
        {1, "C:\\My Music\\chime.WAV", {"mciExecute play \"C:\\My Music\\chime.WAV\""}},
        {1, "", {"PlaySound 0x5 (memory)"}},
    };
    int hour = 1;
    for (const auto& c : cases) {
        ChimeWavFile = c.file;
        EXPECT_EQ(Ticks({{hour++, 0, 0, c.calls.size()}}, 1, c.midi), std::vector<Calls>{c.calls}) << c.file << c.midi;
    }
    HourRingOn = 0;
    ChimeWavFile.clear();
}

}  // namespace
