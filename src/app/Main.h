#pragma once
// The process entry: refuses a second copy, then runs the clock until it is closed.
#include <windows.h>

void Main();

// The running copy owns this mutex from its start; the window's title, which a second copy looks for, comes
// only at the end of WM_CREATE.
inline constexpr char kInstanceMutex[] = "Tollwick.Clock.Running";

// Fills and registers the main window's class; true when it is registered.
bool RegisterMainClass(const char* className);
// Registers the class, creates the main window, shows it, runs the message loop, unregisters the class.
void RunMainWindow(const char* className, DWORD exStyle, const char* title);

// The steps of RunMainWindow around its loop, for whoever drives the window without that loop.
// Creates the hidden main window (WM_CREATE runs inside) and sets hMainWnd.
HWND CreateMainWindow(const char* className, DWORD exStyle, const char* title);
// Starts the clock timer and shows the window normally or in the tray.
void StartMainWindow();
