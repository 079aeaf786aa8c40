#pragma once
// Draws the time from the glyph strip onto the clock face, at the place the background marks in pure black.
#include "face/PixelScan.h"

#include <windows.h>

#include <cstdint>
#include <string_view>

class clsDrawTime {
public:
    // StrTime is the local time as H:MM:SS or HH:MM:SS; hSreDc holds the time strip.
    void DrawTime(HDC hDestDc, HDC hSreDc, std::string_view StrTime) const;
    // Draws only the glyphs of StrTime that differ from those of `shown`, the time the area holds now.
    void DrawTimeChange(HDC hDestDc, HDC hSreDc, std::string_view shown, std::string_view StrTime) const;
    // Takes the time area a background's scan found; a background without black keeps the old place. The glyphs
    // are drawn from a strip enlarged `multiple` times.
    void PaintTimePos(const std::optional<TimeCorner>& corner, int multiple = 1);
    std::int32_t ReLeft() const { return Left; }
    std::int32_t ReTop() const { return Top; }

private:
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    int Multiple = 1;
};
