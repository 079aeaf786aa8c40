#include "dialogkit/LayoutText.h"

#include "dialogkit/WindowScale.h"

// A DC of no window (WM_PRINTCLIENT's) takes the screen's DPI.
void DrawLayoutText(HDC dc, int x, int y, std::string_view text) {
    const HWND painted = WindowFromDC(dc);
    TextOutA(dc, ScaleForWindow(painted, x), ScaleForWindow(painted, y), text.data(), static_cast<int>(text.size()));
}

int LayoutMeasure::operator()(std::string_view text) const {
    SIZE extent{};
    GetTextExtentPoint32A(dc_, text.data(), static_cast<int>(text.size()), &extent);
    return LayoutForWindow(window_, extent.cx);
}
