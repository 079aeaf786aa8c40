#pragma once
// Which entry of a skin picture list opens selected.
#include <string>
#include <string_view>
#include <vector>

// The entry whose text is the stored file name, when the list has it: files come and go in the folder, and a
// stored index alone would then name another one. Otherwise the stored index: none (-1) when it is not a number
// or is negative, the first entry ("Default") when it is past the end.
int SavedSkinIndex(std::string_view storedIndex, std::string_view storedName, const std::vector<std::string>& items);
