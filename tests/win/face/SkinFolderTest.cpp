#include "face/FaceFixture.h"

#include <atomic>
#include <set>
#include <thread>
#include <vector>

namespace {

// Closes every message box this thread shows and keeps its caption and text.
class MessageBoxCatcher {
public:
    MessageBoxCatcher() {
        current_ = this;
        hook_ = SetWindowsHookExA(WH_CBT, OnCbt, nullptr, GetCurrentThreadId());
        // Should the hook miss a box, this presses OK after a while so the test fails instead of hanging.
        watchdog_ = std::thread([this, thread = GetCurrentThreadId()] {
            for (int i = 0; i < 100 && !done_; ++i) {
                Sleep(50);
                if (i % 20 != 19) continue;
                EnumThreadWindows(thread, PressOk, 0);
            }
        });
    }
    MessageBoxCatcher(const MessageBoxCatcher&) = delete;
    MessageBoxCatcher& operator=(const MessageBoxCatcher&) = delete;
    ~MessageBoxCatcher() {
        done_ = true;
        watchdog_.join();
        UnhookWindowsHookEx(hook_);
        current_ = nullptr;
    }
    struct Shown {
        std::string caption;
        std::string text;
    };
    std::vector<Shown> shown;

private:
    static bool IsDialog(HWND hwnd) {
        char name[16] = {};
        GetClassNameA(hwnd, name, sizeof name);
        return std::string(name) == "#32770";
    }
    static BOOL CALLBACK PressOk(HWND hwnd, LPARAM) {
        if (IsDialog(hwnd)) PostMessageA(hwnd, WM_COMMAND, IDOK, 0);
        return TRUE;
    }
    static LRESULT CALLBACK OnCbt(int code, WPARAM wParam, LPARAM lParam) {
        if (code == HCBT_ACTIVATE && current_) {
            const auto box = reinterpret_cast<HWND>(wParam);
            if (IsDialog(box)) {
                char caption[256] = {}, text[512] = {};
                GetWindowTextA(box, caption, sizeof caption);
                GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
                current_->shown.push_back({caption, text});
                PostMessageA(box, WM_COMMAND, IDOK, 0);
            }
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static inline MessageBoxCatcher* current_ = nullptr;
    HHOOK hook_ = nullptr;
    std::atomic<bool> done_{false};
    std::thread watchdog_;
};

std::set<std::string> ListedNames(std::string_view listKey, int count) {
    std::set<std::string> names;
    for (int i = 1; i <= count; ++i)
        names.insert(GetRegValue(RegRoot::CurrentUser, listKey, std::to_string(i)).AsText());
    return names;
}

using SkinFiles = FaceFixture;

TEST_F(SkinFiles, LoadsTheStoredFilesBySize) {
    WriteFile("wide.bmp", SolidBmp(150, 40, RGB(10, 20, 30)));
    WriteFile("strip.bmp", SolidBmp(180, 25, RGB(40, 50, 60)));
    SaveSetting(settings::BmpBack, "wide.bmp");
    SaveSetting(settings::BmpTime, "strip.bmp");
    MessageBoxCatcher boxes;
    LoadSkin();
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(SkinBitmap.bmWidth, 150);
    EXPECT_EQ(SkinBitmap.bmHeight, 40);
    EXPECT_EQ(GetPixel(hBackDC, 7, 7), RGB(10, 20, 30));
    EXPECT_EQ(GetPixel(hTimeDC, 7, 7), RGB(40, 50, 60));
}

// A file that is there but no bitmap costs one message per file, then the built-in picture.
TEST_F(SkinFiles, BrokenFileShowsTheMessageOnceAndFallsBack) {
    WriteFile("broken.bmp", "BM this is not a picture");
    WriteFile("strip.bmp", SolidBmp(180, 25, RGB(40, 50, 60)));
    SaveSetting(settings::BmpBack, "broken.bmp");
    SaveSetting(settings::BmpTime, "strip.bmp");
    {
        MessageBoxCatcher boxes;
        LoadSkin();
        ASSERT_EQ(boxes.shown.size(), 1u);
        EXPECT_EQ(boxes.shown[0].caption, "Unknown picture format");
        EXPECT_EQ(boxes.shown[0].text, "Unknown picture format, Single shot the \r\n button neglect this mistake.");
    }
    EXPECT_EQ(SkinBitmap.bmWidth, 120);
    EXPECT_EQ(SkinBitmap.bmHeight, 38);
    EXPECT_EQ(GetPixel(hTimeDC, 7, 7), RGB(40, 50, 60));
    EXPECT_EQ(ReadSettingText(settings::BmpBack), "broken.bmp");

    SaveSetting(settings::BmpTime, "broken.bmp");
    MessageBoxCatcher boxes;
    LoadSkin();
    EXPECT_EQ(boxes.shown.size(), 2u);
}

// Missing, hidden and system files, folders and the built-in "Default" fall back silently.
TEST_F(SkinFiles, UnusableFilesFallBackWithoutAMessage) {
    WriteFile("hidden.bmp", SolidBmp(150, 40, RGB(10, 20, 30)), FILE_ATTRIBUTE_HIDDEN);
    WriteFile("system.bmp", SolidBmp(150, 40, RGB(10, 20, 30)), FILE_ATTRIBUTE_SYSTEM);
    CreateDirectoryA((SkinFolder() + "\\folder.bmp").c_str(), nullptr);
    for (const char* name : {"hidden.bmp", "system.bmp", "folder.bmp", "Default", "absent.bmp", ""}) {
        SaveSetting(settings::BmpBack, name);
        MessageBoxCatcher boxes;
        LoadSkin();
        EXPECT_TRUE(boxes.shown.empty()) << name;
        EXPECT_EQ(SkinBitmap.bmWidth, 120) << name;
    }
    RemoveDirectoryA((SkinFolder() + "\\folder.bmp").c_str());
}

TEST_F(SkinFiles, ScanListsBitmapsBySizeHiddenOnesIncluded) {
    WriteFile("wide.bmp", SolidBmp(150, 40, RGB(1, 2, 3)));
    WriteFile("strip.bmp", SolidBmp(180, 25, RGB(1, 2, 3)));
    WriteFile("tall strip.bmp", SolidBmp(180, 26, RGB(1, 2, 3)));
    WriteFile("secret.bmp", SolidBmp(110, 26, RGB(1, 2, 3)), FILE_ATTRIBUTE_HIDDEN);
    WriteFile("tiny.bmp", SolidBmp(100, 100, RGB(1, 2, 3)));
    WriteFile("broad.bmp", SolidBmp(201, 50, RGB(1, 2, 3)));
    WriteFile("junk.bmp", "not a bitmap at all");
    WriteFile("notes.txt", SolidBmp(150, 40, RGB(1, 2, 3)));
    // A value from an earlier, longer list stays behind and is ignored.
    SaveRegValue(RegRoot::CurrentUser, keys::TimeList, "2", RegType::Text, "stale.bmp");

    for (int scan = 0; scan < 2; ++scan) {
        ScanSkinFolder();
        EXPECT_EQ(BackSkinCount, 3);
        EXPECT_EQ(TimeSkinCount, 1);
        EXPECT_EQ(ListedNames(keys::BackList, BackSkinCount),
                  (std::set<std::string>{"wide.bmp", "tall strip.bmp", "secret.bmp"}));
        EXPECT_EQ(ListedNames(keys::TimeList, TimeSkinCount), (std::set<std::string>{"strip.bmp"}));
        EXPECT_EQ(GetRegValue(RegRoot::CurrentUser, keys::BackList, "4").kind(), RegValue::Kind::NoValue);
    }
    EXPECT_EQ(GetRegValue(RegRoot::CurrentUser, keys::TimeList, "2").AsText(), "stale.bmp");
}

TEST_F(SkinFiles, RandomPickStoresAListedFileAndItsIndex) {
    for (const char* name : {"a.bmp", "b.bmp", "c.bmp"}) WriteFile(name, SolidBmp(130, 30, RGB(1, 2, 3)));
    WriteFile("digits.bmp", SolidBmp(180, 25, RGB(1, 2, 3)));
    std::set<std::string> picked;
    for (int i = 0; i < 30; ++i) {
        PickRandomBackSkin();
        const auto index = ReadSettingNumber(settings::SelBackBmp);
        ASSERT_TRUE(index.has_value());
        const std::string name = ReadSettingText(settings::BmpBack);
        EXPECT_EQ(name, GetRegValue(RegRoot::CurrentUser, keys::BackList, std::to_string(*index)).AsText());
        picked.insert(name);
    }
    EXPECT_GT(picked.size(), 1u);
    EXPECT_TRUE(picked.count("a.bmp") + picked.count("b.bmp") + picked.count("c.bmp") == picked.size());

    PickRandomTimeSkin();
    EXPECT_EQ(ReadSettingText(settings::BmpTime), "digits.bmp");
    EXPECT_EQ(ReadSettingNumber(settings::SelTimeBmp), 1);
}

TEST_F(SkinFiles, RandomPickFromAnEmptyFolderGivesTheBuiltInSkin) {
    SkinFolder();
    PickRandomBackSkin();
    EXPECT_EQ(ReadSettingText(settings::BmpBack), "");
    EXPECT_EQ(ReadSettingNumber(settings::SelBackBmp), 1);
    MessageBoxCatcher boxes;
    LoadSkin();
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(SkinBitmap.bmWidth, 120);
}

}  // namespace
