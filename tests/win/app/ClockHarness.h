#pragma once
// The real main window, made as the program makes it but driven by the test instead of a message loop.
#include "app/ClockTooltip.h"
#include "app/Main.h"
#include "app/frmMain.h"
#include "settings/RegProcess.h"
#include "settings/SettingsKeys.h"
#include "support/CleanSettings.h"
#include "support/Recorders.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <string>

class ClockTest : public testing::Test {
protected:
    CleanSettings settings;
};

class ClockWindow {
public:
    ClockWindow() {
        RegisterMainClass("frmMain");
        if ((hwnd_ = CreateMainWindow("frmMain", WS_EX_LAYERED, nullptr))) StartMainWindow();
        PumpMessages(20);
    }
    ~ClockWindow() {
        if (IsWindow(hwnd_)) SendMessageA(hwnd_, WM_CLOSE, 0, 0);
        PumpMessages(10);
        UnregisterClassA("frmMain", GetModuleHandleA(nullptr));
    }
    HWND hwnd() const { return hwnd_; }
    void Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        SendMessageA(hwnd_, message, wParam, lParam);
        PumpMessages(10);
    }
    // What the user meets: the window, the tray and the menu's first item with the command it sends.
    std::string State() const {
        return std::string(IsWindowVisible(hwnd_) ? "shown" : "hidden") + (IsIconic(hwnd_) ? " minimised, " : ", ") +
               std::to_string(tray.IconCount()) + " icons, " + ClockMenu.Item(0).Text + " " +
               std::to_string(GetMenuItemID(ClockMenu.hMenu(), 0));
    }

    RecordingSeams recorder;
    FakeTray tray;

private:
    HWND hwnd_ = nullptr;
};

// The clock's tooltip: the date, and below it the next alarm.
inline std::string TooltipText(HWND clock) {
    char text[512] = {};
    TOOLINFOA info{};
    info.cbSize = TTTOOLINFOA_V1_SIZE;
    info.uId = reinterpret_cast<UINT_PTR>(clock);
    info.lpszText = text;
    SendMessageA(ClockTooltipWindow(), TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&info));
    return text;
}
