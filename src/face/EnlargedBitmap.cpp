#include "face/EnlargedBitmap.h"

#include "system/DeviceContexts.h"

GdiBitmap EnlargedBitmap(HDC source, int multiple) {
    BITMAP size{};
    if (!source || !GetObjectA(GetCurrentObject(source, OBJ_BITMAP), sizeof size, &size)) return GdiBitmap();
    const int width = size.bmWidth * multiple, height = size.bmHeight * multiple;
    GdiBitmap big(CreateCompatibleBitmap(WindowDC(nullptr), width, height));
    const MemoryDC target(CreateCompatibleDC(nullptr));
    if (!big || !target) return GdiBitmap();
    const SelectedObject selected(target, big.get());
    SetStretchBltMode(target, COLORONCOLOR);
    StretchBlt(target, 0, 0, width, height, source, 0, 0, size.bmWidth, size.bmHeight, SRCCOPY);
    return big;
}
