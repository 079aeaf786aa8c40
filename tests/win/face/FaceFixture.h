#pragma once
// A plain popup window to shape and paint, and a registry that starts each test with no skin settings.
#include "face/frmRegion.h"
#include "settings/RegProcess.h"
#include "settings/SettingsKeys.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

class FaceFixture : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Loads the stored skin into the module state and the test window, as the clock does at start.
    void LoadSkin();
    // A fresh empty folder for skin files; removed after the test.
    const std::string& SkinFolder();
    void WriteFile(const std::string& name, const std::string& bytes, DWORD attributes = FILE_ATTRIBUTE_NORMAL);

    HWND window = nullptr;

private:
    void ForgetSkinSettings();
    std::string folder_;
};

// The bytes of an uncompressed 24-bit BMP of the given size, filled with one colour.
std::string SolidBmp(int width, int height, COLORREF colour);
