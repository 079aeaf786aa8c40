#include "dialogs/SkinPreview.h"

#include "dialogkit/DialogCentre.h"
#include "dialogkit/clsComboBox.h"
#include "dialogkit/clsEdit.h"
#include "dialogs/OptionControls.h"
#include "face/GdiHandles.h"
#include "face/TimeText.h"
#include "face/frmRegion.h"
#include "resources/resource.h"
#include "system/Seams.h"

#include <string>

namespace {

// The preview box's centre, twice: the picture's origin is (650 - width) / 2, (330 - height) / 2.
constexpr int kCentreX2 = 650;
constexpr int kCentreY2 = 330;

// Entry 0 is the built-in picture; any other entry a file of the folder.
GdiBitmap LoadSelectedPicture(HWND hDlg, int ID, const std::string& folder, int builtInId) {
    const clsComboBox lists;
    if (lists.GetSelItem(hDlg, ID) == 0)
        return GdiBitmap(static_cast<HBITMAP>(
            LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(builtInId), IMAGE_BITMAP, 0, 0, 0)));
    const std::string path = folder + "\\" + lists.SelIndexText(hDlg, ID);
    return GdiBitmap(LoadBitmapFile(path));
}

std::string CurrentTimeText() {
    SYSTEMTIME now{};
    seams.GetLocalTime(&now);
    return TimeText(now.wHour, now.wMinute, now.wSecond);
}

}  // namespace

void DrawSkinPreview(HDC hdc, HWND hDlg, clsDrawTime& painter) {
    const std::string folder = clsEdit().Text(hDlg, kSkinFolder);
    GdiBitmap backPicture = LoadSelectedPicture(hDlg, kBackgroundList, folder, IDB_BACKGROUND);
    GdiBitmap timePicture = LoadSelectedPicture(hDlg, kTimeList, folder, IDB_DIGITS);
    BITMAP size{};
    if (!backPicture || !GetObjectA(backPicture, sizeof size, &size)) return;
    const SkinDC back(hdc, std::move(backPicture));
    painter.PaintTimePos(back, size.bmWidth, size.bmHeight);
    if (timePicture) painter.DrawTime(back, SkinDC(hdc, std::move(timePicture)), CurrentTimeText());
    TransparentBlt(hdc, CentredOrigin(kCentreX2, size.bmWidth), CentredOrigin(kCentreY2, size.bmHeight), size.bmWidth,
                   size.bmHeight, back, 0, 0, size.bmWidth, size.bmHeight, GetPixel(back, 0, 0));
}
