#include "../../../bench/win/BitmapFiles.h"
#include "../../../bench/win/PerPixelShape.h"
#include "../../../bench/win/SyntheticBackground.h"
#include "face/TimeLayout.h"
#include "face/clsDrawTime.h"
#include "face/frmRegion.h"
#include "settings/RegProcess.h"
#include "settings/SettingsKeys.h"
#include "support/CleanSettings.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>

namespace {

std::string WhiteBmp(int width, int height) { return CheckerboardBmp(width, height, 0); }

// A plain popup window to shape, a scratch skin folder, and the settings as they were after each test.
class Skin : public testing::Test {
protected:
    void TearDown() override {
        DestroyWindow(window);
        std::filesystem::remove_all(folder);
    }
    void LoadSkin() {
        LoadSkinBitmaps(window);
        CreateSkinDCs(window);
    }
    // Writes a file into the skin folder and stores the folder as "SkinPath".
    void WriteSkinFile(const std::string& name, const std::string& bytes, DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
        CreateDirectoryA(folder.c_str(), nullptr);
        SaveSetting(settings::SkinPath, folder);
        std::ofstream(folder + "\\" + name, std::ios::binary) << bytes;
        SetFileAttributesA((folder + "\\" + name).c_str(), attributes);
    }

    CleanSettings clean;
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

// Each place of the built-in time area at 5,7 shows its glyph from the strip, a one-digit hour a blank first.
TEST_F(Skin, BuiltInTimeAtFiveSevenShowsEachGlyphFromTheStrip) {
    LoadSkin();
    clsDrawTime drawer;
    drawer.PaintTimePos(hBackDC, SkinBitmap.bmWidth, SkinBitmap.bmHeight);
    constexpr int placeX[] = {0, 16, 32, 40, 56, 72, 80, 95}, width[] = {16, 16, 8, 16, 16, 8, 15, 16};
    const struct {
        const char* text;
        int sourceX[8];
    } cases[] = {{"9:05:07", {158, 135, 151, 0, 75, 151, 0, 105}}, {"21:05:07", {30, 15, 151, 0, 75, 151, 0, 105}}};
    for (const auto& c : cases) {
        drawer.DrawTime(hBackDC, hTimeDC, c.text);
        for (int place = 0; place < 8; ++place)
            for (int y = 0; y < GlyphHeight; ++y)
                for (int x = 0; x < width[place]; ++x)
                    ASSERT_EQ(GetPixel(hBackDC, 5 + placeX[place] + x, 7 + y),
                              GetPixel(hTimeDC, c.sourceX[place] + x, y))
                        << c.text << " place " << place + 1 << " at " << x << "," << y;
    }
}

// The outline and time place from one pixel read equal the per-pixel method's; no black keeps the place before.
TEST_F(Skin, RegionAndTimePlaceMatchThePerPixelMethod) {
    LoadSkin();
    const struct {
        const char* name;
        int width, height;
        COLORREF (*colourAt)(int, int);
    } cases[] = {
        {"built-in", SkinBitmap.bmWidth, SkinBitmap.bmHeight, nullptr},
        {"black areas with holes, top-left colour scattered", 200, 200,
         [](int x, int y) {
             const bool black = (x >= 10 && x < 80 && y >= 20 && y < 45) || (x >= 90 && y >= 120 && (x + y) % 4);
             return black ? 0 : (x * 7 + y * 3) % 11 ? RGB(60 + x / 2, 60, 200 - y / 2) : RGB(60, 60, 200);
         }},
        {"one colour", 130, 30, [](int, int) { return RGB(1, 2, 3); }},
    };
    clsDrawTime drawer;
    POINT expected{};
    for (const auto& c : cases) {
        const SkinDC synthetic = c.colourAt ? SyntheticBackground(c.width, c.height, c.colourAt) : SkinDC();
        const HDC background = c.colourAt ? synthetic.get() : hBackDC.get();
        ShapeWindowFromBitmap(window, background, c.width, c.height);
        GdiRegion fast(CreateRectRgn(0, 0, 0, 0)), slow(PerPixelRegion(background, c.width, c.height));
        const bool shaped = GetWindowRgn(window, fast) != ERROR;
        EXPECT_TRUE(slow ? shaped && EqualRgn(fast, slow) : !shaped) << c.name;

        drawer.PaintTimePos(background, c.width, c.height);
        expected = PerPixelTimePos(background, c.width, c.height).value_or(expected);
        EXPECT_EQ(drawer.ReLeft(), expected.x) << c.name;
        EXPECT_EQ(drawer.ReTop(), expected.y) << c.name;
    }
}

// Hidden (and system) files count as missing and a broken one costs one message: each gives the built-in
// background. Whatever an apply replaced is freed.
TEST_F(Skin, OnlyGoodVisibleFilesLoadAndReplacedOnesAreFreed) {
    WriteSkinFile("wide.bmp", WhiteBmp(150, 40));
    WriteSkinFile("hidden.bmp", WhiteBmp(150, 40), FILE_ATTRIBUTE_HIDDEN);
    WriteSkinFile("broken.bmp", "BM this is not a picture");
    shownBoxes.clear();
    std::vector<HGDIOBJ> replaced;
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, CloseBoxes);
    for (const std::string name : {"wide.bmp", "hidden.bmp", "wide.bmp", "broken.bmp"}) {
        replaced.insert(replaced.end(), {hBackDC.get(), hBackDC.bitmap(), hTimeDC.get(), hTimeDC.bitmap()});
        SaveSetting(settings::BmpBack, name);
        LoadSkin();
        EXPECT_EQ(SkinBitmap.bmWidth, name == "wide.bmp" ? 150 : 120) << name;
    }
    KillTimer(nullptr, timer);
    EXPECT_EQ(shownBoxes, std::vector<std::string>{"Unknown picture format|Unknown picture format, Single shot the "
                                                   "\r\n button neglect this mistake."});
    for (HGDIOBJ object : replaced) EXPECT_EQ(GetObjectType(object), 0u) << object;
}

// `bytes` with the four bytes at `at` replaced by `value`, little-endian as in the file.
std::string With(std::string bytes, std::size_t at, std::uint32_t value) {
    return bytes.replace(at, 4, reinterpret_cast<const char*>(&value), 4);
}

// A header whose size the file cannot hold, pictures whose pixels the file lacks, and outlines too fine to show
// in time: each is refused with the message and the built-in background, and nothing escapes the loader.
TEST_F(Skin, BrokenHugeOrTooFineBackgroundsAreRefusedWithoutEndingTheClock) {
    const std::string good = WhiteBmp(150, 40);
    const std::string claims30000 =
        With(With(With(CheckerboardBmp(16, 16, 16).substr(0, 78), 18, 30000), 22, 30000), 2, 78);
    const struct {
        const char* name;
        std::string bytes;
        bool loads;
    } cases[] = {
        {"78 bytes claiming 30000 x 30000", claims30000, false},
        {"pixels cut short", good.substr(0, good.size() - 100), false},
        {"empty file", "", false},
        {"200 x 200 checkerboard", CheckerboardBmp(200, 200, 200), false},
        {"1000 x 1000 checkerboard", CheckerboardBmp(1000, 1000, 1000), false},
        {"200 x 200, 39 rows checkered", CheckerboardBmp(200, 200, 39), true},
    };
    shownBoxes.clear();
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, CloseBoxes);
    for (const auto& c : cases) {
        WriteSkinFile("skin.bmp", c.bytes);
        SaveSetting(settings::BmpBack, "skin.bmp");
        const std::size_t boxesBefore = shownBoxes.size();
        LoadSkin();
        ShapeWindowFromBitmap(window, hBackDC, SkinBitmap.bmWidth, SkinBitmap.bmHeight);
        clsDrawTime().PaintTimePos(hBackDC, SkinBitmap.bmWidth, SkinBitmap.bmHeight);
        EXPECT_EQ(shownBoxes.size() - boxesBefore, c.loads ? 0u : 1u) << c.name;
        EXPECT_EQ(SkinBitmap.bmWidth, c.loads ? c.name[0] == '2' ? 200 : 150 : 120) << c.name;
    }
    KillTimer(nullptr, timer);
}

TEST_F(Skin, RandomPickStoresAListedFileAndItsIndex) {
    for (const char* name : {"a.bmp", "b.bmp", "c.bmp"}) WriteSkinFile(name, WhiteBmp(130, 30));
    WriteSkinFile("digits.bmp", WhiteBmp(180, 25));
    std::set<std::string> picked;
    for (int i = 0; i < 60; ++i) {
        PickRandomBackSkin();
        const std::string index = std::to_string(ReadSettingNumber(settings::SelBackBmp).value_or(0));
        EXPECT_EQ(ReadSettingText(settings::BmpBack),
                  GetRegValue(RegRoot::CurrentUser, keys::BackList, index).AsText());
        picked.insert(ReadSettingText(settings::BmpBack));
    }
    EXPECT_EQ(picked, (std::set<std::string>{"a.bmp", "b.bmp", "c.bmp"}));
    PickRandomTimeSkin();
    EXPECT_EQ(ReadSettingText(settings::BmpTime), "digits.bmp");
}

}  // namespace
