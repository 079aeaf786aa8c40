// Bad skin files: headers that claim 30000 x 30000 or 0 x 0, compressed and top-down rows, a PNG under a .bmp
// name, files cut short or with bytes changed at random. Loading, shaping and listing them never crashes or
// hangs, never rewrites the stored choice, and gives either the file's own picture or the built-in one, and
// never a background of a size no skin has.
#include "face/SkinRules.h"
#include "face/clsDrawTime.h"
#include "face/frmRegion.h"
#include "settings/RegProcess.h"
#include "settings/SettingsKeys.h"
#include "support/CleanSettings.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <string>

namespace {

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

std::vector<Case> BadSkinFiles() {
    const std::string rows(452 * 40, '\x40');  // 150 x 40 at 24 bits, rows padded to four bytes
    const std::string good = Bmp(150, 40, 24, BI_RGB, rows);
    const std::string rle8 = std::string("\x4b\x01\x4b\x00\x00\x00", 6), end = std::string("\x00\x01", 2);
    std::vector<Case> cases = {
        {"good 150 x 40", good, {150, 40}},
        {"top-down rows", Bmp(150, -40, 24, BI_RGB, rows), {150, 40}},
        {"RLE8",
         Bmp(
             150, 40, 8, BI_RLE8,
             [&] {
                 std::string r;
                 for (int y = 0; y < 40; ++y) r += rle8;
                 return r + end;
             }(),
             2),
         {150, 40}},
        {"RLE8 runs past the end", Bmp(150, 40, 8, BI_RLE8, std::string(200, '\xff'), 2), {150, 40}, true},
        {"RLE4", Bmp(150, 40, 4, BI_RLE4, std::string("\x4b\x11\x4b\x10\x00\x00", 6) + end, 2), {150, 40}},
        {"30000 x 30000 header, no pixels", Bmp(30000, 30000, 24, BI_RGB, "")},
        {"30000 x 30000 header, 1 bit", Bmp(30000, 30000, 1, BI_RGB, std::string(4096, '\x55'), 2)},
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
    // Cut short: in the file header nothing loads; past the size fields a loader may read zeros for the rest.
    for (const std::size_t length : {2u, 14u, 30u, 53u, 54u, 1000u, 17000u})
        cases.push_back({"cut at " + std::to_string(length) + " bytes", good.substr(0, length),
                         length < 30 ? SIZE{} : SIZE{150, 40}, true});
    std::mt19937 random(13);
    for (int i = 0; i < 40; ++i) {
        std::string changed = good;
        for (int n = 0; n <= i % 4; ++n) changed[random() % 54] = char(random());
        BITMAPINFOHEADER info;
        std::memcpy(&info, changed.data() + sizeof(BITMAPFILEHEADER), sizeof info);
        cases.push_back(
            {"header bytes changed " + std::to_string(i), changed, {info.biWidth, std::abs(info.biHeight)}, true});
    }
    return cases;
}

class SkinFuzz : public testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(folder);
        SaveSetting(settings::SkinPath, folder);
        SaveSetting(settings::BmpTime, "");
    }
    void TearDown() override {
        DestroyWindow(window);
        std::filesystem::remove_all(folder);
    }

    const CleanSettings clean;
    const HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 200, 200, nullptr, nullptr, nullptr, nullptr);
    const std::string folder = (std::filesystem::temp_directory_path() / "fuzz-skins").string();
};

// The loader's message box for a file it cannot read; closed by a thread timer, which its modal loop runs.
void CALLBACK CloseBoxes(HWND, UINT, UINT_PTR, DWORD) {
    if (const HWND box = FindWindowA("#32770", nullptr); box && IsWindowVisible(box)) EndDialog(box, IDOK);
}

TEST_F(SkinFuzz, BadFilesGiveTheirPictureOrTheBuiltInOne) {
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, CloseBoxes);
    clsDrawTime drawer;
    for (const Case& c : BadSkinFiles()) {
        const std::string name = "skin.bmp";
        std::ofstream(folder + "\\" + name, std::ios::binary | std::ios::trunc) << c.bytes;
        SaveSetting(settings::BmpBack, name);
        SaveSetting(settings::BmpTime, name);

        LoadSkinBitmaps(window);
        CreateSkinDCs(window);
        ASSERT_TRUE(hBackDC && hTimeDC) << c.name;
        const SIZE loaded{SkinBitmap.bmWidth, SkinBitmap.bmHeight};
        const bool builtIn = loaded.cx == 120 && loaded.cy == 38;
        const bool own = c.picture.cx && loaded.cx == c.picture.cx && loaded.cy == c.picture.cy;
        EXPECT_TRUE(builtIn || own) << c.name << " gave " << loaded.cx << " x " << loaded.cy;
        EXPECT_TRUE(IsBackgroundSize(loaded.cx, loaded.cy)) << c.name << " gave " << loaded.cx << " x " << loaded.cy;
        if (!c.mayFail && c.picture.cx) {
            EXPECT_TRUE(own) << c.name << " did not load";
        }
        ShapeWindowFromBitmap(window, hBackDC, loaded.cx, loaded.cy);
        drawer.PaintTimePos(hBackDC, loaded.cx, loaded.cy);
        drawer.DrawTime(hBackDC, hTimeDC, "12:34:56");
        // Reading a file never rewrites the choice.
        EXPECT_EQ(ReadSettingText(settings::BmpBack) + ReadSettingText(settings::BmpTime), name + name) << c.name;
    }
    KillTimer(nullptr, timer);
}

// Every file in one folder: the scan lists the good backgrounds, and nothing that is not a qualifying picture.
TEST_F(SkinFuzz, ScanListsOnlyQualifyingPictures) {
    const std::vector<Case> cases = BadSkinFiles();
    int surelyListed = 0;
    for (std::size_t i = 0; i < cases.size(); ++i) {
        std::ofstream(folder + "\\" + std::to_string(i) + ".bmp", std::ios::binary) << cases[i].bytes;
        surelyListed += !cases[i].mayFail && IsBackgroundSize(cases[i].picture.cx, cases[i].picture.cy);
    }
    ScanSkinFolder();
    EXPECT_GE(BackSkinCount, surelyListed);
    EXPECT_EQ(TimeSkinCount, 0);
    for (int i = 1; i <= BackSkinCount; ++i) {
        const std::string listed = GetRegValue(RegRoot::CurrentUser, keys::BackList, std::to_string(i)).AsText();
        const Case& c = cases.at(std::stoul(listed));
        EXPECT_TRUE(IsBackgroundSize(c.picture.cx, c.picture.cy)) << c.name << " is listed";
    }
}

}  // namespace
