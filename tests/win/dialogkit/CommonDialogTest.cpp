#include <gtest/gtest.h>

#include <string>

#include "dialogkit/clsCommonDialog.h"
#include "support/Recorders.h"

namespace {

std::string asked;  // the filter up to the empty string that ends it, and the flags

// The file picker is asked for one existing file with a pattern it can read to its end; a Cancel in either
// picker gives nothing, whatever the picker left in its buffer.
TEST(CommonDialog, FilePickerAsksForOneExistingFileAndACancelGivesNothing) {
    ScopedSeams restore;
    seams.GetOpenFileNameA = [](LPOPENFILENAMEA data) -> BOOL {
        const char* end = data->lpstrFilter;
        while (*end || end[1]) ++end;
        asked = std::string(data->lpstrFilter, end) + "|" + std::to_string(data->Flags);
        lstrcpynA(data->lpstrFile, "C:\\Sounds\\wake up.wav", static_cast<int>(data->nMaxFile));
        return asked.starts_with("*.wav");
    };
    EXPECT_EQ(clsCommonDialog().OpenDialog(nullptr, "*.wav"), "C:\\Sounds\\wake up.wav");
    EXPECT_EQ(asked, std::string("*.wav\0*.wav|", 12) +
                         std::to_string(OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY));
    EXPECT_EQ(clsCommonDialog().OpenDialog(nullptr, "*.exe"), "");
    seams.SHBrowseForFolderA = [](LPBROWSEINFOA) -> PIDLIST_ABSOLUTE { return nullptr; };
    EXPECT_EQ(clsCommonDialog().BrowsCatalog(nullptr), "");
}

}  // namespace
