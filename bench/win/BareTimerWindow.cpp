// The yardstick of the idle benchmark: a shown window that wakes once a second and does nothing else. With
// "asleep" it makes no window and never wakes, so Wine's own background shows alone.
#include <windows.h>

#include <cstdlib>
#include <cstring>

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "asleep") == 0) Sleep(INFINITE);
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_MENU + 1);
    windowClass.lpszClassName = "BareTimerWindow";
    RegisterClassA(&windowClass);
    // Placed where the caller says, so it stays out of the pointer's and the clock's way.
    const int x = argc > 2 ? std::atoi(argv[1]) : 0;
    const int y = argc > 2 ? std::atoi(argv[2]) : 0;
    const HWND window = CreateWindowExA(WS_EX_TOOLWINDOW, "BareTimerWindow", "Bare timer window", WS_POPUP | WS_VISIBLE,
                                        x, y, 120, 38, nullptr, nullptr, windowClass.hInstance, nullptr);
    SetTimer(window, 1, 1000, nullptr);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
    return 0;
}
