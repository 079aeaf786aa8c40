#pragma once
// The main clock window: its procedure and the objects it lives with.
#include "app/clsMenu.h"
#include "face/Skin.h"

#include <windows.h>

// The main clock window; zero until CreateWindowExA returns.
extern HWND hMainWnd;
// The popup menu, made fresh for each main window.
extern clsMenu ClockMenu;
// The skin the clock shows.
const Skin& ClockSkin();

// The main window's title, which a second copy looks for.
inline constexpr char kClockTitle[] = "Marrowby Clock";
// The captions of the menu's first item while the clock is shown and while it is in the tray.
inline constexpr char kMinimizeCaption[] = "Minimized(&M)";
inline constexpr char kResumeCaption[] = "Resume(&M)";

LRESULT CALLBACK MainWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Starts the clock timer (id 8): it fires just after each second boundary of the local clock.
void StartClockTimer(HWND hwnd);
