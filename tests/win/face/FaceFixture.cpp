#include "face/FaceFixture.h"

#include <fstream>
#include <vector>

namespace {

LRESULT CALLBACK PlainProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

constexpr char ClassName[] = "FaceTestWindow";

void RegisterOnce() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = PlainProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = ClassName;
    RegisterClassA(&windowClass);
}

void RemoveTree(const std::string& folder) {
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string path = folder + "\\" + found.cFileName;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA(path.c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
}

}  // namespace

void FaceFixture::SetUp() {
    RegisterOnce();
    ForgetSkinSettings();
    window = CreateWindowExA(0, ClassName, "face", WS_POPUP, 0, 0, 200, 200, nullptr, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
}

void FaceFixture::TearDown() {
    if (window) DestroyWindow(window);
    if (!folder_.empty()) RemoveTree(folder_);
    ForgetSkinSettings();
}

void FaceFixture::ForgetSkinSettings() {
    for (const Setting* setting :
         {&settings::SkinPath, &settings::BmpBack, &settings::BmpTime, &settings::SelBackBmp, &settings::SelTimeBmp})
        DeleteSetting(*setting);
    DeleteRegKey(RegRoot::CurrentUser, keys::ClockSkin, "BlackFile");
    DeleteRegKey(RegRoot::CurrentUser, keys::ClockSkin, "TimeFile");
}

void FaceFixture::LoadSkin() {
    LoadSkinBitmaps(window);
    CreateSkinDCs(window);
}

const std::string& FaceFixture::SkinFolder() {
    if (folder_.empty()) {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        folder_ = std::string(temp) + "face-skins-" + std::to_string(GetCurrentProcessId()) + "-" +
                  std::to_string(GetTickCount());
        CreateDirectoryA(folder_.c_str(), nullptr);
        SaveSetting(settings::SkinPath, folder_);
    }
    return folder_;
}

void FaceFixture::WriteFile(const std::string& name, const std::string& bytes, DWORD attributes) {
    const std::string path = SkinFolder() + "\\" + name;
    {
        std::ofstream out(path, std::ios::binary);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    SetFileAttributesA(path.c_str(), attributes);
}

std::string SolidBmp(int width, int height, COLORREF colour) {
    const int stride = (width * 3 + 3) & ~3;
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biSizeImage = static_cast<DWORD>(stride * height);
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + info.biSizeImage;
    std::string bytes(reinterpret_cast<const char*>(&file), sizeof file);
    bytes.append(reinterpret_cast<const char*>(&info), sizeof info);
    std::string row(static_cast<std::size_t>(stride), '\0');
    for (int x = 0; x < width; ++x) {
        row[x * 3] = static_cast<char>(GetBValue(colour));
        row[x * 3 + 1] = static_cast<char>(GetGValue(colour));
        row[x * 3 + 2] = static_cast<char>(GetRValue(colour));
    }
    for (int y = 0; y < height; ++y) bytes += row;
    return bytes;
}
