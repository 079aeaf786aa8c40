#pragma once
// A tooltip window that shows a fixed text while the mouse rests on another window.
#include <windows.h>

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
    HWND hwnd() const { return hwnd_; }

private:
    HWND hwnd_ = nullptr;
    std::string text_;
};
