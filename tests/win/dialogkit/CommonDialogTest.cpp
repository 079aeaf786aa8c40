#include <gtest/gtest.h>

#include <shlobj.h>

#include <string>

#include "dialogkit/clsCommonDialog.h"
#include "support/Recorders.h"

namespace {

OPENFILENAMEA askedFile;
std::string filterSeen;
const char* fileAnswer = nullptr;

BOOL AnswerFile(LPOPENFILENAMEA data) {
    askedFile = *data;
    const char* end = data->lpstrFilter;
    while (*end || end[1]) ++end;  // up to the empty string that ends the list
    filterSeen.assign(data->lpstrFilter, end);
    if (!fileAnswer) return FALSE;
    lstrcpynA(data->lpstrFile, fileAnswer, static_cast<int>(data->nMaxFile));
    return TRUE;
}

// The file picker is asked for one existing file, the way every caller needs it, and its answer read back.
TEST(CommonDialog, FilePickerAsksForOneExistingFileAndCancelGivesNothing) {
    ScopedSeams restore;
    seams.GetOpenFileNameA = AnswerFile;
    const HWND owner = reinterpret_cast<HWND>(0x1234);
    fileAnswer = "C:\\Sounds\\wake up.wav";
    EXPECT_EQ(clsCommonDialog().OpenDialog(owner, "*.wav"), "C:\\Sounds\\wake up.wav");
    EXPECT_EQ(askedFile.lStructSize, 76u);
    EXPECT_EQ(askedFile.hwndOwner, owner);
    EXPECT_EQ(filterSeen, std::string("*.wav\0*.wav", 11)) << "a pattern the picker can read to its end";
    EXPECT_EQ(askedFile.nMaxFile, 255u);
    EXPECT_STREQ(askedFile.lpstrTitle, "Choose a sound");
    EXPECT_EQ(askedFile.Flags, 0x1804u);
    EXPECT_EQ(askedFile.lpstrInitialDir, nullptr);

    fileAnswer = nullptr;
    EXPECT_EQ(clsCommonDialog().OpenDialog(owner, "*.exe"), "");
}

BROWSEINFOA askedFolder;
PIDLIST_ABSOLUTE AnswerFolder(LPBROWSEINFOA data) {
    askedFolder = *data;
    PIDLIST_ABSOLUTE chosen = nullptr;
    SHGetSpecialFolderLocation(nullptr, CSIDL_WINDOWS, &chosen);
    return chosen;
}

TEST(CommonDialog, FolderPickerGivesTheFileSystemPathOrNothing) {
    ScopedSeams restore;
    seams.SHBrowseForFolderA = AnswerFolder;
    char windows[MAX_PATH];
    GetWindowsDirectoryA(windows, MAX_PATH);
    EXPECT_STREQ(clsCommonDialog().BrowsCatalog(nullptr).c_str(), windows);
    EXPECT_STREQ(askedFolder.lpszTitle, "Please choose directory: ");
    EXPECT_EQ(askedFolder.pidlRoot, nullptr);
    EXPECT_EQ(askedFolder.ulFlags, 0u);

    seams.SHBrowseForFolderA = [](LPBROWSEINFOA) -> PIDLIST_ABSOLUTE { return nullptr; };
    EXPECT_EQ(clsCommonDialog().BrowsCatalog(nullptr), "");
}

}  // namespace
