#pragma once
// The window of alarms that ring until stopped: the items due together, one looping sound, Stop and Snooze.
#include "alarms/AlarmWindowText.h"

#include <windows.h>

struct AlarmAnswer {
    enum class Kind { Stop, Snooze, Unanswered };
    Kind kind = Kind::Stop;
    int snoozeMinutes = 0;  // with Snooze: 5, 10 or 15
};

// Rings call.wavFile (the built-in ring when it cannot be looped) and shows the window modally until Stop (Enter,
// the close box) or Snooze (Escape). After 10 minutes on the time since start it falls silent and says so, and
// stays until closed. Returns what the person chose; Unanswered when the window was closed after the silence.
AlarmAnswer ShowAlarm(HWND owner, const AlarmCall& call);

// How long it rings unanswered.
inline constexpr unsigned kUnansweredAfterMs = 10 * 60 * 1000;
