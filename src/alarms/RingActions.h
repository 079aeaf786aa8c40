#pragma once
// The alarm actions that need no window, and the chime's sound.
#include "alarms/SharedText.h"

#include <windows.h>

#include <string>

// A wave file, or the built-in sound when the path is empty; returns at once.
void PlayRingSound(const std::string& wavFile);
void PlayBuiltInSound();
// Opens the program with its folder as working directory; an empty path does nothing.
void RunRingProgram(const std::string& runExe, const std::string& parameters);
// The chime's sound file; empty means the built-in sound. The options may replace it while a chime thread reads it.
extern SharedText ChimeWavFile;
// Chime thread: plays the chime's sound file, or the built-in sound. The argument is ignored.
DWORD WINAPI PlayClockSound(LPVOID);
