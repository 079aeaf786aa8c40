#pragma once
// A plain popup window to shape, a scratch skin folder, and no skin settings at the start of each test.
#include "face/frmRegion.h"
#include "settings/RegProcess.h"
#include "settings/SettingsKeys.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <string>
#include <vector>

class FaceFixture : public testing::Test {
protected:
    void SetUp() override {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "FaceTestWindow";
        RegisterClassA(&windowClass);
        window = CreateWindowExA(0, "FaceTestWindow", "face", WS_POPUP, 0, 0, 200, 200, nullptr, nullptr,
                                 windowClass.hInstance, nullptr);
        ASSERT_NE(window, nullptr);
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        folder = std::string(temp) + "face-skins-" + std::to_string(GetCurrentProcessId());
        ForgetSkinSettings();
    }
    void TearDown() override {
        DestroyWindow(window);
        for (const std::string& path : written_) {
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA(path.c_str());
        }
        RemoveDirectoryA(folder.c_str());
        ForgetSkinSettings();
    }
    // Loads the stored skin into the module state, as the clock does at start.
    void LoadSkin() {
        LoadSkinBitmaps(window);
        CreateSkinDCs(window);
    }
    // Writes a file into the skin folder and stores the folder as "SkinPath".
    void WriteSkinFile(const std::string& name, const std::string& bytes, DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
        CreateDirectoryA(folder.c_str(), nullptr);
        SaveSetting(settings::SkinPath, folder);
        const std::string path = folder + "\\" + name;
        std::ofstream(path, std::ios::binary) << bytes;
        SetFileAttributesA(path.c_str(), attributes);
        written_.push_back(path);
    }

    HWND window = nullptr;
    std::string folder;

private:
    static void ForgetSkinSettings() {
        for (const Setting* setting : {&settings::SkinPath, &settings::BmpBack, &settings::BmpTime,
                                       &settings::SelBackBmp, &settings::SelTimeBmp})
            DeleteSetting(*setting);
        DeleteRegKey(RegRoot::CurrentUser, keys::ClockSkin, "BlackFile");
        DeleteRegKey(RegRoot::CurrentUser, keys::ClockSkin, "TimeFile");
    }
    std::vector<std::string> written_;
};

// The bytes of an uncompressed 32-bit BMP of the given size in one colour.
inline std::string SolidBmp(int width, int height, COLORREF colour) {
    const DWORD pixels = static_cast<DWORD>(width * height * 4);
    const DWORD offset = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    const BITMAPFILEHEADER file{0x4D42, offset + pixels, 0, 0, offset};
    const BITMAPINFOHEADER info{sizeof info, width, height, 1, 32, BI_RGB, pixels, 0, 0, 0, 0};
    const DWORD bgr = (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
    std::string bytes(reinterpret_cast<const char*>(&file), sizeof file);
    bytes.append(reinterpret_cast<const char*>(&info), sizeof info);
    for (int i = 0; i < width * height; ++i) bytes.append(reinterpret_cast<const char*>(&bgr), 4);
    return bytes;
}
