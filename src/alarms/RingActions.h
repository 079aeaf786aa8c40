#pragma once
// The alarm actions that need no window, and the chime's sound.
#include <windows.h>

#include <string>

// A wave file, or the built-in sound when the path is empty; returns at once.
void PlayRingSound(const std::string& wavFile);
void PlayBuiltInSound();
// Opens the program with its folder as working directory; an empty path does nothing.
void RunRingProgram(const std::string& runExe, const std::string& parameters);
// Chime thread: plays the sound file its argument names (a `new std::string` it deletes; empty for the built-in
// sound), so the options may change the chime's file while a chime plays.
DWORD WINAPI PlayClockSound(LPVOID wavFile);
