#include "app/HourlyChime.h"

#include "alarms/ClockScan.h"
#include "alarms/RingActions.h"
#include "alarms/WallClock.h"
#include "settings/SettingsKeys.h"
#include "system/CivilTime.h"
#include "system/PublicFunction.h"
#include "system/Seams.h"

#include <algorithm>
#include <memory>

short HourRingOn = 0;
std::string ChimeWavFile;
clsThread ChimeThread;

void ReadChimeSettings() {
    const auto number = ParseNumber(ReadSettingText(settings::HourRing));
    HourRingOn = number ? short(std::clamp(*number, -32768, 32767)) : 0;
    ChimeWavFile = ReadSettingText(settings::ChimeWavFile);
}

void CheckHourlyChime() {
    static ClockScan scan(WallSecondsAt);
    // Remembered across clock jumps, so one hour never chimes twice.
    static std::int64_t lastChimedHour = -1;
    const auto minutes = scan.Advance(UtcNowSeconds());
    const auto hour =
        std::find_if(minutes.rbegin(), minutes.rend(), [](std::int64_t minute) { return ToCivil(minute).minute == 0; });
    if (!HourRingOn || hour == minutes.rend() || *hour == lastChimedHour) return;
    lastChimedHour = *hour;
    // The sound file needs both a wave and a MIDI device; without either the speaker beeps.
    if (seams.waveOutGetNumDevs() < 1 || seams.midiOutGetNumDevs() < 1)
        ChimeThread.CreateNewThread(ChimeBeeps);
    else if (auto path = std::make_unique<std::string>(ChimeWavFile);
             ChimeThread.CreateNewThread(PlayClockSound, path.get()))
        path.release();  // the thread owns its copy now
}

DWORD WINAPI ChimeBeeps(LPVOID) {
    if (!IsWin2000OrLater()) return 0;
    for (int i = 0; i <= 3; ++i) {
        if (i < 3) seams.Beep(700, 1500);
        seams.Sleep(1000);
        if (i == 3) seams.Beep(1400, 1500);
    }
    return 0;
}
