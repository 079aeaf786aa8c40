#include "dialogs/SkinLists.h"

#include "dialogkit/clsComboBox.h"
#include "dialogs/OptionControls.h"
#include "dialogs/SkinChoice.h"
#include "face/SkinLoader.h"

#include <vector>

namespace {

std::vector<std::string> ListItems(HWND hDlg, int ID) {
    std::vector<std::string> items;
    for (int i = 0; i < clsComboBox().ListCount(hDlg, ID); ++i) {
        std::string text(SendDlgItemMessageA(hDlg, ID, CB_GETLBTEXTLEN, i, 0) + 1, '\0');
        SendDlgItemMessageA(hDlg, ID, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data()));
        items.push_back(text.c_str());
    }
    return items;
}

}  // namespace

void FillSkinLists(HWND hDlg, const std::string& folder) {
    const clsComboBox lists;
    const SkinLists found = ScanSkinLists(folder);
    for (const std::string& name : found.backgrounds) lists.AddItem(hDlg, kBackgroundList, name);
    for (const std::string& name : found.timeStrips) lists.AddItem(hDlg, kTimeList, name);
}

void SelectSavedSkin(HWND hDlg, int ID, const Setting& selection, const Setting& fileName) {
    clsComboBox().ListIndex(hDlg, ID,
                            SavedSkinIndex(ReadSettingText(selection), ReadSettingText(fileName), ListItems(hDlg, ID)));
}
