#pragma once
// Which entry of a skin picture list opens selected.
#include <string>
#include <string_view>
#include <vector>

// The entry whose text is the stored file name; none (-1) when the list lacks it: files come and go in the folder,
// the clock then shows its built-in picture, and a stored index would name another file. With no stored name, the
// stored index: none when it is not a number or is negative, the first entry ("Default") when it is past the end.
int SavedSkinIndex(std::string_view storedIndex, std::string_view storedName, const std::vector<std::string>& items);
