#pragma once
// A tooltip window that shows a fixed text while the mouse rests on another window.
//
// The tip is driven by the mouse messages of that window, which its procedure hands on, rather than by the
// control's own subclass and tracking: those put a property look-up in front of every message the window
// gets and poll the pointer ten times a second for as long as it rests on the window. Here nothing runs
// while the pointer rests, and only the few moments the tip is up watch for the pointer leaving.
#include <windows.h>

#include <commctrl.h>

#include <string>

class clsTooltip {
public:
    clsTooltip();
    clsTooltip(const clsTooltip&) = delete;
    clsTooltip& operator=(const clsTooltip&) = delete;
    ~clsTooltip();

    void CreateTooltip();
    // Shows strText for the whole of hWndWindow; the text is kept here for the tooltip's life.
    void AddTooltip(const std::string& strText, HWND hWndWindow);
    // Replaces the text shown for a window added before.
    void UpdateTooltip(const std::string& strText, HWND hWndWindow);
    // How long the tip stays up, in milliseconds.
    void Tooltip_SetDelayTime(int DelayTime);
    void Tooltip_SetMaxWidth(int MaxWidth);
    // Any message of the window the tip belongs to; the mouse messages among them move the tip.
    void RelayMouseMessage(UINT message, LPARAM lParam);
    HWND hwnd() const { return hwnd_; }
    bool IsShown() const { return shown_; }

private:
    static void CALLBACK OnTimer(HWND tip, UINT, UINT_PTR timer, DWORD);
    TOOLINFOA ToolInfo();
    void Show();
    void Hide();

    HWND hwnd_ = nullptr;
    HWND owner_ = nullptr;
    std::string text_;
    int autoPopMs_;
    bool shown_ = false;
    LPARAM lastMove_ = -1;
};
