#pragma once
#include <windows.h>

// The main clock window; zero until CreateWindowExA returns.
extern HWND hMainWnd;
