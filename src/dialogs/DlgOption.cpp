#include "dialogs/DlgOption.h"

void ShowOptionDialog(HWND) {}
