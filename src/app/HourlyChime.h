#pragma once
// The hourly chime: settings read when the main window is created and whenever the options are applied, and the
// check on every tick.
#include "alarms/RingActions.h"
#include "alarms/clsThread.h"

#include <string>

// Non-zero: chime at every full hour.
extern short HourRingOn;
// The chime's sound file; empty means the built-in sound.
extern std::string ChimeWavFile;
extern clsThread ChimeThread;

void ReadChimeSettings();
void CheckHourlyChime();
// Thread routine: the beep pattern for machines without sound output. The argument is ignored.
DWORD WINAPI ChimeBeeps(LPVOID);
