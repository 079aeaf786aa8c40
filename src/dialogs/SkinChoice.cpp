#include "dialogs/SkinChoice.h"

#include "settings/RegValue.h"
#include "system/PathParts.h"

int SavedSkinIndex(std::string_view storedIndex, std::string_view storedName, const std::vector<std::string>& items) {
    if (!storedName.empty()) {
        for (std::size_t i = 0; i < items.size(); ++i)
            if (SamePath(items[i], storedName)) return static_cast<int>(i);
        return -1;
    }
    const auto index = ParseNumber(storedIndex);
    if (!index || *index < 0) return -1;
    return static_cast<std::size_t>(*index) < items.size() ? *index : 0;
}
