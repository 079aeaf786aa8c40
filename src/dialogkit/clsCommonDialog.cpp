#include "dialogkit/clsCommonDialog.h"

#include "system/Seams.h"

#include <commdlg.h>
#include <shlobj.h>

namespace {

constexpr char kFolderTitle[] = "Please choose directory: ";
constexpr char kFileTitle[] = "Choose a sound";
constexpr DWORD kFileFlags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
// Any path the platform's file functions take, whole.
constexpr DWORD kFileBufferSize = MAX_PATH;

// The item list the folder picker hands back is ours to free.
class ItemList {
public:
    explicit ItemList(PIDLIST_ABSOLUTE list) : list_(list) {}
    ItemList(const ItemList&) = delete;
    ItemList& operator=(const ItemList&) = delete;
    ~ItemList() {
        if (list_) CoTaskMemFree(list_);
    }
    PIDLIST_ABSOLUTE get() const { return list_; }

private:
    PIDLIST_ABSOLUTE list_;
};

}  // namespace

std::string clsCommonDialog::BrowsCatalog(HWND hDlg) const {
    char displayName[MAX_PATH] = {};
    BROWSEINFOA info{};
    info.hwndOwner = hDlg;
    info.pszDisplayName = displayName;
    info.lpszTitle = kFolderTitle;
    const ItemList chosen(seams.SHBrowseForFolderA(&info));
    char path[MAX_PATH] = {};
    if (chosen.get() && !SHGetPathFromIDListA(chosen.get(), path)) path[0] = '\0';
    return path;
}

std::string clsCommonDialog::OpenDialog(HWND hDlg, const std::string& strFilter) const {
    // A filter is pairs of strings ending in an empty one; the pattern names itself.
    const std::string filter = strFilter + '\0' + strFilter + '\0' + '\0';
    char file[kFileBufferSize] = {};
    OPENFILENAMEA info{};
    info.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    info.hwndOwner = hDlg;
    info.lpstrFilter = filter.c_str();
    info.lpstrFile = file;
    info.nMaxFile = kFileBufferSize;
    info.lpstrTitle = kFileTitle;
    info.Flags = kFileFlags;
    if (!seams.GetOpenFileNameA(&info)) return "";
    file[kFileBufferSize - 1] = '\0';
    return file;
}
