#include "app/frmMain.h"

HWND hMainWnd = nullptr;
