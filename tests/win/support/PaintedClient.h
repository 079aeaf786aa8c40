#pragma once
// What a window's own paint routine draws (WM_PRINTCLIENT, without its child controls) on a field of a colour
// no system colour has, so a test can tell drawn pixels from untouched ones. Text drawn without choosing a colour
// comes out in that colour too.
#include "system/DeviceContexts.h"

#include <windows.h>

#include <string>
#include <vector>

class PaintedClient {
public:
    static constexpr COLORREF kUntouched = RGB(1, 2, 3);

    explicit PaintedClient(HWND window) {
        RECT client;
        GetClientRect(window, &client);
        dc_ = SkinDC(nullptr, GdiBitmap(CreateCompatibleBitmap(WindowDC(nullptr), client.right, client.bottom)));
        const GdiObject<HBRUSH> field(CreateSolidBrush(kUntouched));
        FillRect(dc_, &client, field);
        SetTextColor(dc_, kUntouched);
        SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc_.get()), PRF_CLIENT);
    }
    COLORREF at(int x, int y) const { return GetPixel(dc_, x, y); }
    bool any(COLORREF colour, const RECT& area) const {
        for (int x = area.left; x < area.right; ++x)
            for (int y = area.top; y < area.bottom; ++y)
                if (at(x, y) == colour) return true;
        return false;
    }

private:
    SkinDC dc_;
};

// The faults of the sunken frame round every push button of `dialog`: it must lie one pixel outside the button.
inline std::vector<std::string> ButtonFrameFaults(HWND dialog) {
    const PaintedClient painted(dialog);
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW), light = GetSysColor(COLOR_BTNHIGHLIGHT);
    std::vector<std::string> faults;
    for (HWND button = GetWindow(dialog, GW_CHILD); button; button = GetWindow(button, GW_HWNDNEXT)) {
        char kind[16] = "";
        GetClassNameA(button, kind, sizeof kind);
        if (lstrcmpiA(kind, "Button") != 0) continue;
        RECT r;
        GetWindowRect(button, &r);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
        const int midX = (r.left + r.right) / 2, midY = (r.top + r.bottom) / 2;
        const bool framed = painted.at(r.left - 1, midY) == shadow && painted.at(midX, r.top - 1) == shadow &&
                            painted.at(r.right, midY) == light && painted.at(midX, r.bottom) == light;
        if (!framed) faults.push_back("button " + std::to_string(GetDlgCtrlID(button)));
    }
    return faults;
}
