#include "dialogs/SkinPreview.h"

#include "dialogkit/DialogCentre.h"
#include "dialogkit/WindowScale.h"
#include "dialogkit/clsComboBox.h"
#include "dialogkit/clsEdit.h"
#include "dialogs/OptionControls.h"
#include "face/Skin.h"
#include "face/TimeText.h"
#include "resources/resource.h"
#include "system/Seams.h"

#include <string>

namespace {

// The preview box's centre, twice: the picture's origin is (650 - width) / 2, (330 - height) / 2.
constexpr int kCentreX2 = 650;
constexpr int kCentreY2 = 330;

// Entry 0 is the built-in picture; any other entry a file of the folder.
SkinFile SelectedPicture(HWND hDlg, int ID, const std::string& folder, int builtInId) {
    const clsComboBox lists;
    if (lists.GetSelItem(hDlg, ID) == 0) return {{}, builtInId};
    return {folder + "\\" + lists.SelIndexText(hDlg, ID), builtInId};
}

std::string CurrentTimeText() {
    const SYSTEMTIME now = LocalNow();
    return TimeText(now.wHour, now.wMinute, now.wSecond);
}

}  // namespace

void DrawSkinPreview(HDC hdc, HWND hDlg, clsDrawTime& painter) {
    const std::string folder = clsEdit().Text(hDlg, kSkinFolder);
    const Skin preview(SelectedPicture(hDlg, kBackgroundList, folder, IDB_BACKGROUND),
                       SelectedPicture(hDlg, kTimeList, folder, IDB_DIGITS));
    const HDC back = preview.hBackDC();
    if (!back) return;
    painter.PaintTimePos(preview.timeCorner());
    if (preview.hTimeDC()) painter.DrawTime(back, preview.hTimeDC(), CurrentTimeText());
    const int width = preview.width(), height = preview.height();
    // The picture keeps its own pixels, centred in the box at any scale.
    TransparentBlt(hdc, CentredOrigin(ScaleForWindow(hDlg, kCentreX2), width),
                   CentredOrigin(ScaleForWindow(hDlg, kCentreY2), height), width, height, back, 0, 0, width, height,
                   GetPixel(back, 0, 0));
}
