#include "face/frmRegion.h"

#include "face/DCPixels.h"
#include "face/SkinRules.h"
#include "resources/resource.h"
#include "settings/RegProcess.h"
#include "settings/SettingsKeys.h"

#include <chrono>
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

HBITMAP LoadBitmapFile(const std::string& path) {
    return static_cast<HBITMAP>(LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
}

bool HasSize(HBITMAP bitmap, bool (*fits)(int width, int height)) {
    BITMAP size{};
    return GetObjectA(bitmap, sizeof size, &size) && fits(size.bmWidth, size.bmHeight);
}

// A picture of a size no skin has (a 0 x 0 header loads as 1 x 1) would make the clock unusable: it counts as
// missing, as the skin lists never offer it.
GdiBitmap LoadSkinPicture(HWND hwnd, const Setting& fileName, int builtInId, bool (*fits)(int width, int height)) {
    const std::string path = ReadSettingText(settings::SkinPath) + "\\" + ReadSettingText(fileName);
    if (IsUsableSkinFile(path)) {
        GdiBitmap loaded(LoadBitmapFile(path));
        if (loaded && HasSize(loaded, fits)) return loaded;
        if (!loaded) MessageBoxA(hwnd, UnknownFormatText, UnknownFormatCaption, MB_ICONEXCLAMATION);
    }
    return GdiBitmap(static_cast<HBITMAP>(
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(builtInId), IMAGE_BITMAP, 0, 0, 0)));
}

// One region from all runs at once; ExtCreateRegion merges the rectangles itself.
HRGN RegionFromRuns(const std::vector<RowRun>& runs) {
    if (runs.empty()) return nullptr;
    static_assert(sizeof(RGNDATAHEADER) % sizeof(RECT) == 0);
    constexpr std::size_t headerRects = sizeof(RGNDATAHEADER) / sizeof(RECT);
    std::vector<RECT> storage(headerRects + runs.size());
    auto* data = reinterpret_cast<RGNDATA*>(storage.data());
    RECT* rects = storage.data() + headerRects;
    RECT bound{runs.front().left, runs.front().y, runs.front().right, runs.front().y + 1};
    for (std::size_t i = 0; i < runs.size(); ++i) {
        const RowRun& run = runs[i];
        rects[i] = {run.left, run.y, run.right, run.y + 1};
        if (run.left < bound.left) bound.left = run.left;
        if (run.right > bound.right) bound.right = run.right;
        bound.bottom = run.y + 1;
    }
    data->rdh.dwSize = sizeof(RGNDATAHEADER);
    data->rdh.iType = RDH_RECTANGLES;
    data->rdh.nCount = static_cast<DWORD>(runs.size());
    data->rdh.nRgnSize = static_cast<DWORD>(runs.size() * sizeof(RECT));
    data->rdh.rcBound = bound;
    return ExtCreateRegion(nullptr, static_cast<DWORD>(storage.size() * sizeof(RECT)), data);
}

void ListSkin(std::string_view listKey, int& count, const std::string& fileName) {
    ++count;
    SaveRegValue(RegRoot::CurrentUser, listKey, std::to_string(count), RegType::Text, fileName);
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

void LoadSkinBitmaps(HWND hwnd) {
    ShowWindow(hwnd, SW_HIDE);
    hBackBmp = LoadSkinPicture(hwnd, settings::BmpBack, IDB_BACKGROUND, IsBackgroundSize);
    hTimeBmp = LoadSkinPicture(hwnd, settings::BmpTime, IDB_DIGITS, IsTimeStripSize);
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
    GdiRegion region(RegionFromRuns(OpaqueRuns(ReadPixels(dc, width, height))));
    const int result = SetWindowRgn(hwnd, region.get(), TRUE);
    if (result) region.release();
    return result;
}

void ScanSkinFolder() {
    const std::string folder = ReadSettingText(settings::SkinPath);
    BackSkinCount = 0;
    TimeSkinCount = 0;
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA((folder + "\\*.bmp").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        const GdiBitmap picture(LoadBitmapFile(folder + "\\" + found.cFileName));
        BITMAP size{};
        if (!picture || !GetObjectA(picture, sizeof size, &size)) continue;
        if (IsBackgroundSize(size.bmWidth, size.bmHeight)) ListSkin(keys::BackList, BackSkinCount, found.cFileName);
        if (IsTimeStripSize(size.bmWidth, size.bmHeight)) ListSkin(keys::TimeList, TimeSkinCount, found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

void PickRandomBackSkin() { PickRandomSkin(BackSkinCount, keys::BackList, settings::BmpBack, settings::SelBackBmp); }

void PickRandomTimeSkin() { PickRandomSkin(TimeSkinCount, keys::TimeList, settings::BmpTime, settings::SelTimeBmp); }
