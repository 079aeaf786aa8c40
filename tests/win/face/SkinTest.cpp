#include "../../../bench/win/BitmapFiles.h"
#include "../../../bench/win/PerPixelShape.h"
#include "../../../bench/win/SyntheticBackground.h"
#include "face/ClockSize.h"
#include "face/DCPixels.h"
#include "face/SkinLoader.h"
#include "face/SkinRules.h"
#include "face/clsDrawTime.h"
#include "settings/RegProcess.h"
#include "settings/SettingsKeys.h"
#include "support/CleanSettings.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

namespace {

// A plain popup window to shape, a scratch skin folder, and the settings as they were after each test.
class Skin : public testing::Test {
protected:
    void TearDown() override {
        DestroyWindow(window);
        std::filesystem::remove_all(folder);
    }
    void LoadSkin() { skin = LoadSkinBitmaps(window); }
    // Writes a file into the skin folder and stores the folder as "SkinPath".
    void WriteSkinFile(const std::string& name, const std::string& bytes, DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
        CreateDirectoryA(folder.c_str(), nullptr);
        SaveSetting(settings::SkinPath, folder);
        std::ofstream(folder + "\\" + name, std::ios::binary) << bytes;
        SetFileAttributesA((folder + "\\" + name).c_str(), attributes);
    }

    CleanSettings clean;
    ::Skin skin;
    const HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 200, 200, nullptr, nullptr, nullptr, nullptr);
    const std::string folder = (std::filesystem::temp_directory_path() / "face-skins").string();
};

// Closes each message box from a thread timer, which its modal loop runs, and keeps caption and text.
std::vector<std::string> shownBoxes;
void CALLBACK CloseBoxes(HWND, UINT, UINT_PTR, DWORD) {
    if (const HWND box = FindWindowA("#32770", nullptr); box && IsWindowVisible(box)) {
        char caption[64] = {}, text[128] = {};
        GetWindowTextA(box, caption, sizeof caption);
        GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
        shownBoxes.push_back(std::string(caption) + "|" + text);
        EndDialog(box, IDOK);
        ShowWindow(box, SW_HIDE);
    }
}

// The scan itself is tested natively; here the window really takes the outline read from a GDI bitmap (holes and
// pixels of the top-left colour scattered inside) and loses it to a background of one colour, and the time goes
// where the per-pixel method finds it (no black keeps the place before).
TEST_F(Skin, TheWindowTakesTheOutlineReadFromTheBackground) {
    const auto scattered = [](int x, int y) -> COLORREF {
        const bool black = (x >= 10 && x < 80 && y >= 20 && y < 45) || (x >= 90 && y >= 120 && (x + y) % 4);
        return black ? 0 : (x * 7 + y * 3) % 11 ? RGB(60 + x / 2, 60, 200 - y / 2) : RGB(60, 60, 200);
    };
    clsDrawTime drawer;
    POINT expected{};
    for (const bool plain : {false, true}) {
        const ::Skin shown(SyntheticBackground(200, 200, plain ? +[](int, int) { return RGB(1, 2, 3); } : +scattered),
                           {});
        ShapeWindowFromBitmap(window, shown);
        GdiRegion applied(CreateRectRgn(0, 0, 0, 0)), perPixel(PerPixelRegion(shown.hBackDC(), 200, 200));
        const bool shaped = GetWindowRgn(window, applied) != ERROR;
        EXPECT_TRUE(plain ? !shaped && !perPixel : shaped && EqualRgn(applied, perPixel)) << plain;
        drawer.PaintTimePos(shown.timeCorner());
        expected = PerPixelTimePos(shown.hBackDC(), 200, 200).value_or(expected);
        EXPECT_EQ(std::pair(drawer.ReLeft(), drawer.ReTop()), std::pair(int(expected.x), int(expected.y))) << plain;
    }
}

// The face painted whole: background, then the time at the place the skin's scan gave.
PixelGrid PaintedFace(const ::Skin& shown) {
    const SkinDC face(nullptr, GdiBitmap(CreateCompatibleBitmap(WindowDC(nullptr), shown.width(), shown.height())));
    BitBlt(face, 0, 0, shown.width(), shown.height(), shown.hBackDC(), 0, 0, SRCCOPY);
    clsDrawTime drawer;
    drawer.PaintTimePos(shown.timeCorner(), shown.multiple());
    drawer.DrawTime(face, shown.hTimeDC(), "12:34:56");
    return ReadPixels(face);
}

// Enlarged, the face is the 1x face with every pixel a block (background and glyphs alike, each glyph in its
// place), and the outline is what the per-pixel rule cuts from the enlarged background.
TEST_F(Skin, EnlargedFacesAreTheirPixelsAsBlocks) {
    LoadSkin();
    const PixelGrid small = PaintedFace(skin);
    for (const int multiple : {2, 3}) {
        ::Skin big = LoadSkinBitmaps(window);
        big.SetMultiple(multiple);
        EXPECT_EQ(std::pair(big.width(), big.height()), std::pair(skin.width() * multiple, skin.height() * multiple));
        const PixelGrid painted = PaintedFace(big);
        EXPECT_TRUE(painted.pixels == ScaleGrid(small, multiple).pixels) << multiple;
        ShapeWindowFromBitmap(window, big);
        GdiRegion shaped(CreateRectRgn(0, 0, 0, 0)), perPixel(PerPixelRegion(big.hBackDC(), big.width(), big.height()));
        EXPECT_TRUE(GetWindowRgn(window, shaped) != ERROR && EqualRgn(shaped, perPixel)) << multiple;
    }
}

