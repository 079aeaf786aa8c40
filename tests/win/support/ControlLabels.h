#pragma once
// Screen readers name a control that has no caption of its own after the label right before it among its
// siblings: a static text or a group box.
#include <windows.h>

#include <string>
#include <vector>

// The focusable controls of `window` that a reader would find no name for, as "class id".
inline std::vector<std::string> UnlabelledControls(HWND window) {
    const auto classOf = [](HWND control) {
        char name[64] = {};
        GetClassNameA(control, name, sizeof name);
        return std::string(name);
    };
    const auto isLabel = [&](HWND control) {
        char text[128] = {};
        const std::string kind = classOf(control);
        const LONG style = GetWindowLongA(control, GWL_STYLE);
        return GetWindowTextA(control, text, sizeof text) > 0 &&
               (_stricmp(kind.c_str(), "Static") == 0 ||
                (_stricmp(kind.c_str(), "Button") == 0 && (style & BS_TYPEMASK) == BS_GROUPBOX));
    };
    std::vector<std::string> unlabelled;
    for (HWND control = GetWindow(window, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT)) {
        const std::string kind = classOf(control);
        // Buttons carry their own caption; a spin bar serves the box before it.
        if (!(GetWindowLongA(control, GWL_STYLE) & WS_TABSTOP) || _stricmp(kind.c_str(), "Button") == 0 ||
            _stricmp(kind.c_str(), "ScrollBar") == 0 || _stricmp(kind.c_str(), "msctls_updown32") == 0)
            continue;
        const HWND before = GetWindow(control, GW_HWNDPREV);
        if (!before || !isLabel(before)) unlabelled.push_back(kind + " " + std::to_string(GetDlgCtrlID(control)));
    }
    return unlabelled;
}
