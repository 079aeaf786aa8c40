#include "dialogs/SkinChoice.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

// The stored name outranks the stored index, which may name another file once the folder has changed; a stored
// name the folder lacks selects nothing.
TEST(SkinOptions, StoredNameThenStoredIndexChooseTheEntry) {
    const std::vector<std::string> items{"Default", "a.bmp", "b.bmp", "c.bmp"};
    const std::tuple<const char*, const char*, int> cases[] = {
        {"7", "", 0},      {"abc", "", -1},       {"-1", "", -1},      {"2", "", 2},
        {"1", "C.BMP", 3}, {"2", "gone.bmp", -1}, {"abc", "b.bmp", 2}, {"", "Default", 0}};
    for (const auto& [index, name, selected] : cases)
        EXPECT_EQ(SavedSkinIndex(index, name, items), selected) << '"' << index << "\" \"" << name << '"';
}

}  // namespace
