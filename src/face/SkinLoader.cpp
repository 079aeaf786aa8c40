#include "face/SkinLoader.h"

#include "face/SkinFolder.h"
#include "face/SkinRules.h"
#include "resources/resource.h"
#include "settings/RegProcess.h"
#include "settings/SettingsKeys.h"

#include <chrono>
#include <string>
#include <vector>

namespace {

constexpr char UnknownFormatText[] = "Unknown picture format, Single shot the \r\n button neglect this mistake.";
constexpr char UnknownFormatCaption[] = "Unknown picture format";

// Hidden and system files count as missing, as do folders.
bool IsUsableSkinFile(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return false;
    return !(attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY));
}

// The stored file of a skin picture, or the built-in picture when it is missing.
SkinFile StoredSkinFile(const Setting& fileName, int builtInId) {
    const std::string path = SkinFolder() + "\\" + ReadSettingText(fileName);
    return {IsUsableSkinFile(path) ? path : std::string(), builtInId};
}

bool HasSize(HBITMAP bitmap, bool (*fits)(int width, int height)) {
    BITMAP size{};
    return bitmap && GetObjectA(bitmap, sizeof size, &size) && fits(size.bmWidth, size.bmHeight);
}

void RefuseFile(HWND hwnd) { MessageBoxA(hwnd, UnknownFormatText, UnknownFormatCaption, MB_ICONEXCLAMATION); }

// A picture of a size no skin has (a 0 x 0 header loads as 1 x 1) would make the clock unusable: it is refused like a
// file that does not load.
GdiBitmap LoadStoredPicture(HWND hwnd, const SkinFile& file, bool (*fits)(int width, int height)) {
    GdiBitmap picture = LoadSkinPicture(file);
    if (file.path.empty() || HasSize(picture, fits)) return picture;
    RefuseFile(hwnd);
    return LoadSkinPicture({{}, file.builtInId});
}

HRGN RegionFromRects(const std::vector<OutlineRect>& outline) {
    if (outline.empty()) return nullptr;
    static_assert(sizeof(RGNDATAHEADER) % sizeof(RECT) == 0);
    constexpr std::size_t headerRects = sizeof(RGNDATAHEADER) / sizeof(RECT);
    std::vector<RECT> storage(headerRects + outline.size());
    auto* data = reinterpret_cast<RGNDATA*>(storage.data());
    RECT* rects = storage.data() + headerRects;
    RECT bound{outline.front().left, outline.front().top, outline.front().right, outline.back().bottom};
    for (std::size_t i = 0; i < outline.size(); ++i) {
        const OutlineRect& rect = outline[i];
        rects[i] = {rect.left, rect.top, rect.right, rect.bottom};
        if (rect.left < bound.left) bound.left = rect.left;
        if (rect.right > bound.right) bound.right = rect.right;
    }
    data->rdh.dwSize = sizeof(RGNDATAHEADER);
    data->rdh.iType = RDH_RECTANGLES;
    data->rdh.nCount = static_cast<DWORD>(outline.size());
    data->rdh.nRgnSize = static_cast<DWORD>(outline.size() * sizeof(RECT));
    data->rdh.rcBound = bound;
    return ExtCreateRegion(nullptr, static_cast<DWORD>(storage.size() * sizeof(RECT)), data);
}

void ListSkin(std::string_view listKey, std::vector<std::string>& list, const std::string& fileName) {
    list.push_back(fileName);
    SaveRegValue(RegRoot::CurrentUser, listKey, std::to_string(list.size()), RegType::Text, fileName);
}

// An empty list gives an empty name, which loads the built-in picture.
void PickRandomSkin(const std::vector<std::string>& list, const Setting& fileName, const Setting& selection) {
    const auto seed = static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    const int index = DrawSkinIndex(static_cast<int>(list.size()), seed);
    SaveSetting(fileName, list.empty() ? std::string() : list[static_cast<std::size_t>(index) - 1]);
    SaveSetting(selection, index);
}

}  // namespace

// A background too fine to be the window's outline would stall the clock: it is refused too.
Skin LoadSkinBitmaps(HWND hwnd) {
    ShowWindow(hwnd, SW_HIDE);
    const SkinFile background = StoredSkinFile(settings::BmpBack, IDB_BACKGROUND);
    Skin skin;
    skin.SetBackground(LoadStoredPicture(hwnd, background, IsBackgroundSize));
    if (!background.path.empty() && !skin.OutlineFits()) {
        RefuseFile(hwnd);
        skin.SetBackground(LoadSkinPicture({{}, IDB_BACKGROUND}));
    }
    skin.SetTimeStrip(LoadStoredPicture(hwnd, StoredSkinFile(settings::BmpTime, IDB_DIGITS), IsTimeStripSize));
    return skin;
}

int ShapeWindowFromBitmap(HWND hwnd, const Skin& skin) {
    // The window owns the region once SetWindowRgn accepts it.
    GdiRegion region(RegionFromRects(skin.outline()));
    const int result = SetWindowRgn(hwnd, region.get(), TRUE);
    if (result) region.release();
    return result;
}

SkinLists ScanSkinLists(const std::string& folder) {
    SkinLists lists;
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA((folder + "\\*.bmp").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return lists;
    do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        const GdiBitmap picture = LoadSkinPicture({folder + "\\" + found.cFileName, 0});
        if (HasSize(picture, IsBackgroundSize)) ListSkin(keys::BackList, lists.backgrounds, found.cFileName);
        if (HasSize(picture, IsTimeStripSize)) ListSkin(keys::TimeList, lists.timeStrips, found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return lists;
}

SkinLists ScanSkinFolder() { return ScanSkinLists(SkinFolder()); }

void PickRandomBackSkin() { PickRandomSkin(ScanSkinFolder().backgrounds, settings::BmpBack, settings::SelBackBmp); }

void PickRandomTimeSkin() { PickRandomSkin(ScanSkinFolder().timeStrips, settings::BmpTime, settings::SelTimeBmp); }
