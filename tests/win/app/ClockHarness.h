#pragma once
// The real main window, made as the program makes it but driven by the test instead of a message loop.
#include "app/Main.h"
#include "app/frmMain.h"
#include "settings/RegProcess.h"
#include "settings/SettingsKeys.h"
#include "support/Recorders.h"

#include <string>

inline void ForgetClockSettings() {
    for (const char* key : {"Load", "Option"}) DeleteRegKey(RegRoot::CurrentUser, "Software\\Tollwick", key);
}

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
    void Command(WPARAM id) const { Send(WM_COMMAND, id); }
    // The menu's first item as the user meets it: its caption and the command it sends.
    std::string FirstItem() const {
        return ClockMenu.Item(0).Text + " " + std::to_string(GetMenuItemID(ClockMenu.hMenu(), 0));
    }

    RecordingSeams recorder;
    FakeTray tray;

private:
    HWND hwnd_ = nullptr;
};

inline std::string Stored(const Setting& setting) {
    const RegValue value = GetRegValue(setting.root, setting.key, setting.name);
    return value.kind() == RegValue::Kind::Text ? value.AsText() : "-";
}
