#include <gtest/gtest.h>

#include <string>

#include "dialogkit/clsCommonDialog.h"
#include "support/Recorders.h"

namespace {

std::string filterSeen;
DWORD flagsSeen = 0;

// The file picker is asked for one existing file with a pattern it can read to its end; a Cancel in either
// picker gives nothing, whatever the picker left in its buffer.
TEST(CommonDialog, FilePickerAsksForOneExistingFileAndACancelGivesNothing) {
    ScopedSeams restore;
    seams.GetOpenFileNameA = [](LPOPENFILENAMEA data) -> BOOL {
        const char* end = data->lpstrFilter;
        while (*end || end[1]) ++end;  // up to the empty string that ends the list
        filterSeen.assign(data->lpstrFilter, end), flagsSeen = data->Flags;
        lstrcpynA(data->lpstrFile, "C:\\Sounds\\wake up.wav", static_cast<int>(data->nMaxFile));
        return filterSeen.starts_with("*.wav");
    };
    EXPECT_EQ(clsCommonDialog().OpenDialog(nullptr, "*.wav"), "C:\\Sounds\\wake up.wav");
    EXPECT_EQ(filterSeen, std::string("*.wav\0*.wav", 11));
    EXPECT_EQ(flagsSeen, DWORD{OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY});
    EXPECT_EQ(clsCommonDialog().OpenDialog(nullptr, "*.exe"), "");

    seams.SHBrowseForFolderA = [](LPBROWSEINFOA) -> PIDLIST_ABSOLUTE { return nullptr; };
    EXPECT_EQ(clsCommonDialog().BrowsCatalog(nullptr), "");
}

}  // namespace
