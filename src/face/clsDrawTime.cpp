#include "face/clsDrawTime.h"

#include "face/TimeLayout.h"

void clsDrawTime::DrawTime(HDC hDestDc, HDC hSreDc, std::string_view StrTime) const {
    DrawTimeChange(hDestDc, hSreDc, {}, StrTime);
}

void clsDrawTime::DrawTimeChange(HDC hDestDc, HDC hSreDc, std::string_view shown, std::string_view StrTime) const {
    for (const GlyphCopy& copy : ChangedGlyphCopies(shown, StrTime))
        BitBlt(hDestDc, Left + copy.destX * Multiple, Top, copy.width * Multiple, GlyphHeight * Multiple, hSreDc,
               copy.sourceX * Multiple, 0, SRCCOPY);
}

void clsDrawTime::PaintTimePos(const std::optional<TimeCorner>& corner, int multiple) {
    Multiple = multiple;
    if (!corner) return;
    Left = corner->left;
    Top = corner->top;
}
