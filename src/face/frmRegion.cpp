#include "face/frmRegion.h"

#include "face/BitmapHeader.h"
#include "face/DCPixels.h"
#include "face/SkinFolder.h"
#include "face/SkinRules.h"
#include "resources/resource.h"
#include "settings/RegProcess.h"
#include "settings/SettingsKeys.h"

#include <chrono>
#include <exception>
#include <fstream>
#include <string>
#include <vector>

BITMAP SkinBitmap{};
GdiBitmap hBackBmp;
GdiBitmap hTimeBmp;
SkinDC hBackDC;
SkinDC hTimeDC;
int BackSkinCount = 0;
int TimeSkinCount = 0;

namespace {

constexpr char UnknownFormatText[] = "Unknown picture format, Single shot the \r\n button neglect this mistake.";
constexpr char UnknownFormatCaption[] = "Unknown picture format";

// Hidden and system files count as missing, as do folders.
bool IsUsableSkinFile(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return false;
    return !(attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY));
}

// The outline of the background selected into `dc`, as the rectangles of its window region.
std::vector<OutlineRect> BackgroundOutline(HDC dc, int width, int height) {
    return OutlineRects(OpaqueRuns(ReadPixels(dc, width, height)));
}

// Whether the window can take the background's outline without every repaint of the clock slowing down.
bool HasUsableOutline(HBITMAP bitmap) {
    BITMAP size{};
    if (!GetObjectA(bitmap, sizeof size, &size)) return false;
    const HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ previous = SelectObject(dc, bitmap);
    bool usable = false;
    try {
        usable = BackgroundOutline(dc, size.bmWidth, size.bmHeight).size() <= kMaxOutlineRects;
    } catch (const std::exception&) {  // pixels too many to hold
    }
    SelectObject(dc, previous);
    DeleteDC(dc);
    return usable;
}

bool HasSize(HBITMAP bitmap, bool (*fits)(int width, int height)) {
    BITMAP size{};
    return GetObjectA(bitmap, sizeof size, &size) && fits(size.bmWidth, size.bmHeight);
}

// A picture of a size no skin has (a 0 x 0 header loads as 1 x 1) would make the clock unusable, and a background
// too fine to be the window's outline would stall it: both are refused like a file that does not load.
GdiBitmap LoadSkinPicture(HWND hwnd, const Setting& fileName, int builtInId, bool (*fits)(int width, int height),
                          bool outline) {
    const std::string path = SkinFolder() + "\\" + ReadSettingText(fileName);
    if (IsUsableSkinFile(path)) {
        GdiBitmap loaded(LoadBitmapFile(path));
        if (loaded && HasSize(loaded, fits) && (!outline || HasUsableOutline(loaded))) return loaded;
        MessageBoxA(hwnd, UnknownFormatText, UnknownFormatCaption, MB_ICONEXCLAMATION);
    }
    return GdiBitmap(static_cast<HBITMAP>(
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(builtInId), IMAGE_BITMAP, 0, 0, 0)));
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

// count names the module's counter, so it is read after the scan has refreshed it.
void PickRandomSkin(const int& count, std::string_view listKey, const Setting& fileName, const Setting& selection) {
    ScanSkinFolder();
    const auto seed = static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    const int index = DrawSkinIndex(count, seed);
    SaveSetting(fileName, GetRegValue(RegRoot::CurrentUser, listKey, std::to_string(index)).AsText());
    SaveSetting(selection, index);
}

}  // namespace

// The system loads only what the header check let through: a header can promise far more pixels than its file has.
HBITMAP LoadBitmapFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::vector<std::uint8_t> head(kBitmapHeadBytes);
    file.read(reinterpret_cast<char*>(head.data()), std::streamsize(head.size()));
    head.resize(std::size_t(file.gcount()));
    file.clear();
    file.seekg(0, std::ios::end);
    const std::streamoff size = file.tellg();
    if (size <= 0 || !CheckBitmapHeader(head, std::uint64_t(size))) return nullptr;
    return static_cast<HBITMAP>(LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
}

void LoadSkinBitmaps(HWND hwnd) {
    ShowWindow(hwnd, SW_HIDE);
    hBackBmp = LoadSkinPicture(hwnd, settings::BmpBack, IDB_BACKGROUND, IsBackgroundSize, true);
    hTimeBmp = LoadSkinPicture(hwnd, settings::BmpTime, IDB_DIGITS, IsTimeStripSize, false);
    SkinBitmap = BITMAP{};
    if (hBackBmp) GetObjectA(hBackBmp, sizeof SkinBitmap, &SkinBitmap);
}

void CreateSkinDCs(HWND hwnd) {
    const HDC screen = GetDC(hwnd);
    // Without a new bitmap the current DC stays, rather than becoming an empty one.
    if (hBackBmp) hBackDC = SkinDC(screen, std::move(hBackBmp));
    if (hTimeBmp) hTimeDC = SkinDC(screen, std::move(hTimeBmp));
    ReleaseDC(hwnd, screen);
}

int ShapeWindowFromBitmap(HWND hwnd, HDC dc, int width, int height) {
    // The window owns the region once SetWindowRgn accepts it.
    GdiRegion region(RegionFromRects(BackgroundOutline(dc, width, height)));
    const int result = SetWindowRgn(hwnd, region.get(), TRUE);
    if (result) region.release();
    return result;
}

void ScanSkinFolder() {
    const SkinLists lists = ScanSkinLists(SkinFolder());
    BackSkinCount = static_cast<int>(lists.backgrounds.size());
    TimeSkinCount = static_cast<int>(lists.timeStrips.size());
}

SkinLists ScanSkinLists(const std::string& folder) {
    SkinLists lists;
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA((folder + "\\*.bmp").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return lists;
    do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        const GdiBitmap picture(LoadBitmapFile(folder + "\\" + found.cFileName));
        BITMAP size{};
        if (!picture || !GetObjectA(picture, sizeof size, &size)) continue;
        if (IsBackgroundSize(size.bmWidth, size.bmHeight)) ListSkin(keys::BackList, lists.backgrounds, found.cFileName);
        if (IsTimeStripSize(size.bmWidth, size.bmHeight)) ListSkin(keys::TimeList, lists.timeStrips, found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return lists;
}

void PickRandomBackSkin() { PickRandomSkin(BackSkinCount, keys::BackList, settings::BmpBack, settings::SelBackBmp); }

void PickRandomTimeSkin() { PickRandomSkin(TimeSkinCount, keys::TimeList, settings::BmpTime, settings::SelTimeBmp); }