// Hidden files count as missing; a broken one, or one whose outline is too fine to show in time (a 200 x 200
// checkerboard: 20,000 rectangles, where 39 checkered rows make 3,900), costs one message. Each gives the built-in
// background. Whatever an apply replaced is freed.
TEST_F(Skin, OnlyGoodVisibleFilesLoadAndReplacedOnesAreFreed) {
    WriteSkinFile("wide.bmp", CheckerboardBmp(150, 40, 0));
    WriteSkinFile("hidden.bmp", CheckerboardBmp(150, 40, 0), FILE_ATTRIBUTE_HIDDEN);
    WriteSkinFile("broken.bmp", "BM this is not a picture");
    WriteSkinFile("fine.bmp", CheckerboardBmp(200, 200, 200));
    WriteSkinFile("39 rows.bmp", CheckerboardBmp(200, 200, 39));
    shownBoxes.clear();
    std::vector<HGDIOBJ> replaced;
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, CloseBoxes);
    const std::pair<std::string, int> loads[] = {{"wide.bmp", 150},   {"hidden.bmp", 120}, {"wide.bmp", 150},
                                                 {"broken.bmp", 120}, {"fine.bmp", 120},   {"39 rows.bmp", 200}};
    for (const auto& [name, width] : loads) {
        for (const HDC dc : {skin.hBackDC(), skin.hTimeDC()})
            replaced.insert(replaced.end(), {dc, GetCurrentObject(dc, OBJ_BITMAP)});
        SaveSetting(settings::BmpBack, name);
        LoadSkin();
        EXPECT_EQ(skin.width(), width) << name;
    }
    KillTimer(nullptr, timer);
    EXPECT_EQ(shownBoxes, std::vector<std::string>(2,
                                                   "Unknown picture format|Unknown picture format, Single shot "
                                                   "the \r\n button neglect this mistake."));
    for (HGDIOBJ object : replaced) EXPECT_EQ(GetObjectType(object), 0u) << object;
}

// The pick takes its name from the scan just made: a name an earlier, longer scan left in the registry list is never
// picked, and a folder without backgrounds gives the empty name of the built-in skin.
TEST_F(Skin, RandomPickTakesANameOfTheFolderAsScannedNow) {
    for (const std::string stale : {"1", "2"})
        SaveRegValue(RegRoot::CurrentUser, keys::BackList, stale, RegType::Text, "gone " + stale + ".bmp");
    CreateDirectoryA(folder.c_str(), nullptr);
    SaveSetting(settings::SkinPath, folder);
    PickRandomBackSkin();
    EXPECT_EQ(ReadSettingText(settings::BmpBack) + "|" + ReadSettingText(settings::SelBackBmp), "|1");
    WriteSkinFile("wide.bmp", CheckerboardBmp(150, 40, 0));
    PickRandomBackSkin();
    EXPECT_EQ(ReadSettingText(settings::BmpBack) + "|" + ReadSettingText(settings::SelBackBmp), "wide.bmp|1");
    EXPECT_EQ(GetRegValue(RegRoot::CurrentUser, keys::BackList, "2").AsText(), "gone 2.bmp");
}

std::string Bytes(const void* data, std::size_t size) { return std::string(static_cast<const char*>(data), size); }

// A BMP file: the headers, `palette` colours (the header may claim another number), the pixel bytes.
std::string Bmp(LONG width, LONG height, WORD bits, DWORD compression, const std::string& pixels, DWORD palette = 0,
                std::optional<DWORD> claimed = std::nullopt) {
    const BITMAPINFOHEADER info{
        sizeof info, width, height, 1, bits, compression, DWORD(pixels.size()), 0, 0, claimed.value_or(palette), 0};
    const std::string colours(palette * 4, '\x80');
    const DWORD offset = DWORD(sizeof(BITMAPFILEHEADER) + sizeof info + colours.size());
    const BITMAPFILEHEADER file{0x4D42, DWORD(offset + pixels.size()), 0, 0, offset};
    return Bytes(&file, sizeof file) + Bytes(&info, sizeof info) + colours + pixels;
}

struct Case {
    std::string name;
    std::string bytes;
    SIZE picture{};        // the picture's size if the file loads; 0 x 0 for a file that must not load
    bool mayFail = false;  // damaged in a way a loader may or may not get over
};

// The signature and header chunk of a 150 x 40 PNG.
constexpr char kPngStart[] = "\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\x96\0\0\0\x28\x08\x02\0\0\0";

