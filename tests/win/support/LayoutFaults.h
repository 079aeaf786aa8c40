#pragma once
// What a window's layout gets wrong at the DPI it is shown at: a control reaching past the client area, or two
// texts on top of each other.
#include <windows.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

#include "support/PaintedTexts.h"

namespace layout_faults {

inline std::string NameOf(HWND control) {
    char kind[64] = {}, text[64] = {};
    GetClassNameA(control, kind, sizeof kind);
    GetWindowTextA(control, text, sizeof text);
    return std::string(kind) + " \"" + text + "\"";
}

inline bool IsButtonOfType(HWND control, std::initializer_list<LONG> types) {
    char kind[16] = {};
    GetClassNameA(control, kind, sizeof kind);
    const LONG type = GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK;
    return _stricmp(kind, "Button") == 0 && std::find(types.begin(), types.end(), type) != types.end();
}

// As shown: the mnemonic's "&" takes no room.
inline SIZE TextExtent(HWND control) {
    char text[256] = {};
    GetWindowTextA(control, text, sizeof text);
    std::string shown(text);
    std::erase(shown, '&');
    const HDC dc = GetDC(control);
    const HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
    SIZE extent{};
    GetTextExtentPoint32A(dc, shown.c_str(), int(shown.size()), &extent);
    SelectObject(dc, previous);
    ReleaseDC(control, dc);
    return extent;
}

// Where the control shows itself: a static text only as far as its text reaches, a check box or option button
// the line of text centred in it, any other control all of it.
inline RECT TextArea(HWND window, HWND control) {
    RECT area;
    GetWindowRect(control, &area);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&area), 2);
    char kind[16] = {};
    GetClassNameA(control, kind, sizeof kind);
    const SIZE extent = TextExtent(control);
    if (_stricmp(kind, "Static") == 0) {
        area.right = std::min<LONG>(area.right, area.left + extent.cx);
        area.bottom = std::min<LONG>(area.bottom, area.top + extent.cy);
    } else if (IsButtonOfType(control, {BS_CHECKBOX, BS_AUTOCHECKBOX, BS_RADIOBUTTON, BS_AUTORADIOBUTTON, BS_3STATE,
                                        BS_AUTO3STATE}) &&
               extent.cy < area.bottom - area.top) {
        area.top += (area.bottom - area.top - extent.cy) / 2;
        area.bottom = area.top + extent.cy;
    }
    return area;
}

// A push button, check box or option button too narrow for its caption on one line (a box's caption starts
// right of its check mark).
inline bool IsClipped(HWND control) {
    RECT area;
    GetClientRect(control, &area);
    const bool box = IsButtonOfType(control, {BS_CHECKBOX, BS_AUTOCHECKBOX, BS_RADIOBUTTON, BS_AUTORADIOBUTTON,
                                              BS_3STATE, BS_AUTO3STATE});
    if (!box && !IsButtonOfType(control, {BS_PUSHBUTTON, BS_DEFPUSHBUTTON})) return false;
    const int beside = box ? GetSystemMetrics(SM_CXMENUCHECK) + 2 : 2;
    return TextExtent(control).cx + beside > area.right;
}

}  // namespace layout_faults

// Painted texts count as texts too; and a window whose top left is off its monitor's work area is a fault.
inline std::vector<std::string> LayoutFaults(HWND window) {
    using namespace layout_faults;
    RECT client, frame;
    GetClientRect(window, &client);
    std::vector<HWND> texts;
    std::vector<std::string> faults;
    GetWindowRect(window, &frame);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
    if (!PtInRect(&monitor.rcWork, {frame.left, frame.top}))
        faults.push_back("the window's top left is off the screen");
    for (HWND control = GetWindow(window, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT)) {
        if (!IsWindowVisible(control)) continue;
        const RECT place = TextArea(window, control);
        if (place.left < 0 || place.top < 0 || place.right > client.right || place.bottom > client.bottom)
            faults.push_back(NameOf(control) + " reaches past the client area");
        if (IsClipped(control)) faults.push_back(NameOf(control) + " is too narrow for its text");
        // A group box holds the controls it frames.
        if (GetWindowTextLengthA(control) > 0 && !IsButtonOfType(control, {BS_GROUPBOX})) texts.push_back(control);
    }
    for (const PaintedRun& run : PaintedRuns(window)) {
        const std::string name = "painted \"" + std::get<2>(run.text) + "\"";
        const RECT box{run.box.left, run.box.top, run.box.right, run.box.bottom};
        if (box.left < 0 || box.top < 0 || box.right > client.right || box.bottom > client.bottom)
            faults.push_back(name + " reaches past the client area");
        RECT both;
        for (const HWND text : texts)
            if (const RECT area = TextArea(window, text); IntersectRect(&both, &box, &area))
                faults.push_back(name + " overlaps " + NameOf(text));
    }
    for (std::size_t i = 0; i < texts.size(); ++i)
        for (std::size_t j = i + 1; j < texts.size(); ++j) {
            const RECT a = TextArea(window, texts[i]), b = TextArea(window, texts[j]);
            RECT both;
            if (IntersectRect(&both, &a, &b)) faults.push_back(NameOf(texts[i]) + " overlaps " + NameOf(texts[j]));
        }
    return faults;
}
