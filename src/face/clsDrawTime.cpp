#include "face/clsDrawTime.h"

#include "face/DCPixels.h"
#include "face/TimeLayout.h"

void clsDrawTime::DrawTime(HDC hDestDc, HDC hSreDc, std::string_view StrTime) const {
    DrawTimeChange(hDestDc, hSreDc, {}, StrTime);
}

void clsDrawTime::DrawTimeChange(HDC hDestDc, HDC hSreDc, std::string_view shown, std::string_view StrTime) const {
    for (const GlyphCopy& copy : ChangedGlyphCopies(shown, StrTime))
        BitBlt(hDestDc, Left + copy.destX, Top, copy.width, GlyphHeight, hSreDc, copy.sourceX, 0, SRCCOPY);
}

void clsDrawTime::PaintTimePos(HDC backgroundDc, int width, int height) {
    if (const auto corner = FindTimeCorner(ReadPixels(backgroundDc, width, height))) {
        Left = corner->left;
        Top = corner->top;
    }
}
