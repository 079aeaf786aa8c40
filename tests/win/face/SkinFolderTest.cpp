#include "face/FaceFixture.h"

#include <set>
#include <tuple>

namespace {

// Closes each message box from a thread timer, which its modal loop runs, and keeps caption and text.
std::vector<std::string> shownBoxes;

BOOL CALLBACK CloseBox(HWND hwnd, LPARAM) {
    char name[16] = {}, caption[128] = {}, text[256] = {};
    GetClassNameA(hwnd, name, sizeof name);
    if (std::string(name) != "#32770" || !IsWindowVisible(hwnd)) return TRUE;
    GetWindowTextA(hwnd, caption, sizeof caption);
    GetDlgItemTextA(hwnd, 0xFFFF, text, sizeof text);
    shownBoxes.push_back(std::string(caption) + "|" + text);
    ShowWindow(hwnd, SW_HIDE);
    EndDialog(hwnd, IDOK);
    return TRUE;
}

void CALLBACK CloseBoxes(HWND, UINT, UINT_PTR, DWORD) { EnumThreadWindows(GetCurrentThreadId(), CloseBox, 0); }

class SkinFiles : public FaceFixture {
protected:
    void SetUp() override {
        FaceFixture::SetUp();
        shownBoxes.clear();
        timer_ = SetTimer(nullptr, 0, 20, CloseBoxes);
    }
    void TearDown() override {
        KillTimer(nullptr, timer_);
        FaceFixture::TearDown();
    }
    std::set<std::string> Listed(std::string_view listKey, int count) {
        std::set<std::string> names;
        for (int i = 1; i <= count; ++i)
            names.insert(GetRegValue(RegRoot::CurrentUser, listKey, std::to_string(i)).AsText());
        return names;
    }

private:
    UINT_PTR timer_ = 0;
};

// A file that is there but is no bitmap costs one message per file and load, then the built-in picture.
TEST_F(SkinFiles, BrokenFileShowsTheMessageOnceAndFallsBack) {
    WriteSkinFile("broken.bmp", "BM this is not a picture");
    WriteSkinFile("strip.bmp", SolidBmp(180, 25, RGB(40, 50, 60)));
    SaveSetting(settings::BmpBack, "broken.bmp");
    SaveSetting(settings::BmpTime, "strip.bmp");
    LoadSkin();
    ASSERT_EQ(shownBoxes, std::vector<std::string>{"Unknown picture format|Unknown picture format, Single shot the "
                                                   "\r\n button neglect this mistake."});
    EXPECT_EQ(SkinBitmap.bmWidth, 120);
    EXPECT_EQ(GetPixel(hTimeDC, 7, 7), RGB(40, 50, 60));
    EXPECT_EQ(ReadSettingText(settings::BmpBack), "broken.bmp");
    SaveSetting(settings::BmpTime, "broken.bmp");
    LoadSkin();
    EXPECT_EQ(shownBoxes.size(), 3u);
}

// Good files load; missing, hidden and system files, and "Default" give the built-in one silently.
TEST_F(SkinFiles, OnlyVisibleBitmapFilesLoad) {
    WriteSkinFile("wide.bmp", SolidBmp(150, 40, RGB(10, 20, 30)));
    WriteSkinFile("hidden.bmp", SolidBmp(150, 40, RGB(10, 20, 30)), FILE_ATTRIBUTE_HIDDEN);
    WriteSkinFile("system.bmp", SolidBmp(150, 40, RGB(10, 20, 30)), FILE_ATTRIBUTE_SYSTEM);
    for (const char* name : {"wide.bmp", "hidden.bmp", "system.bmp", "Default", "absent.bmp", ""}) {
        SaveSetting(settings::BmpBack, name);
        LoadSkin();
        const bool loaded = std::string(name) == "wide.bmp";
        EXPECT_EQ(SkinBitmap.bmWidth, loaded ? 150 : 120) << name;
        EXPECT_EQ(GetPixel(hBackDC, 7, 7) == RGB(10, 20, 30), loaded) << name;
    }
    EXPECT_TRUE(shownBoxes.empty());
}

TEST_F(SkinFiles, ScanListsBitmapsBySizeHiddenOnesIncluded) {
    for (const auto& [name, width, height] : {std::tuple{"wide.bmp", 150, 40},
                                              {"strip.bmp", 180, 25},
                                              {"tall strip.bmp", 180, 26},
                                              {"tiny.bmp", 100, 100},
                                              {"broad.bmp", 201, 50},
                                              {"notes.txt", 150, 40}})
        WriteSkinFile(name, SolidBmp(width, height, RGB(1, 2, 3)));
    WriteSkinFile("secret.bmp", SolidBmp(110, 26, RGB(1, 2, 3)), FILE_ATTRIBUTE_HIDDEN);
    WriteSkinFile("junk.bmp", "not a bitmap at all");
    SaveRegValue(RegRoot::CurrentUser, keys::TimeList, "2", RegType::Text, "stale.bmp");
    for (int scan = 1; scan <= 2; ++scan) {
        ScanSkinFolder();
        EXPECT_EQ(Listed(keys::BackList, BackSkinCount),
                  (std::set<std::string>{"wide.bmp", "tall strip.bmp", "secret.bmp"}))
            << "scan " << scan;
        EXPECT_EQ(Listed(keys::TimeList, TimeSkinCount), std::set<std::string>{"strip.bmp"}) << "scan " << scan;
    }
    EXPECT_EQ(BackSkinCount, 3);
    EXPECT_EQ(GetRegValue(RegRoot::CurrentUser, keys::BackList, "4").kind(), RegValue::Kind::NoValue);
    EXPECT_EQ(GetRegValue(RegRoot::CurrentUser, keys::TimeList, "2").AsText(), "stale.bmp");
}

TEST_F(SkinFiles, RandomPickStoresAListedFileAndItsIndex) {
    SaveSetting(settings::SkinPath, folder);
    PickRandomBackSkin();
    EXPECT_EQ(ReadSettingText(settings::BmpBack), "") << "an empty list";
    EXPECT_EQ(ReadSettingNumber(settings::SelBackBmp), 1) << "an empty list";

    for (const char* name : {"a.bmp", "b.bmp", "c.bmp"}) WriteSkinFile(name, SolidBmp(130, 30, RGB(1, 2, 3)));
    WriteSkinFile("digits.bmp", SolidBmp(180, 25, RGB(1, 2, 3)));
    std::set<std::string> picked;
    for (int i = 0; i < 30; ++i) {
        PickRandomBackSkin();
        const std::string index = std::to_string(ReadSettingNumber(settings::SelBackBmp).value_or(0));
        picked.insert(ReadSettingText(settings::BmpBack));
        EXPECT_EQ(ReadSettingText(settings::BmpBack),
                  GetRegValue(RegRoot::CurrentUser, keys::BackList, index).AsText());
    }
    EXPECT_GT(picked.size(), 1u);
    EXPECT_FALSE(picked.count("digits.bmp"));
    PickRandomTimeSkin();
    EXPECT_EQ(ReadSettingText(settings::BmpTime), "digits.bmp");
    EXPECT_EQ(ReadSettingNumber(settings::SelTimeBmp), 1);
}

}  // namespace