// Headers that claim 30000 x 30000 or 0 x 0, compressed and top-down rows, a PNG under a .bmp name, files cut
// short. Random header bytes are the native header check's to refuse.
std::vector<Case> BadSkinFiles() {
    const std::string rows(452 * 40, '\x40');  // 150 x 40 at 24 bits, rows padded to four bytes
    const std::string good = Bmp(150, 40, 24, BI_RGB, rows), end = std::string("\x00\x01", 2);
    std::string rle8;
    for (int y = 0; y < 40; ++y) rle8 += std::string("\x4b\x01\x4b\x00\x00\x00", 6);
    std::vector<Case> cases = {
        {"good 150 x 40", good, {150, 40}},
        {"top-down rows", Bmp(150, -40, 24, BI_RGB, rows), {150, 40}},
        {"RLE8", Bmp(150, 40, 8, BI_RLE8, rle8 + end, 2), {150, 40}},
        {"RLE8 runs past the end", Bmp(150, 40, 8, BI_RLE8, std::string(200, '\xff'), 2), {150, 40}, true},
        {"RLE4", Bmp(150, 40, 4, BI_RLE4, std::string("\x4b\x11\x4b\x10\x00\x00", 6) + end, 2), {150, 40}},
        {"78 bytes claiming 30000 x 30000 at 1 bit", Bmp(30000, 30000, 1, BI_RGB, std::string(16, '\x55'), 2)},
        {"30000 x -30000 header", Bmp(30000, -30000, 32, BI_RGB, std::string(64, '\0'))},
        {"0 x 0", Bmp(0, 0, 24, BI_RGB, "")},
        {"bit count 3", Bmp(150, 40, 3, BI_RGB, rows), {150, 40}, true},
        {"palette of 2^31 colours", Bmp(150, 40, 8, BI_RGB, std::string(6000, '\1'), 2, 0x80000000u), {150, 40}, true},
        {"PNG renamed .bmp", Bytes(kPngStart, sizeof kPngStart - 1)},
        {"empty file", ""},
        {"checkerboard 1000 x 1000", Bmp(1000, 1000, 1, BI_RGB, std::string(128000, '\x55'), 2), {1000, 1000}, true},
    };
    std::string offsetPastEnd = good;
    reinterpret_cast<BITMAPFILEHEADER*>(offsetPastEnd.data())->bfOffBits = 0x7FFFFFF0;
    cases.push_back({"pixel offset past the end", offsetPastEnd, {150, 40}, true});
    // A file too short for its header or pixels never loads.
    for (const std::size_t length : {2, 14, 30, 53, 54, 1000, 17000})
        cases.push_back({"cut at " + std::to_string(length) + " bytes", good.substr(0, length)});
    return cases;
}

// Bad files as background and time strip: loading, shaping and drawing them never crashes or hangs, never rewrites
// the stored choice, and gives the file's own picture or the built-in one, never one of a size no skin has. The
// scan of them all lists the good backgrounds, and nothing that is not a qualifying picture.
TEST_F(Skin, BadFilesGiveTheirPictureOrTheBuiltInOneAndOnlyGoodOnesAreListed) {
    const std::vector<Case> cases = BadSkinFiles();
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, CloseBoxes);
    clsDrawTime drawer;
    int surelyListed = 0;
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const Case& c = cases[i];
        const std::string name = std::to_string(i) + ".bmp";
        WriteSkinFile(name, c.bytes);
        SaveSetting(settings::BmpBack, name);
        SaveSetting(settings::BmpTime, name);
        LoadSkin();
        ASSERT_TRUE(skin.hBackDC() && skin.hTimeDC()) << c.name;
        const SIZE loaded{skin.width(), skin.height()};
        const bool own = c.picture.cx && loaded.cx == c.picture.cx && loaded.cy == c.picture.cy;
        const std::string gave = c.name + " gave " + std::to_string(loaded.cx) + " x " + std::to_string(loaded.cy);
        EXPECT_TRUE(((loaded.cx == 120 && loaded.cy == 38) || own) && IsBackgroundSize(loaded.cx, loaded.cy)) << gave;
        EXPECT_TRUE(own || c.mayFail || !c.picture.cx) << gave << ": a good file did not load";
        ShapeWindowFromBitmap(window, skin);
        drawer.PaintTimePos(skin.timeCorner());
        drawer.DrawTime(skin.hBackDC(), skin.hTimeDC(), "12:34:56");
        // Reading a file never rewrites the choice.
        EXPECT_EQ(ReadSettingText(settings::BmpBack) + ReadSettingText(settings::BmpTime), name + name) << c.name;
        surelyListed += !c.mayFail && IsBackgroundSize(c.picture.cx, c.picture.cy);
    }
    const SkinLists lists = ScanSkinFolder();
    KillTimer(nullptr, timer);
    EXPECT_GE(int(lists.backgrounds.size()), surelyListed);
    EXPECT_EQ(lists.timeStrips.size(), 0u);
    for (int i = 1; i <= int(lists.backgrounds.size()); ++i) {
        const std::string listed = GetRegValue(RegRoot::CurrentUser, keys::BackList, std::to_string(i)).AsText();
        const Case& c = cases.at(std::stoul(listed));
        EXPECT_TRUE(IsBackgroundSize(c.picture.cx, c.picture.cy)) << c.name << " is listed";
    }
}

}  // namespace
