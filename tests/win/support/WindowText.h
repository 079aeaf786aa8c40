#pragma once
// A window's or control's text, however long.
#include <windows.h>

#include <string>

inline std::string WindowText(HWND window) {
    std::string text(GetWindowTextLengthA(window) + 1, '\0');
    text.resize(GetWindowTextA(window, text.data(), static_cast<int>(text.size())));
    return text;
}
